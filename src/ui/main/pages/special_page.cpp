// Page "特殊改名": the cleaning panel, Chinese numerals to digits, and the two rules that move
// bytes within a name, each asking for its positions in a parameter dialog.

#include "special_page.h"
#include "clean.h"
#include "gb_text.h"
#include "page_widgets.h"
#include "para.h"
#include "para2.h"
#include "pass_host.h"
#include "rule_passes.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvendi::ui {

namespace {

// Results of the parameter dialogs besides 1 (preview): their close box, which neither previews
// nor renames, and "确定".
constexpr int kClosed = 0;
constexpr int kExecute = 2;

} // namespace

SpecialPage::SpecialPage(PassHost &host)
    : RulePage(host) {
    auto *panel6 = named(new QFrame, "Panel6");
    panel6->setFrameShape(QFrame::StyledPanel);
    auto *panel = new QGridLayout(panel6);
    CheckBox5 = check_box("CheckBox5", tr("数字"));
    CheckBox6 = check_box("CheckBox6", tr("字母"));
    CheckBox7 = check_box("CheckBox7", tr("空格"));
    CheckBox8 = check_box("CheckBox8", QStringLiteral("-"));
    CheckBox9 = check_box("CheckBox9", QStringLiteral("_"));
    CheckBox10 = check_box("CheckBox10", QStringLiteral("[]"));
    Button4 = push_button("Button4", tr("预览"));
    Button18 = push_button("Button18", tr("执行"));
    panel->addWidget(named(new QLabel(tr("清除文件名的下列字符：")), "Label4"), 0, 0, 1, 3);
    panel->addWidget(CheckBox5, 1, 0);
    panel->addWidget(CheckBox6, 1, 1);
    panel->addWidget(CheckBox7, 1, 2);
    panel->addWidget(CheckBox8, 2, 0);
    panel->addWidget(CheckBox9, 2, 1);
    panel->addWidget(CheckBox10, 2, 2);
    panel->addWidget(Button4, 3, 0);
    panel->addWidget(Button18, 3, 1);

    auto *numerals = new QGroupBox;
    auto *numerals_layout = new QHBoxLayout(numerals);
    Button19 = push_button("Button19", tr("中文转数字"));
    CheckBox3 = check_box("CheckBox3", tr("十转换为1"));
    numerals_layout->addWidget(Button19);
    numerals_layout->addWidget(CheckBox3);

    auto *reorder = new QGroupBox;
    auto *reorder_layout = new QVBoxLayout(reorder);
    Button20 = push_button("Button20", tr("调整文件名的字符顺序"));
    Button27 = push_button("Button27", tr("文件名末尾字符移至文件名前"));
    reorder_layout->addWidget(Button20);
    reorder_layout->addWidget(Button27);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(panel6, 0, Qt::AlignTop);
    auto *column = new QVBoxLayout;
    column->addWidget(numerals);
    column->addWidget(reorder);
    column->addStretch();
    layout->addLayout(column);
    layout->addStretch(1);

    connect(Button4, &QPushButton::clicked, this, &SpecialPage::Button4Click);
    connect(Button18, &QPushButton::clicked, this, &SpecialPage::Button4Click);
    connect(Button19, &QPushButton::clicked, this, &SpecialPage::Button19Click);
    connect(Button20, &QPushButton::clicked, this, &SpecialPage::Button20Click);
    connect(Button27, &QPushButton::clicked, this, &SpecialPage::Button27Click);
}

void SpecialPage::attach_dialogs(TFpara *para, TFpara2 *para2) {
    Fpara = para;
    Fpara2 = para2;
}

void SpecialPage::Button4Click() {
    host_.act([&] {
        // The old preview goes also when the list turns out to be empty.
        host_.clear_preview();
        run_rule(Button18, [&] {
            rules::CleanClasses classes;
            classes.digits = CheckBox5->isChecked();
            classes.letters = CheckBox6->isChecked();
            classes.space = CheckBox7->isChecked();
            classes.hyphen = CheckBox8->isChecked();
            classes.underscore = CheckBox9->isChecked();
            classes.brackets = CheckBox10->isChecked();
            // The cleaned name goes to the folder the file list shows, also for an item that
            // accumulate mode gathered from another folder; never to a path typed but not opened.
            return passes::clean(classes, host_.shown_folder());
        });
    });
}

void SpecialPage::Button19Click() {
    run_confirmed(tr("是否要将文件名中的中文数字转换为阿拉伯数字？"),
                  [&] { return passes::numerals(CheckBox3->isChecked()); });
}

void SpecialPage::Button20Click() {
    host_.act([&] {
        const int result = Fpara2->exec();
        if (result == kClosed)
            return;
        host_.run_on_working_list(passes::move(number_in(Fpara2->Edit1), number_in(Fpara2->Edit2),
                                               number_in(Fpara2->Edit3)),
                                  result == kExecute, Refresh::FileList);
    });
}

void SpecialPage::Button27Click() {
    host_.act([&] {
        const int result = Fpara->exec();
        if (result == kClosed)
            return;
        host_.run_on_working_list(passes::tail(number_in(Fpara->Edit1), number_in(Fpara->Edit2)),
                                  result == kExecute, Refresh::FileList);
    });
}

} // namespace tarvendi::ui
