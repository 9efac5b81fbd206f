#pragma once
// The path field: Enter, and every move of the focus to another control of the window, hand
// its text on.

#include <QLineEdit>
#include <string>

namespace tarvendi::ui {

// The folder a typed path (GB18030) names, absolute: the folder itself ("[sub]", as the file list
// writes a folder, names sub), or the folder of a file or of a wildcard mask. Throws
// platform::IoError when there is no such folder.
std::string typed_folder(const std::string &text);

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
