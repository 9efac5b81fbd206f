// Reordering the working list by drag and drop, which decides every rule's numbering.

#include "check_list.h"
#include "main_window.h"
#include "messages.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QListView>

using namespace tarvendi::ui;

namespace {

// Hands the drag events of a list's viewport to the window's two drag reactions; the view's own
// drop handling stays off, so nothing but those reactions changes a list.
class DropReactions : public QObject {
public:
    DropReactions(TForm1 *form, QAbstractItemView *list)
        : QObject(list)
        , form_(form)
        , list_(list) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto *drop = static_cast<QDropEvent *>(event);
        const QPoint at = drop->position().toPoint();
        if (!form_->CheckListBox1DragOver(list_, drop->source(), at.x(), at.y())) {
            drop->ignore();
            return true;
        }
        // A copy, never a move: the dragging view must not remove anything itself.
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (type == QEvent::Drop)
            form_->CheckListBox1DragDrop(list_, drop->source(), at.x(), at.y());
        return true;
    }

private:
    TForm1 *form_;
    QAbstractItemView *list_;
};

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
    enable_drag(this, ListBox2);
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
            moved.push_back(list->items()[static_cast<std::size_t>(row)]);
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
    inform(this, QStringLiteral("请直接拖动文件名称，调整文件的编号顺序！"));
}

void TForm1::Button30Click() {
    inform(this, QStringLiteral("请直接拖动文件名称，调整文件的编号顺序！"));
}
