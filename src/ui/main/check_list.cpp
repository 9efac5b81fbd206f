#include "check_list.h"

#include "gb_text.h"
#include "text.h"

#include <algorithm>

namespace tarvendi::ui {

std::string CheckItem::text() const {
    if (kind == ItemKind::File)
        return name;
    const std::size_t start = rules::file_name_start(name);
    return name.substr(0, start) + "[" + name.substr(start) + "]";
}

CheckItem CheckItem::of(const platform::Entry &entry, const std::string &prefix) {
    const ItemKind kind = entry.is_dot_entry() ? ItemKind::DotEntry
                          : entry.is_folder    ? ItemKind::Folder
                                               : ItemKind::File;
    return {prefix + std::string(entry.name), kind, Qt::Unchecked};
}

int CheckListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant CheckListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CheckItem &item = items_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return gb_to_qt(item.text());
    if (role == Qt::CheckStateRole)
        return static_cast<int>(item.check);
    return {};
}

bool CheckListModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole)
        return false;
    set_check_state(index.row(), static_cast<Qt::CheckState>(value.toInt()));
    return true;
}

Qt::ItemFlags CheckListModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    const Qt::ItemFlags movable = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    if (items_[static_cast<std::size_t>(index.row())].kind == ItemKind::DotEntry)
        return movable;
    return movable | Qt::ItemIsUserCheckable | Qt::ItemIsUserTristate;
}

void CheckListModel::set_items(std::vector<CheckItem> items) {
    beginResetModel();
    items_ = std::move(items);
    for (CheckItem &item : items_)
        item.check = Qt::Unchecked;
    endResetModel();
}

void CheckListModel::append(CheckItem item) {
    insert(rowCount(), std::move(item));
}

void CheckListModel::insert(int row, CheckItem item) {
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    item.check = Qt::Unchecked;
    items_.insert(items_.begin() + row, std::move(item));
    endInsertRows();
}

void CheckListModel::remove(int row) {
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    items_.erase(items_.begin() + row);
    endRemoveRows();
}

void CheckListModel::clear() {
    if (items_.empty())
        return;
    beginResetModel();
    items_.clear();
    endResetModel();
}

void CheckListModel::set_checked(int row, bool checked) {
    if (row < 0 || row >= rowCount())
        return;
    const Qt::CheckState now = items_[static_cast<std::size_t>(row)].check;
    if (checked)
        set_check_state(row, Qt::Checked);
    else if (now == Qt::Checked)
        set_check_state(row, Qt::Unchecked);
}

void CheckListModel::set_all_checked(bool checked) {
    for (CheckItem &item : items_) {
        if (item.kind == ItemKind::DotEntry)
            continue;
        if (checked)
            item.check = Qt::Checked;
        else if (item.check == Qt::Checked)
            item.check = Qt::Unchecked;
    }
    if (!items_.empty())
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
}

void CheckListModel::set_check_state(int row, Qt::CheckState state) {
    if (row < 0 || row >= rowCount())
        return;
    CheckItem &item = items_[static_cast<std::size_t>(row)];
    if (item.kind == ItemKind::DotEntry)
        return;
    item.check = state;
    const QModelIndex at = index(row);
    emit dataChanged(at, at, {Qt::CheckStateRole});
}

CheckListBox::CheckListBox(QWidget *parent)
    : QListView(parent)
    , model_(new CheckListModel(this)) {
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

int CheckListBox::focused_row() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : (model_->rowCount() > 0 ? 0 : -1);
}

} // namespace tarvendi::ui
