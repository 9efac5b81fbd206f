#pragma once
// The base of the two parameter dialogs: they close only through their own buttons, with
// result 1 (preview) or 2 (rename), or through the close box with result 0. Enter and Esc close
// neither. They are only hidden when they close, so typed values stay for the next use.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvendi::ui {

class ParamDialog : public QDialog {
    Q_OBJECT
public:
    // name is the object name and the caption; geometry the screen position of the window
    // frame and the window's size, in pixels; font_pixels the character height.
    ParamDialog(const char *name, QRect geometry, int font_pixels, QWidget *parent);

public slots:
    void Button1Click() { done(1); }
    void Button2Click() { done(2); }

protected:
    QLabel *add_label(const char *name, const QString &caption, QRect at);
    QLineEdit *add_edit(const char *name, const QString &text, QRect at);
    // The "预览" and "确定" buttons.
    void add_buttons(QRect preview_at, QRect execute_at);
    void keyPressEvent(QKeyEvent *event) override;

    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};

} // namespace tarvendi::ui
