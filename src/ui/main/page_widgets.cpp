#include "page_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarvendi::ui {

QLineEdit *line_edit(const char *name, const QString &text) {
    return named(new QLineEdit(text), name);
}

QPushButton *push_button(const char *name, const QString &caption) {
    return named(new QPushButton(caption), name);
}

QCheckBox *check_box(const char *name, const QString &caption) {
    return named(new QCheckBox(caption), name);
}

QComboBox *template_box(const char *name) {
    auto *box = named(new QComboBox, name);
    box->setEditable(true);
    box->addItems({QString(), QStringLiteral("##-"), QStringLiteral("###-"),
                   QStringLiteral("####-"), QStringLiteral("##."), QStringLiteral("###."),
                   QStringLiteral("####.")});
    box->setCurrentIndex(1);
    return box;
}

QPlainTextEdit *help_memo(const char *name, const QStringList &lines, bool enabled) {
    auto *memo = named(new QPlainTextEdit(lines.join(QLatin1Char('\n'))), name);
    memo->setEnabled(enabled);
    return memo;
}

QWidget *rule_page(QWidget *fields, QWidget *help) {
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(fields);
    if (help)
        layout->addWidget(help, 1);
    else
        layout->addStretch(1);
    return page;
}

} // namespace tarvendi::ui
