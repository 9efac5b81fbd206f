#pragma once
// The working list: an ordered list of GB18030 texts, each with a three-state check. It keeps
// duplicates and never sorts itself.

#include <QAbstractListModel>
#include <QListView>
#include <string>
#include <vector>

namespace tarvendi::ui {

struct CheckItem {
    std::string text; // GB18030
    QString shown;
    Qt::CheckState check = Qt::Unchecked;
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

    const std::vector<CheckItem> &items() const { return items_; }
    // Replaces every item; new items come in unchecked.
    void set_texts(std::vector<std::string> texts);
    void append(std::string text);
    void insert(int row, std::string text);
    void remove(int row);
    void clear();
    // Checked stays checked, anything else becomes checked (checked = true); or checked becomes
    // unchecked while grayed stays grayed (checked = false).
    void set_checked(int row, bool checked);
    void set_all_checked(bool checked);
    void set_check_state(int row, Qt::CheckState state);

private:
    std::vector<CheckItem> items_;
};

// The working list's view: multiple selection, three-state check boxes that step
// unchecked -> grayed -> checked on a click or the space bar.
class CheckListBox : public QListView {
    Q_OBJECT
public:
    explicit CheckListBox(QWidget *parent = nullptr);
    CheckListModel *list() const { return model_; }
    int focused_row() const;

private:
    CheckListModel *model_;
};

} // namespace tarvendi::ui
