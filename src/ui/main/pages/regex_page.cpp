// Page "正则替换": the pattern works on the name as characters (a "." is one Chinese character),
// without its extension unless asked; then the letter case may change.

#include "regex_page.h"
#include "messages.h"
#include "page_widgets.h"
#include "pass_host.h"
#include "rule_passes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarvendi::ui {

RegexPage::RegexPage(PassHost &host)
    : RulePage(host) {
    auto *group = new QGroupBox;
    auto *grid = new QGridLayout(group);
    Edit24 = line_edit("Edit24");
    Edit25 = line_edit("Edit25");
    CheckBox14 = check_box("CheckBox14", tr("区分大小写"));
    CheckBox14->setChecked(true);
    CheckBox15 = check_box("CheckBox15", tr("全部替换"));
    CheckBox15->setChecked(true);
    CheckBox16 = check_box("CheckBox16", tr("包括扩展名"));
    // In the order of rules::LetterCase.
    ComboBox2 = named(new QComboBox, "ComboBox2");
    ComboBox2->addItems({tr("不变"), tr("全部大写"), tr("全部小写"), tr("首字母大写")});
    Button41 = push_button("Button41", tr("预览"));
    Button42 = push_button("Button42", tr("执行"));

    grid->addWidget(new QLabel(tr("查找")), 0, 0);
    grid->addWidget(Edit24, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("替换为")), 1, 0);
    grid->addWidget(Edit25, 1, 1, 1, 2);
    grid->addWidget(CheckBox14, 2, 1);
    grid->addWidget(CheckBox15, 2, 2);
    grid->addWidget(CheckBox16, 3, 1);
    grid->addWidget(new QLabel(tr("大小写")), 4, 0);
    grid->addWidget(ComboBox2, 4, 1);
    grid->addWidget(Button41, 5, 1);
    grid->addWidget(Button42, 5, 2);
    grid->setColumnMinimumWidth(1, 120);
    grid->setRowStretch(6, 1);

    QPlainTextEdit *help = help_memo(
        "Memo9",
        {tr("正则表达式（PCRE2），“.”匹配一个字符（一个汉字也是一个字符）；"),
         tr("替换内容中 $1..$9 是各个括号分组，$0 是整个匹配。例如："),
         tr("  查找 ^(.+) - (.+)$   替换为 $2 - $1   ：“歌手 - 歌名”变成“歌名 - 歌手”"),
         tr("  查找 \\d+   替换为 [$0]   ：“第12集”变成“第[12]集”"),
         tr("  查找 \\s+   替换为 _   ：每段空白变成一个“_”"), tr("查找为空时只改变大小写。")},
        false);

    connect(Button41, &QPushButton::clicked, this, &RegexPage::Button41Click);
    connect(Button42, &QPushButton::clicked, this, &RegexPage::Button41Click);
    rule_page(this, group, help);
}

void RegexPage::Button41Click() {
    run_rule(Button42, [&]() -> std::optional<core::PassDescription> {
        passes::RegexReplace replace;
        replace.pattern = Edit24->text().toStdString();
        replace.replacement = Edit25->text().toStdString();
        replace.case_sensitive = CheckBox14->isChecked();
        replace.all = CheckBox15->isChecked();
        replace.with_ext = CheckBox16->isChecked();
        replace.letter_case = static_cast<rules::LetterCase>(ComboBox2->currentIndex());
        try {
            return passes::regex_replace(replace);
        } catch (const rules::RegexError &error) {
            host_.clear_preview();
            inform(this, tr("正则表达式有错误（第 %1 个字符）：%2")
                             .arg(error.offset() + 1)
                             .arg(QString::fromUtf8(error.what())));
            return std::nullopt;
        }
    });
}

} // namespace tarvendi::ui
