// Reordering the working list by drag and drop, which decides every rule's numbering.

#include "check_list.h"
#include "drop_reactions.h"
#include "main_window.h"
#include "messages.h"
#include "preview_panel.h"

#include <QCheckBox>

using namespace tarvendi::ui;

namespace {

void enable_drag(TForm1 *form, QAbstractItemView *list) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setDragEnabled(true);
    list->setDragDropMode(QAbstractItemView::DragOnly);
    list->setDefaultDropAction(Qt::CopyAction);
    list->viewport()->setAcceptDrops(true);
    list->viewport()->installEventFilter(new DropReactions(form, list));
}

} // namespace

void TForm1::setup_drag() {
    enable_drag(this, ListBox1);
    enable_drag(this, preview_->list());
}

bool TForm1::CheckListBox1DragOver(QObject *sender, QObject *source, int, int) {
    return sender == ListBox1 && source == ListBox1;
}

void TForm1::CheckListBox1DragDrop(QObject *sender, QObject *source, int x, int y) {
    if (!CheckListBox1DragOver(sender, source, x, y))
        return;
    CheckListModel *list = ListBox1->list();
    QItemSelectionModel *selection = ListBox1->selectionModel();
    auto selected = [&](int row) {
        return selection->isSelected(list->index(row));
    };

    const QModelIndex under = ListBox1->indexAt(QPoint(x, y));
    const int target = under.isValid() ? under.row() : -1;
    std::vector<CheckItem> moved; // from the last selected item up
    for (int row = list->rowCount() - 1; row >= 0; --row) {
        if (selected(row))
            moved.push_back(list->item(static_cast<std::size_t>(row)));
    }
    if (target == -1) {
        for (auto item = moved.rbegin(); item != moved.rend(); ++item)
            list->append(*item);
    } else {
        for (const CheckItem &item : moved)
            list->insert(target, item);
    }
    for (int row = list->rowCount() - 1; row >= 0; --row) {
        if (selected(row))
            list->remove(row);
    }
    if (target != -1)
        selection->select(list->index(target), QItemSelectionModel::Select);
    list->set_all_checked(CheckBox12->isChecked());
}

void TForm1::Button29Click() {
    inform(this, tr("请直接拖动文件名称，调整文件的编号顺序！"));
}

void TForm1::Button30Click() {
    inform(this, tr("请直接拖动文件名称，调整文件的编号顺序！"));
}
