#include "captioned_column.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
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

int button_column_width(std::initializer_list<QAbstractButton *> column, int margins) {
    constexpr int kNarrowest = 47;
    int width = kNarrowest;
    for (QAbstractButton *button : column) {
        const QStyle *style = button->style();
        const int frame = qobject_cast<QCheckBox *>(button)
                              ? style->pixelMetric(QStyle::PM_IndicatorWidth) +
                                    style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                              : 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
        width = std::max(width,
                         button->fontMetrics().horizontalAdvance(button->text()) + frame + margins);
    }
    return width;
}

} // namespace tarvendi::ui
