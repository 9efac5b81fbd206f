#pragma once
// The path field: Enter, and every move of the focus to another control of the window, hand
// its text on.

#include <QLineEdit>

namespace tarvendi::ui {

class PathEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void enter_pressed();
    void focus_left();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace tarvendi::ui
