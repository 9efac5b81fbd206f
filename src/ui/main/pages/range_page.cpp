// Page "字符模糊替换": the stretch from a start text to an end text becomes a numbered template.

#include "range_page.h"
#include "gb_text.h"
#include "page_widgets.h"
#include "pass_host.h"
#include "rule_passes.h"
#include "text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvendi::ui {

RangePage::RangePage(PassHost &host)
    : RulePage(host) {
    auto *group = new QGroupBox;
    auto *grid = new QGridLayout(group);
    Edit1 = line_edit("Edit1");
    Edit2 = line_edit("Edit2");
    edit7 = template_box("edit7");
    Edit20 = line_edit("Edit20", QStringLiteral("1"));
    CheckBox4 = check_box("CheckBox4", tr("替换扩展名"));
    Button33 = push_button("Button33", tr("文件名"));
    Button9 = push_button("Button9", tr("预览"));
    Button1 = push_button("Button1", tr("执行"));

    grid->addWidget(new QLabel(tr("开始字符")), 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Button33, 0, 2);
    grid->addWidget(new QLabel(tr("结束字符")), 1, 0);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(new QLabel(tr("替换字符串")), 2, 0);
    grid->addWidget(edit7, 2, 1);
    grid->addWidget(new QLabel(tr("起始编号")), 3, 0);
    grid->addWidget(Edit20, 3, 1);
    grid->addWidget(CheckBox4, 3, 2);
    grid->addWidget(Button9, 4, 1);
    grid->addWidget(Button1, 4, 2);
    grid->setRowStretch(5, 1);

    auto *help = new QWidget;
    auto *column = new QVBoxLayout(help);
    column->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(tr("### 代表数字序号及位数    如开始字符=结束字符，则去掉该字符"));
    label->setObjectName(QStringLiteral("Label25"));
    column->addWidget(label);
    column->addWidget(help_memo("Memo7",
                                {tr("本操作可以实现模糊替换，字符串开始和结束相同，中间文字不同，"),
                                 tr("可以批量替换成目标文字")},
                                false),
                      1);

    connect(Button9, &QPushButton::clicked, this, &RangePage::Button1Click);
    connect(Button1, &QPushButton::clicked, this, &RangePage::Button1Click);
    connect(Button33, &QPushButton::clicked, this, &RangePage::Button33Click);
    connect(Edit20, &QLineEdit::textChanged, this, &RangePage::Edit20Change);
    rule_page(this, group, help);
}

void RangePage::Button1Click() {
    run_rule(Button1, [&] {
        return passes::range(qt_to_gb(Edit1->text()), qt_to_gb(Edit2->text()),
                             qt_to_gb(edit7->currentText()), CheckBox4->isChecked(),
                             number_in(Edit20));
    });
}

void RangePage::Button33Click() {
    if (!has_items())
        return;
    const std::string item = host_.focused_item();
    Edit1->setText(gb_to_qt(rules::base_name(item)));
}

// The range and sequence pages share one start number. A copy of an equal text changes nothing
// and emits nothing, so the mirroring ends after one copy.
void RangePage::Edit20Change() {
    emit start_number_edited(Edit20->text());
}

void RangePage::set_start_number(const QString &text) {
    Edit20->setText(text);
}

void RangePage::set_start_text(const QString &text) {
    Edit1->setText(text);
}

} // namespace tarvendi::ui
