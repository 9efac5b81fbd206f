#include "path_edit.h"

#include <QKeyEvent>

namespace tarvendi::ui {

void PathEdit::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enter_pressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void PathEdit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    // Another window taking the focus (a message box, a menu) is not leaving the field.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit focus_left();
}

} // namespace tarvendi::ui
