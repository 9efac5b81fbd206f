// Page "序号替换": a stretch of fixed position and length becomes a numbered template.

#include "sequence_page.h"
#include "gb_text.h"
#include "page_widgets.h"
#include "rule_passes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarvendi::ui {

SequencePage::SequencePage(PassHost &host)
    : RulePage(host) {
    auto *group = new QGroupBox;
    auto *grid = new QGridLayout(group);
    Edit17 = line_edit("Edit17", QStringLiteral("1"));
    Edit18 = line_edit("Edit18", QStringLiteral("3"));
    edit19 = template_box("edit19");
    Edit4 = line_edit("Edit4", QStringLiteral("1"));
    Button21 = push_button("Button21", tr("预览"));
    Button25 = push_button("Button25", tr("执行"));

    grid->addWidget(new QLabel(tr("序号位置")), 0, 0);
    grid->addWidget(Edit17, 0, 1);
    grid->addWidget(new QLabel(tr("序号长度")), 1, 0);
    grid->addWidget(Edit18, 1, 1);
    grid->addWidget(new QLabel(tr("序号模板")), 2, 0);
    grid->addWidget(edit19, 2, 1);
    grid->addWidget(new QLabel(tr("起始编号")), 3, 0);
    grid->addWidget(Edit4, 3, 1);
    grid->addWidget(Button21, 4, 1);
    grid->addWidget(Button25, 4, 2);
    grid->setRowStretch(5, 1);

    QPlainTextEdit *help = help_memo(
        "Memo3",
        {tr("通配符："), tr("  ## 代表数字序号及位数"), tr("模板推荐选择"), tr("  100以内：##-"),
         tr("  1000以内：###-"), tr("  10000以内：####- "),
         tr("删除指定长度的序号，  模板设置为空"), QString(), tr("综合应用举例："),
         tr(" 原文件名 03-出水莲  00-春江花月夜"),
         tr("  希望改成：中国名曲-001.出水莲 中国名曲-002.春江花月夜"),
         tr(" 则 开始位置设置为 1 长度设置为3 模板设置为：中国名曲-###."), QStringLiteral("  ")},
        false);

    connect(Button21, &QPushButton::clicked, this, &SequencePage::Button21Click);
    connect(Button25, &QPushButton::clicked, this, &SequencePage::Button21Click);
    connect(Edit4, &QLineEdit::textChanged, this, &SequencePage::Edit4Change);
    rule_page(this, group, help);
}

void SequencePage::Button21Click() {
    // Position and length are read for every checked item, so a bad one stops the pass at the
    // first checked item, before it is renamed, and never shows without one.
    run_rule(Button25, [&] {
        return passes::sequence(number_in(Edit17), number_in(Edit18),
                                qt_to_gb(edit19->currentText()), number_in(Edit4));
    });
}

void SequencePage::Edit4Change() {
    emit start_number_edited(Edit4->text());
}

void SequencePage::set_start_number(const QString &text) {
    Edit4->setText(text);
}

} // namespace tarvendi::ui
