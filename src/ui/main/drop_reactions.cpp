#include "drop_reactions.h"

#include "main_window.h"

#include <QAbstractItemView>
#include <QDropEvent>

namespace tarvendi::ui {

DropReactions::DropReactions(TForm1 *form, QAbstractItemView *list)
    : QObject(list)
    , form_(form)
    , list_(list) {}

bool DropReactions::eventFilter(QObject *, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QPoint at = drop->position().toPoint();
    if (!form_->CheckListBox1DragOver(list_, drop->source(), at.x(), at.y())) {
        drop->ignore();
        return true;
    }
    // A copy, never a move: the dragging view must not remove anything itself.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        form_->CheckListBox1DragDrop(list_, drop->source(), at.x(), at.y());
    return true;
}

} // namespace tarvendi::ui
