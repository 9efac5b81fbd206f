#include "captioned_column.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace tarvendi::ui {

QWidget *captioned_column(const QString &caption, std::initializer_list<QWidget *> widgets,
                          int width, QWidget *beside) {
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *label = new QLabel(caption);
    label->setFixedHeight(16);
    if (beside) {
        auto *strip = new QHBoxLayout;
        strip->addWidget(label);
        strip->addSpacing(12);
        strip->addWidget(beside, 1);
        layout->addLayout(strip);
    } else {
        layout->addWidget(label);
    }
    for (QWidget *w : widgets)
        layout->addWidget(w, w->inherits("QAbstractItemView") ? 1 : 0);
    if (width > 0)
        box->setFixedWidth(width);
    return box;
}

} // namespace tarvendi::ui
