#include "tag_rename_page.h"

#include "MP3Info.h"
#include "gb_text.h"
#include "messages.h"
#include "options.h"
#include "page_widgets.h"
#include "pass_host.h"
#include "rule_passes.h"
#include "tag_template.h"
#include "tag_writing.h"
#include "text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tarvendi::ui {

namespace {

const char *const kTagRenameHelp =
    QT_TRANSLATE_NOOP("tarvendi::ui::TagRenamePage",
                      R"(本页用mp3标签给文件改名：只改mp3文件的名称，选中的其他文件会被跳过。

步骤：
  1. 在左边打开mp3文件所在的文件夹；
  2. 选择需要改名的mp3文件；
  3. 设置更名模板和起始编号；
  4. 按“预览”查看新文件名，满意后按“执行”。

模板代码：
  ## 序号 ,位数不够用0补齐,最多6位
  @ mp3唱片标题
  $ mp3艺术家)");

// The remembered options, as they stand when a rule starts.
passes::TagSources sources() {
    return {prefer_id3v2(), all_audio_formats()};
}

} // namespace

TagRenamePage::TagRenamePage(PassHost &host, TMP3Info &tags)
    : RulePage(host)
    , MP3Info1(tags) {
    auto *layout = new QHBoxLayout(this);
    auto *column = new QVBoxLayout;

    auto *by_template = named(new QGroupBox(tr("按模板命名")), "GroupBox6");
    auto *grid = new QGridLayout(by_template);
    Edit3 = named(new QLineEdit(QStringLiteral("##_@_$")), "Edit3");
    Edit9 = named(new QLineEdit(QStringLiteral("1")), "Edit9");
    Button11 = named(new QPushButton(tr("预览")), "Button11");
    Button10 = named(new QPushButton(tr("执行")), "Button10");
    grid->addWidget(new QLabel(tr("更名模板")), 0, 0);
    grid->addWidget(Edit3, 0, 1);
    grid->addWidget(new QLabel(tr("起始编号")), 1, 0);
    grid->addWidget(Edit9, 1, 1);
    grid->addWidget(Button11, 2, 0);
    grid->addWidget(Button10, 2, 1, Qt::AlignLeft);

    auto *by_title = named(new QGroupBox, "GroupBox7");
    auto *title_layout = new QVBoxLayout(by_title);
    Button13 = named(new QPushButton(tr("用mp3标签标题重命名文件")), "Button13");
    Button12 = named(new QPushButton(tr("自动将文件名写入Mp3 标签标题")), "Button12");
    title_layout->addWidget(Button13);
    title_layout->addWidget(Button12);

    column->addWidget(by_template);
    column->addWidget(by_title);
    column->addStretch();
    auto *help = named(new QPlainTextEdit(tr(kTagRenameHelp)), "Memo4");
    help->setReadOnly(true);
    layout->addLayout(column);
    layout->addWidget(help, 1);

    connect(Button11, &QPushButton::clicked, this, &TagRenamePage::Button10Click);
    connect(Button10, &QPushButton::clicked, this, &TagRenamePage::Button10Click);
    connect(Button13, &QPushButton::clicked, this, &TagRenamePage::Button13Click);
    connect(Button12, &QPushButton::clicked, this, &TagRenamePage::Button12Click);
}

void TagRenamePage::Button10Click() {
    run_rule(
        Button10,
        [&] {
            return passes::tag_template(MP3Info1.tag(), qt_to_gb(Edit3->text()), number_in(Edit9),
                                        sources());
        },
        IfEmpty::Run);
}

void TagRenamePage::Button13Click() {
    run_confirmed(tr("将用mp3 标签 唱片标题重命名当前文件夹的所有mp3文件名？"),
                  [&] { return passes::tag_title(MP3Info1.tag(), sources()); });
}

void TagRenamePage::Button12Click() {
    host_.act([&] {
        if (!confirm(this, format_question()))
            return;
        const core::PassDescription d =
            tag_writing(MP3Info1.tag(), [&](const std::string &path, const std::string &item) {
                // The tag is read before the test, for every item.
                MP3Info1.setFilename(byte_array(path));
                if (!rules::is_mp3_name(item))
                    return false;
                MP3Info1.setTitle(byte_array(rules::replace_first(item, ".mp3", "")));
                return true;
            });
        host_.run_on_working_list(d, false);
    });
}

} // namespace tarvendi::ui
