// Page "数字位补0": names are brought to a common width with zeros in front.

#include "padding_page.h"
#include "page_widgets.h"
#include "pass_host.h"
#include "rule_passes.h"
#include "up_down.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarvendi::ui {

PaddingPage::PaddingPage(PassHost &host)
    : RulePage(host) {
    auto *group = new QGroupBox;
    auto *grid = new QGridLayout(group);
    Edit21 = line_edit("Edit21", QStringLiteral("2"));
    UpDown1 = new UpDown(0, 100, 2);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->attach(Edit21);
    Button38 = push_button("Button38", tr("预览"));
    Button39 = push_button("Button39", tr("执行"));

    auto *width = new QHBoxLayout;
    width->setSpacing(0);
    width->addWidget(Edit21);
    width->addWidget(UpDown1);
    grid->addWidget(new QLabel(tr("文件名默认位数")), 0, 0);
    grid->addLayout(width, 0, 1, 1, 2);
    grid->addWidget(Button38, 1, 1);
    grid->addWidget(Button39, 1, 2);
    grid->setRowStretch(2, 1);

    QPlainTextEdit *help =
        help_memo("Memo8",
                  {tr("比如：有1.doc,101.doc,2.doc,15.doc等文件名，需要全部修改为"),
                   tr("001.doc,101.doc,002.doc,015.doc（就是数字位填充，不足多少位补0），")},
                  true);

    connect(Button38, &QPushButton::clicked, this, &PaddingPage::Button38Click);
    connect(Button39, &QPushButton::clicked, this, &PaddingPage::Button38Click);
    rule_page(this, group, help);
}

void PaddingPage::Button38Click() {
    run_rule(
        Button39,
        [&] {
            // The width is read once, after the old preview is gone: a bad width leaves it empty.
            host_.clear_preview();
            return passes::pad(read_number(Edit21));
        },
        IfEmpty::SelectOnTheLeft);
}

} // namespace tarvendi::ui
