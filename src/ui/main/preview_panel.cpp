#include "preview_panel.h"

#include "captioned_column.h"
#include "page_widgets.h"
#include "preview_list.h"

#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace tarvendi::ui {

namespace {

// The row at the top of view: the scroll bar counts rows unless the view scrolls by pixels.
int top_row(const QAbstractItemView *view) {
    if (view->verticalScrollMode() == QAbstractItemView::ScrollPerItem)
        return view->verticalScrollBar()->value();
    return std::max(0, view->indexAt(QPoint(0, 0)).row());
}

void show_from(QAbstractItemView *view, int row) {
    if (view->verticalScrollMode() == QAbstractItemView::ScrollPerItem) {
        view->verticalScrollBar()->setValue(row);
        return;
    }
    const QModelIndex index = view->model() ? view->model()->index(row, 0) : QModelIndex();
    if (index.isValid())
        view->scrollTo(index, QAbstractItemView::PositionAtTop);
    else
        view->scrollToBottom();
}

} // namespace

PreviewPanel::PreviewPanel(QWidget *parent)
    : QWidget(parent)
    , list_(named(new QListView, "ListBox2"))
    , model_(new PreviewModel(this))
    , failures_(named(new QLabel, "Label26")) {
    failures_->setFixedHeight(16);
    list_->setModel(model_);
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Row for row beside the working list: both scroll bars count rows.
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(captioned_column(tr("改名预览"), {list_}, -1, failures_));
    recolour();
    // A dark colour scheme chosen while the window is open changes the list's palette too.
    list_->installEventFilter(this);
}

void PreviewPanel::show_plan(core::Plan &plan) {
    model_->show_plan(plan);
    const std::size_t refusals = model_->refusals();
    counting_ = true;
    recolour();
    failures_->setText(refusals == 0 ? QString() : tr("%1 个将无法改名").arg(refusals));
}

void PreviewPanel::tell(const QString &text) {
    counting_ = false;
    failures_->setStyleSheet(QString());
    failures_->setText(text);
}

void PreviewPanel::clear() {
    model_->clear();
    failures_->clear();
}

void PreviewPanel::recolour() {
    model_->set_background(list_->palette().color(QPalette::Base));
    if (counting_) {
        const QColor colour =
            verdict_colour(core::Verdict::Invalid, failures_->palette().color(QPalette::Window));
        failures_->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
    }
}

bool PreviewPanel::eventFilter(QObject *watched, QEvent *event) {
    if (watched == list_ && event->type() == QEvent::PaletteChange)
        recolour();
    return QWidget::eventFilter(watched, event);
}

void PreviewPanel::scroll_with(QAbstractItemView *working) {
    for (QMetaObject::Connection &link : links_)
        disconnect(link);
    working_ = working;
    if (!working)
        return;
    QScrollBar *mine = list_->verticalScrollBar();
    links_[0] = connect(working->verticalScrollBar(), &QScrollBar::valueChanged, this,
                        [this] { follow(working_, list_); });
    links_[1] = connect(mine, &QScrollBar::valueChanged, this, [this] {
        if (working_)
            follow(list_, working_);
    });
    // The range changes before a value that no longer fits is cut back: a preview made anew
    // takes the working list's rows first, so that the cut never reaches the working list.
    links_[2] = connect(mine, &QScrollBar::rangeChanged, this, [this] {
        if (working_)
            follow(working_, list_);
    });
}

void PreviewPanel::follow(QAbstractItemView *from, QAbstractItemView *to) {
    if (following_)
        return;
    following_ = true;
    show_from(to, top_row(from));
    following_ = false;
}

} // namespace tarvendi::ui
