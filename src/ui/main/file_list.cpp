#include "file_list.h"

#include "filesystem.h"
#include "gb_text.h"

#include <QItemSelection>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace tarvendi::ui {

int FileListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant FileListModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return gb_to_qt(entries_[static_cast<std::size_t>(index.row())].text());
}

void FileListModel::set_entries(platform::Listing entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

FileListBox::FileListBox(QWidget *parent)
    : QListView(parent)
    , model_(new FileListModel(this))
    , folder_(platform::current_folder()) {
    setModel(model_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!programmatic_)
            changed_by_user_ = true;
    });
}

void FileListBox::mousePressEvent(QMouseEvent *event) {
    changed_by_user_ = false;
    pressed_ = event->button();
    QListView::mousePressEvent(event);
}

// A left click is a pick even when the selection stays as it was (a second click on the same
// entry adds it again in accumulate mode); another button only when it changed the selection.
// The second click of a double click reaches no press handler, so it is no second pick.
void FileListBox::mouseReleaseEvent(QMouseEvent *event) {
    QListView::mouseReleaseEvent(event);
    const bool pick = pressed_ == Qt::LeftButton || changed_by_user_;
    pressed_ = Qt::NoButton;
    changed_by_user_ = false;
    if (pick)
        emit picked_by_user();
}

void FileListBox::keyPressEvent(QKeyEvent *event) {
    const QPersistentModelIndex before = currentIndex();
    changed_by_user_ = false;
    QListView::keyPressEvent(event);
    const bool pick = changed_by_user_ || currentIndex() != before;
    changed_by_user_ = false;
    if (pick)
        emit picked_by_user();
}

void FileListBox::set_folder(const std::string &folder) {
    if (folder == folder_ && has_read_)
        return;
    const std::string previous = folder_;
    folder_ = folder;
    try {
        reread();
    } catch (...) {
        folder_ = previous;
        throw;
    }
}

void FileListBox::set_mask(const std::string &mask) {
    if (mask == mask_)
        return;
    mask_ = mask;
    reread();
}

void FileListBox::set_kinds(platform::EntryKinds kinds) {
    if (kinds == kinds_)
        return;
    kinds_ = kinds;
    reread();
}

void FileListBox::set_numeric_order(bool numbers) {
    const platform::NameOrder order =
        numbers ? platform::NameOrder::Numbers : platform::NameOrder::Text;
    if (order == order_)
        return;
    order_ = order;
    // Before the first read there is nothing to sort again.
    if (has_read_)
        reread();
}

void FileListBox::reread() {
    QScopedValueRollback guard(programmatic_, true);
    platform::set_current_folder(folder_);
    model_->set_entries(platform::list_folder({}, mask_, kinds_, order_));
    has_read_ = true;
    if (model_->rowCount() > 0)
        selectionModel()->setCurrentIndex(model_->index(0), QItemSelectionModel::NoUpdate);
}

void FileListBox::select_all_entries() {
    if (count() == 0)
        return;
    QScopedValueRollback guard(programmatic_, true);
    selectionModel()->select(QItemSelection(model_->index(0), model_->index(count() - 1)),
                             QItemSelectionModel::Select);
}

std::vector<core::PassItem> FileListBox::pass_items() const {
    std::vector<core::PassItem> items;
    items.reserve(entries().size());
    for (const platform::Entry &entry : entries())
        items.push_back({entry.name, true, entry.is_dot_entry()});
    return items;
}

void FileListBox::clear_selection() {
    QScopedValueRollback guard(programmatic_, true);
    selectionModel()->clearSelection();
}

std::vector<bool> FileListBox::selected_rows() const {
    std::vector<bool> rows(static_cast<std::size_t>(count()), false);
    for (const QItemSelectionRange &range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows[static_cast<std::size_t>(row)] = true;
    }
    return rows;
}

int FileListBox::selected_count() const {
    int n = 0;
    for (bool selected : selected_rows())
        n += selected ? 1 : 0;
    return n;
}

int FileListBox::focused_row() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FileListBox::set_focused_row(int row) {
    QScopedValueRollback guard(programmatic_, true);
    selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::NoUpdate);
}

} // namespace tarvendi::ui
