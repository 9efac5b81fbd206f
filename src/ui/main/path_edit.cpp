#include "path_edit.h"

#include "display_text.h"
#include "errors.h"
#include "filesystem.h"
#include "text.h"

#include <QKeyEvent>
#include <cerrno>

namespace tarvendi::ui {

namespace {

std::string unbracketed(const std::string &text) {
    if (text.size() >= 2 && text.front() == '[' && text.back() == ']')
        return text.substr(1, text.size() - 2);
    return text;
}

bool has_wildcard(const std::string &name) {
    return name.find_first_of("*?") != std::string::npos;
}

} // namespace

std::string typed_folder(const std::string &text) {
    std::string path = platform::absolute_path(unbracketed(text));
    if (platform::file_exists(path) || has_wildcard(rules::file_name_part(path))) {
        path = rules::folder_part(path);
        if (path.empty())
            path = "/";
    }
    if (!platform::folder_exists(path))
        throw platform::IoError(ENOENT, platform::escaped_text(text));
    return path;
}

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
