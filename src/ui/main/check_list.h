#pragma once
// The working list: an ordered list of entries, each with a three-state check. It keeps
// duplicates and never sorts itself.

#include "listing.h"
#include "plan.h"

#include <QAbstractListModel>
#include <QListView>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::ui {

// What an item names. The dot entries of directory mode can never be checked, so no pass
// renames them, wherever the sort puts them.
enum class ItemKind : std::uint8_t { File, Folder, DotEntry };

struct CheckItem {
    std::string name; // GB18030, the real name or full path that every operation works on
    ItemKind kind = ItemKind::File;
    Qt::CheckState check = Qt::Unchecked;

    // As the list shows it (GB18030): a folder's last level in brackets, "[name]".
    std::string text() const;
    // The item of a listed entry; prefix (a folder with its trailing "/", or empty) goes before
    // its name.
    static CheckItem of(const platform::Entry &entry, const std::string &prefix = {});
};

class CheckListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override {
        return Qt::CopyAction | Qt::MoveAction;
    }

    std::size_t size() const { return rows_.size(); }
    // The item at row (0 <= row < size()); name() views the list's storage until it changes.
    std::string_view name(std::size_t row) const;
    ItemKind kind(std::size_t row) const { return rows_[row].kind; }
    Qt::CheckState check(std::size_t row) const { return rows_[row].check; }
    CheckItem item(std::size_t row) const;
    // Every row as a pass receives it (views of the list's storage), and as the list shows it.
    std::vector<core::PassItem> pass_items() const;
    std::vector<std::string> texts() const;

    // Replaces every item by the selected entries of a listing; new items come in unchecked.
    void set_entries(const platform::Listing &entries, const std::vector<bool> &selected);
    void append(const CheckItem &item);
    void insert(int row, const CheckItem &item);
    void remove(int row);
    void clear();
    // Checked stays checked, anything else becomes checked (checked = true); or checked becomes
    // unchecked while grayed stays grayed (checked = false). A dot entry stays unchecked.
    void set_checked(int row, bool checked);
    void set_all_checked(bool checked);
    void set_check_state(int row, Qt::CheckState state);

private:
    // An item refers into names_, where every name the list was given lies end to end, so that
    // a list of a million holds each name once (a removed item leaves its bytes until the list
    // is filled anew). A list filled from a listing views the listing's own buffer.
    struct Row {
        std::uint32_t offset;
        std::uint32_t length;
        ItemKind kind;
        Qt::CheckState check;
    };
    Row row_of(const CheckItem &item);

    platform::NameBuffer names_;
    std::vector<Row> rows_;
};

// The working list's view: multiple selection, three-state check boxes that step
// unchecked -> grayed -> checked on a click or the space bar.
class CheckListBox : public QListView {
    Q_OBJECT
public:
    explicit CheckListBox(QWidget *parent = nullptr);
    CheckListModel *list() const { return model_; }
    int focused_row() const;
    // Checks each selected item that is not checked, and unchecks each checked one.
    void toggle_selected_checks();

private:
    CheckListModel *model_;
};

} // namespace tarvendi::ui
