#include "directory_list.h"

#include "gb_text.h"
#include "listing.h"
#include "text.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

namespace tarvendi::ui {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kDepthRole = Qt::UserRole + 1;
constexpr int kIndentPixels = 12;

// Draws each level of the tree indented by its depth, so that an item's text stays the folder's
// name alone.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyleOptionViewItem indented(option);
        indented.rect.setLeft(indented.rect.left() + indent(index));
        QStyledItemDelegate::paint(painter, indented, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(index), 0);
    }

private:
    static int indent(const QModelIndex &index) {
        return index.data(kDepthRole).toInt() * kIndentPixels;
    }
};

std::string child_path(const std::string &folder, const std::string &name) {
    return folder == "/" ? "/" + name : folder + rules::kSeparator + name;
}

} // namespace

DirectoryListBox::DirectoryListBox(QWidget *parent)
    : QListWidget(parent) {
    setItemDelegate(new IndentDelegate(this));
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
        auto *item = new QListWidgetItem(open ? open_icon : closed_icon, gb_to_qt(label));
        item->setData(kPathRole, byte_array(path));
        item->setData(kDepthRole, depth);
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
