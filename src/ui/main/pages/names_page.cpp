// Page "文本换名": the checked items take the lines of the name list Memo6 as new names. The
// name-list tools on the same page are in name_list_tools.cpp.

#include "names_page.h"
#include "gb_text.h"
#include "page_widgets.h"
#include "pass_host.h"
#include "rule_passes.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarvendi::ui {

namespace {

// A titleless frame around the controls of one tool group, laid out on a compact grid.
QGridLayout *panel(QLayout *column) {
    auto *box = new QGroupBox;
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(4);
    column->addWidget(box);
    return grid;
}

} // namespace

NamesPage::NamesPage(PassHost &host)
    : RulePage(host) {
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);

    auto *list_column = new QVBoxLayout;
    Memo6 = named(new QPlainTextEdit, "Memo6");
    Memo6->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo6->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo6->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Button15 = push_button("Button15", tr("预览"));
    Button14 = push_button("Button14", tr("执行"));
    Button17 = push_button("Button17", tr("文本保存"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button15);
    buttons->addWidget(Button14);
    buttons->addWidget(Button17);
    list_column->addWidget(new QLabel(tr("新文件名/文件夹名（一行一个文件名/文件夹名）")));
    list_column->addWidget(Memo6, 1);
    list_column->addLayout(buttons);

    auto *tool_column = new QWidget;
    tool_column->setFixedWidth(270);
    auto *tools = new QVBoxLayout(tool_column);
    tools->setContentsMargins(0, 0, 0, 0);
    chk_del_ext = check_box("chk_del_ext", tr("去掉扩展名"));
    chk_del_ext->setChecked(true);
    Button22 = push_button("Button22", tr("提取文件夹名"));
    Button16 = push_button("Button16", tr("提取文件名"));
    Button2 = push_button("Button2", tr("创建文件夹"));
    QGridLayout *names = panel(tools);
    names->addWidget(chk_del_ext, 0, 0);
    names->addWidget(Button16, 0, 1);
    names->addWidget(Button22, 1, 0);
    names->addWidget(Button2, 1, 1);

    Edit13 = line_edit("Edit13", QStringLiteral("1"));
    Edit13->setMaximumWidth(60);
    ComboBox1 = template_box("ComboBox1");
    ComboBox1->setCurrentIndex(0);
    Button23 = push_button("Button23", tr("添加序号"));
    Button24 = push_button("Button24", tr("删除序号"));
    QGridLayout *numbers = panel(tools);
    numbers->addWidget(new QLabel(tr("起始")), 0, 0);
    numbers->addWidget(Edit13, 0, 1);
    numbers->addWidget(new QLabel(tr("模板")), 0, 2);
    numbers->addWidget(ComboBox1, 0, 3);
    numbers->setColumnStretch(3, 1);
    numbers->addWidget(Button23, 1, 0, 1, 2);
    numbers->addWidget(Button24, 1, 2, 1, 2);

    Edit22 = line_edit("Edit22");
    Edit23 = line_edit("Edit23");
    Button40 = push_button("Button40", tr("文本框文字替换"));
    QGridLayout *replace = panel(tools);
    replace->addWidget(new QLabel(tr("字符")), 0, 0);
    replace->addWidget(Edit22, 0, 1);
    replace->addWidget(new QLabel(tr("替换为")), 0, 2);
    replace->addWidget(Edit23, 0, 3);
    replace->addWidget(Button40, 1, 0, 1, 4);
    tools->addStretch(1);

    Memo5 = help_memo("Memo5",
                      tr("一、按文本改名\n"
                         "  1. 在左边选择需要改名的文件；\n"
                         "     （改文件夹名时勾选“目录”）\n"
                         "  2. 在左框中一行输入一个新名称，\n"
                         "     依次给勾选的文件，扩展名不变；\n"
                         "  3. 需要序号时选择模板、填写起始；\n"
                         "  4. 按“预览”查看，满意后按“执行”。\n"
                         "\n"
                         "二、按文本创建文件夹\n"
                         "  一行一个文件夹名，按“创建文件夹”。\n"
                         "\n"
                         "三、把文件名保存到文本文件\n"
                         "  先“提取文件名”或“提取文件夹名”，\n"
                         "  再按“文本保存”。\n"
                         "\n"
                         "四、添加和删除序号\n"
                         "  “添加序号”在每行前加 01_、02_……；\n"
                         "  “删除序号”按开始位置和长度删除。")
                          .split(QLatin1Char('\n')),
                      false);
    layout->addLayout(list_column, 2);
    layout->addWidget(tool_column);
    layout->addWidget(Memo5, 3);

    connect(Button15, &QPushButton::clicked, this, &NamesPage::Button14Click);
    connect(Button14, &QPushButton::clicked, this, &NamesPage::Button14Click);
    connect(Button16, &QPushButton::clicked, this, &NamesPage::Button16Click);
    connect(Button22, &QPushButton::clicked, this, &NamesPage::Button22Click);
    connect(Button17, &QPushButton::clicked, this, &NamesPage::Button17Click);
    connect(Button23, &QPushButton::clicked, this, &NamesPage::Button23Click);
    connect(Button24, &QPushButton::clicked, this, &NamesPage::Button24Click);
    connect(Button40, &QPushButton::clicked, this, &NamesPage::Button40Click);
    connect(Button2, &QPushButton::clicked, this, &NamesPage::Button2Click);

    SaveDialog1 = named(new QFileDialog(this), "SaveDialog1");
    SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
    SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SaveDialog1->setDefaultSuffix(QStringLiteral("txt"));
}

void NamesPage::attach_dialog(TFpara *para) {
    Fpara = para;
}

void NamesPage::select_all_names() {
    Memo6->selectAll();
}

void NamesPage::Button14Click() {
    run_rule(Button14, [&] {
        // Apart, so that the memo's text and its conversion are freed before the pass: a list of
        // a million names holds tens of megabytes in each.
        std::string lines = qt_to_gb(raw_text(Memo6));
        return passes::name_list(std::move(lines), qt_to_gb(ComboBox1->currentText()),
                                 host_.directory_mode(), number_in(Edit13));
    });
}

} // namespace tarvendi::ui
