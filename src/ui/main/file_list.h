#pragma once
// The file list: the entries of one folder that a mask and an entry kind admit, sorted by name,
// with multiple selection. Every read makes its folder the process's current directory, so bare
// names in the working list resolve in the folder the user sees.

#include "listing.h"
#include "plan.h"

#include <QAbstractListModel>
#include <QListView>
#include <string>
#include <vector>

namespace tarvendi::ui {

class FileListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    const platform::Listing &entries() const { return entries_; }
    void set_entries(platform::Listing entries);

private:
    platform::Listing entries_; // their texts are decoded only for the rows shown
};

class FileListBox : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget *parent = nullptr);

    const std::string &folder() const { return folder_; }
    const std::string &mask() const { return mask_; }
    platform::EntryKinds kinds() const { return kinds_; }
    const platform::Listing &entries() const { return model_->entries(); }
    int count() const { return model_->rowCount(); }

    // Each setter re-reads only when the value differs from the one the list has. They throw
    // IoError when the folder cannot be read; the list then keeps what it showed.
    void set_folder(const std::string &folder);
    void set_mask(const std::string &mask);
    void set_kinds(platform::EntryKinds kinds);
    // Runs of digits sort by their value when `numbers`, else by their characters.
    void set_numeric_order(bool numbers);
    // Makes the folder current, lists it again and leaves no entry selected; the first entry
    // becomes the focused one.
    void reread();

    // Selection helpers that do not count as the user's selection (no picked_by_user).
    void select_all_entries();
    // Every entry as a pass receives it: a name in folder().
    std::vector<core::PassItem> pass_items() const;
    void clear_selection();
    std::vector<bool> selected_rows() const;
    int selected_count() const;
    // The entry with the focus frame, or -1.
    int focused_row() const;
    void set_focused_row(int row);

signals:
    // Once per click of the user (also when it leaves the selection as it was) and once per key
    // that moves the focus or changes the selection; never for the program's own changes.
    void picked_by_user();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    FileListModel *model_;
    std::string folder_;
    std::string mask_ = "*.*";
    platform::EntryKinds kinds_ = platform::EntryKinds::Files;
    platform::NameOrder order_ = platform::NameOrder::Text;
    bool programmatic_ = false;
    bool has_read_ = false;
    // Between a press and its release (or during a key): the user's selection changed.
    bool changed_by_user_ = false;
    Qt::MouseButton pressed_ = Qt::NoButton;
};

} // namespace tarvendi::ui
