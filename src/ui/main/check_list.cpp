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

namespace {

ItemKind kind_of(const platform::Entry &entry) {
    return entry.is_dot_entry() ? ItemKind::DotEntry
           : entry.is_folder    ? ItemKind::Folder
                                : ItemKind::File;
}

} // namespace

CheckItem CheckItem::of(const platform::Entry &entry, const std::string &prefix) {
    return {prefix + std::string(entry.name), kind_of(entry), Qt::Unchecked};
}

int CheckListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

std::string_view CheckListModel::name(std::size_t row) const {
    return names_.at(rows_[row].offset, rows_[row].length);
}

CheckItem CheckListModel::item(std::size_t row) const {
    return {std::string(name(row)), rows_[row].kind, rows_[row].check};
}

std::vector<core::PassItem> CheckListModel::pass_items() const {
    std::vector<core::PassItem> items;
    items.reserve(size());
    for (std::size_t row = 0; row < size(); ++row)
        items.push_back({name(row), check(row) == Qt::Checked, kind(row) == ItemKind::DotEntry});
    return items;
}

std::vector<std::string> CheckListModel::texts() const {
    std::vector<std::string> texts;
    texts.reserve(size());
    for (std::size_t row = 0; row < size(); ++row)
        texts.push_back(item(row).text());
    return texts;
}

QVariant CheckListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole)
        return gb_to_qt(item(row).text());
    if (role == Qt::CheckStateRole)
        return static_cast<int>(rows_[row].check);
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
    if (rows_[static_cast<std::size_t>(index.row())].kind == ItemKind::DotEntry)
        return movable;
    return movable | Qt::ItemIsUserCheckable | Qt::ItemIsUserTristate;
}

CheckListModel::Row CheckListModel::row_of(const CheckItem &item) {
    return {names_.add(item.name), static_cast<std::uint32_t>(item.name.size()), item.kind,
            Qt::Unchecked};
}

void CheckListModel::set_entries(const platform::Listing &entries,
                                 const std::vector<bool> &selected) {
    beginResetModel();
    names_ = platform::NameBuffer(entries.added_names());
    rows_.clear();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!selected[i])
            continue;
        const platform::Entry entry = entries[i];
        rows_.push_back({names_.offset_of(entry.name),
                         static_cast<std::uint32_t>(entry.name.size()), kind_of(entry),
                         Qt::Unchecked});
    }
    rows_.shrink_to_fit();
    endResetModel();
}

void CheckListModel::append(const CheckItem &item) {
    insert(rowCount(), item);
}

void CheckListModel::insert(int row, const CheckItem &item) {
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    rows_.insert(rows_.begin() + row, row_of(item));
    endInsertRows();
}

void CheckListModel::remove(int row) {
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void CheckListModel::clear() {
    if (rows_.empty())
        return;
    beginResetModel();
    // Fresh containers hand the memory back; assigning {} would only empty them.
    names_ = platform::NameBuffer();
    rows_ = decltype(rows_)();
    endResetModel();
}

void CheckListModel::set_checked(int row, bool checked) {
    if (row < 0 || row >= rowCount())
        return;
    const Qt::CheckState now = rows_[static_cast<std::size_t>(row)].check;
    if (checked)
        set_check_state(row, Qt::Checked);
    else if (now == Qt::Checked)
        set_check_state(row, Qt::Unchecked);
}

void CheckListModel::set_all_checked(bool checked) {
    for (Row &row : rows_) {
        if (row.kind == ItemKind::DotEntry)
            continue;
        if (checked)
            row.check = Qt::Checked;
        else if (row.check == Qt::Checked)
            row.check = Qt::Unchecked;
    }
    if (!rows_.empty())
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
}

void CheckListModel::set_check_state(int row, Qt::CheckState state) {
    if (row < 0 || row >= rowCount())
        return;
    Row &item = rows_[static_cast<std::size_t>(row)];
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

void CheckListBox::toggle_selected_checks() {
    for (const QModelIndex &index : selectionModel()->selectedIndexes()) {
        const bool checked = model_->check(static_cast<std::size_t>(index.row())) == Qt::Checked;
        model_->set_check_state(index.row(), checked ? Qt::Unchecked : Qt::Checked);
    }
}

} // namespace tarvendi::ui
