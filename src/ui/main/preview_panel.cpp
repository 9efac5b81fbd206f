#include "preview_panel.h"

#include "captioned_column.h"
#include "page_widgets.h"
#include "preview_list.h"

#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

namespace tarvendi::ui {

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
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(captioned_column(tr("改名预览"), {list_}, -1, failures_));
}

void PreviewPanel::show_plan(core::Plan &plan) {
    model_->show_plan(plan);
    const std::size_t refusals = model_->refusals();
    failures_->setStyleSheet(QStringLiteral("color: #c00000;"));
    failures_->setText(refusals == 0 ? QString() : tr("%1 个将无法改名").arg(refusals));
}

void PreviewPanel::tell(const QString &text) {
    failures_->setStyleSheet(QString());
    failures_->setText(text);
}

void PreviewPanel::clear() {
    model_->clear();
    failures_->clear();
}

} // namespace tarvendi::ui
