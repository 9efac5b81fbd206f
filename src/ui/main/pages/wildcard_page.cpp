#include "wildcard_page.h"

#include "gb_text.h"
#include "options.h"
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

namespace tarvendi::ui {

namespace {

const char *const kHelp = QT_TRANSLATE_NOOP("tarvendi::ui::WildcardPage",
                                            R"(本页按模板给选中的文件改名，原扩展名保持不变。

模板中的符号：
  ## 序号 ,位数不够用0补齐
  * 保留原文件名 : /     其他字符 不变
  / 文件修改日期（yyyymmdd）
  : 文件修改时间（hh.nn.ss）

举例（起始编号 1，文件 song.mp3）：
  ##-*      →  01-song.mp3
  *-###     →  song-001.mp3
  ###.*     →  001.song.mp3
  ###-/-*   →  001-20240131-song.mp3

批量改名的步骤：
  1. 在左边选择文件夹，再选择需要改名的文件；
  2. 拖动右边列表中的文件，调整编号顺序；
  3. 填写起始编号，选择或输入更名模板；
  4. 按“预览”查看新文件名，满意后按“执行”。)");

} // namespace

WildcardPage::WildcardPage(PassHost &host)
    : RulePage(host)
    , Edit11(line_edit("Edit11", QStringLiteral("1")))
    , edit10(template_box(
          "edit10",
          {QString(), QStringLiteral("##-*"), QStringLiteral("###-*"), QStringLiteral("####-*"),
           QStringLiteral("##.*"), QStringLiteral("###.*"), QStringLiteral("####.*"),
           QStringLiteral("*-##"), QStringLiteral("*-###"), QStringLiteral("*-####"),
           QStringLiteral("###:-*"), QStringLiteral("###-/-*"), QStringLiteral("###-/ :-*")},
          1))
    , Button35(push_button("Button35", tr("文件名")))
    , Button3(push_button("Button3", tr("预览")))
    , Button6(push_button("Button6", tr("执行")))
    , CheckBox17(check_box("CheckBox17", tr("照片用拍摄时间"))) {
    CheckBox17->setChecked(photo_dates());
    CheckBox17->setToolTip(tr("“/”和“:”取照片的拍摄日期和时间，没有拍摄时间的文件仍用修改时间"));
    auto *layout = new QHBoxLayout(this);
    auto *group = new QGroupBox;
    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("起始编号")), 0, 0);
    grid->addWidget(Edit11, 0, 1);
    grid->addWidget(new QLabel(tr("更名模板")), 1, 0);
    grid->addWidget(edit10, 1, 1);
    grid->addWidget(Button35, 1, 2);
    grid->addWidget(Button3, 2, 1);
    grid->addWidget(Button6, 2, 2);
    grid->addWidget(CheckBox17, 3, 0, 1, 3);
    grid->setRowStretch(4, 1);

    auto *help = named(new QPlainTextEdit(tr(kHelp)), "Memo2");
    help->setReadOnly(true);
    layout->addWidget(group);
    layout->addWidget(help, 1);

    connect(Button3, &QPushButton::clicked, this, &WildcardPage::Button6Click);
    connect(Button6, &QPushButton::clicked, this, &WildcardPage::Button6Click);
    connect(Button35, &QPushButton::clicked, this, &WildcardPage::Button35Click);
    connect(CheckBox17, &QCheckBox::toggled, this, &set_photo_dates);
}

void WildcardPage::Button6Click() {
    run_rule(
        Button6,
        [&] {
            return passes::wildcard(qt_to_gb(edit10->currentText()), number_in(Edit11),
                                    CheckBox17->isChecked());
        },
        IfEmpty::SelectOnTheLeft);
}

void WildcardPage::Button35Click() {
    if (!has_items())
        return;
    edit10->setCurrentText(gb_to_qt(rules::base_name(host_.focused_item()) + "-##"));
}

} // namespace tarvendi::ui
