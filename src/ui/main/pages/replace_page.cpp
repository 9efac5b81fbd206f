// Page "替换": the first occurrence of a search text is replaced.

#include "replace_page.h"
#include "gb_text.h"
#include "page_widgets.h"
#include "pass_host.h"
#include "rule_passes.h"
#include "text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvendi::ui {

ReplacePage::ReplacePage(PassHost &host)
    : RulePage(host) {
    auto *group = new QGroupBox;
    auto *grid = new QGridLayout(group);
    Edit5 = line_edit("Edit5");
    Edit6 = line_edit("Edit6");
    CheckBox11 = check_box("CheckBox11", tr("替换扩展名"));
    Button36 = push_button("Button36", tr("文件名"));
    Button37 = push_button("Button37", tr("清空"));
    Button31 = push_button("Button31", tr("预览"));
    Button32 = push_button("Button32", tr("执行"));

    grid->addWidget(new QLabel(tr("字符")), 0, 0);
    grid->addWidget(Edit5, 0, 1);
    grid->addWidget(Button36, 0, 2);
    grid->addWidget(Button37, 0, 3);
    grid->addWidget(new QLabel(tr("替换为")), 1, 0);
    grid->addWidget(Edit6, 1, 1);
    grid->addWidget(CheckBox11, 2, 1);
    grid->addWidget(Button31, 3, 2);
    grid->addWidget(Button32, 3, 3);
    grid->setColumnMinimumWidth(1, 200);
    grid->setRowStretch(4, 1);

    connect(Button31, &QPushButton::clicked, this, &ReplacePage::Button31Click);
    connect(Button32, &QPushButton::clicked, this, &ReplacePage::Button31Click);
    connect(Button36, &QPushButton::clicked, this, &ReplacePage::Button36Click);
    connect(Button37, &QPushButton::clicked, this, &ReplacePage::Button37Click);
    rule_page(this, group, nullptr);
}

void ReplacePage::Button31Click() {
    run_rule(Button32, [&] {
        return passes::replace(qt_to_gb(Edit5->text()), qt_to_gb(Edit6->text()),
                               CheckBox11->isChecked());
    });
}

void ReplacePage::Button36Click() {
    if (!has_items())
        return;
    const std::string item = host_.focused_item();
    Edit5->setText(gb_to_qt(rules::base_name(item) + "-##"));
}

void ReplacePage::Button37Click() {
    Edit5->clear();
}

} // namespace tarvendi::ui
