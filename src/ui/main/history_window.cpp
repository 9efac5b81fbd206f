#include "history_window.h"

#include "page_widgets.h"
#include "undo_command.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tarvendi::ui {

HistoryWindow::HistoryWindow(QWidget *parent, const core::Journal &journal,
                             std::function<void()> undo)
    : QDialog(parent)
    , journal_(journal)
    , undo_(std::move(undo))
    , list_(named(new QListWidget, "HistoryList"))
    , undo_button_(push_button("ButtonUndo", tr("撤销"))) {
    setObjectName(QStringLiteral("FHistory"));
    setWindowTitle(tr("改名记录"));
    resize(640, 360);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setUniformItemSizes(true);
    connect(undo_button_, &QPushButton::clicked, this, [this] {
        undo_();
        refresh();
    });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(undo_button_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
}

void HistoryWindow::open_anew() {
    refresh();
    show();
    raise();
    activateWindow();
}

void HistoryWindow::refresh() {
    list_->clear();
    for (const core::Journal::Past &past : journal_.history())
        list_->addItem(row(past));
    undo_button_->setEnabled(journal_.has_newest());
}

QString HistoryWindow::row(const core::Journal::Past &past) {
    using State = core::Journal::Past::State;
    const QString separator = QStringLiteral("  ");
    if (past.state == State::Damaged)
        return QString::fromStdString(past.name) + separator + tr("已损坏");
    // What the run did by its own account: asking the disk for every step of 50 records would
    // keep the window from opening.
    const core::JournalRecord &record = past.record;
    std::vector<std::size_t> done;
    for (std::size_t i = 0; i < record.steps.size(); ++i)
        if (!std::binary_search(record.failed.begin(), record.failed.end(), i))
            done.push_back(i);
    const QString state = past.state == State::Undone        ? tr("已撤销")
                          : past.state == State::Interrupted ? tr("已中断")
                                                             : tr("可撤销");
    const QString rule = QString::fromStdString(record.what);
    QStringList parts = {UndoCommand::when(record), UndoCommand::where(record),
                         (rule.isEmpty() ? QString() : rule + tr("：")) +
                             UndoCommand::what(record, done) + UndoCommand::by(record),
                         state};
    parts.removeAll(QString());
    return parts.join(separator);
}

} // namespace tarvendi::ui
