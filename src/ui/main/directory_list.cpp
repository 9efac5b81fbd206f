#include "directory_list.h"

#include "gb_text.h"
#include "listing.h"
#include "text.h"

#include <QKeyEvent>
#include <QStyle>

namespace tarvendi::ui {

namespace {

constexpr int kPathRole = Qt::UserRole;

std::string child_path(const std::string &folder, const std::string &name) {
    return folder == "/" ? "/" + name : folder + rules::kSeparator + name;
}

} // namespace

DirectoryListBox::DirectoryListBox(QWidget *parent)
    : QListWidget(parent) {
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemDoubleClicked, this, &DirectoryListBox::open_item);
}

void DirectoryListBox::set_current(const std::string &folder) {
    current_ = folder;
    rebuild();
}

void DirectoryListBox::rebuild() {
    clear();
    const QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed_icon = style()->standardIcon(QStyle::SP_DirIcon);
    auto add = [&](const std::string &path, const std::string &label, int depth, bool open) {
        auto *item = new QListWidgetItem(open ? open_icon : closed_icon,
                                         QString(depth * 2, QLatin1Char(' ')) + gb_to_qt(label));
        item->setData(kPathRole, byte_array(path));
        addItem(item);
        return item;
    };

    std::string path = "/";
    add(path, "/", 0, true);
    int depth = 0;
    std::string rest = current_.size() > 1 ? current_.substr(1) : std::string();
    while (!rest.empty()) {
        const std::size_t slash = rest.find(rules::kSeparator);
        const std::string level = rest.substr(0, slash);
        rest = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
        path = child_path(path, level);
        add(path, level, ++depth, true);
    }
    setCurrentRow(count() - 1);
    for (const std::string &name : platform::list_subfolders(current_, false))
        add(child_path(current_, name), name, depth + 1, false);
}

void DirectoryListBox::keyPressEvent(QKeyEvent *event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        open_item(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirectoryListBox::open_item(QListWidgetItem *item) {
    const QByteArray path = item->data(kPathRole).toByteArray();
    emit open_requested(byte_string(path));
}

} // namespace tarvendi::ui
