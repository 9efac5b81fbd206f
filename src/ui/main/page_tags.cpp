#include "MP3Info.h"
#include "check_list.h"
#include "errors.h"
#include "file_list.h"
#include "gb_text.h"
#include "main_window.h"
#include "page_widgets.h"
#include "tag_template.h"
#include "text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

using namespace tarvendi;
using namespace tarvendi::ui;

namespace {

const char *const kTagRenameHelp =
    R"(本页用mp3标签给文件改名：只改mp3文件的名称，选中的其他文件会被跳过。

步骤：
  1. 在左边打开mp3文件所在的文件夹；
  2. 选择需要改名的mp3文件；
  3. 设置更名模板和起始编号；
  4. 按“预览”查看新文件名，满意后按“执行”。

模板代码：
  ## 序号 ,位数不够用0补齐,最多6位
  @ mp3唱片标题
  $ mp3艺术家)";

const QString kFormatQuestion = QStringLiteral(
    "\r\r 是否要按格式添加？\r\r如果预览，请选择 \"否\"  \r\r 本操作无法恢复！ \r\r ");

// A memo's line breaks are CR LF in a tag, and count toward its 30 bytes.
QString memo_text(const QByteArray &tag) {
    return gb_to_qt(byte_string(tag)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string tag_text(const QString &memo) {
    QString crlf = memo;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return qt_to_gb(crlf);
}

} // namespace

QWidget *TForm1::build_tag_page() {
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);
    auto *group = named(new QGroupBox(QStringLiteral("ID3v1")), "GroupBox1");
    auto *grid = new QGridLayout(group);
    Edit15 = named(new QLineEdit, "Edit15");
    Edit8 = named(new QLineEdit, "Edit8");
    Edit14 = named(new QLineEdit, "Edit14");
    Memo1 = named(new QPlainTextEdit, "Memo1");
    Button8 = named(new QPushButton(QStringLiteral("保存")), "Button8");
    grid->addWidget(named(new QLabel(QStringLiteral("文件名")), "Label18"), 0, 0);
    grid->addWidget(Edit15, 0, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("唱片标题")), "Label17"), 1, 0);
    grid->addWidget(Edit8, 1, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("艺术家")), "Label7"), 2, 0);
    grid->addWidget(Edit14, 2, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("注释")), "Label6"), 3, 0, Qt::AlignTop);
    grid->addWidget(Memo1, 3, 1);
    grid->addWidget(Button8, 4, 1, Qt::AlignLeft);
    group->setMinimumWidth(460);

    auto *help = named(new QTextEdit, "RichEdit2");
    help->setPlainText(
        QStringLiteral("  本操作修改单个文件的mp3标签属性。\n\n   所有项目如果为空，则保留原值"));
    help->setReadOnly(true);
    layout->addWidget(group);
    layout->addWidget(help, 1);
    connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    return page;
}

QWidget *TForm1::build_tag_rename_page() {
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);
    auto *column = new QVBoxLayout;

    auto *by_template = named(new QGroupBox(QStringLiteral("按模板命名")), "GroupBox6");
    auto *grid = new QGridLayout(by_template);
    Edit3 = named(new QLineEdit(QStringLiteral("##_@_$")), "Edit3");
    Edit9 = named(new QLineEdit(QStringLiteral("1")), "Edit9");
    Button11 = named(new QPushButton(QStringLiteral("预览")), "Button11");
    Button10 = named(new QPushButton(QStringLiteral("执行")), "Button10");
    grid->addWidget(new QLabel(QStringLiteral("更名模板")), 0, 0);
    grid->addWidget(Edit3, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("起始编号")), 1, 0);
    grid->addWidget(Edit9, 1, 1);
    grid->addWidget(Button11, 2, 0);
    grid->addWidget(Button10, 2, 1, Qt::AlignLeft);

    auto *by_title = named(new QGroupBox, "GroupBox7");
    auto *title_layout = new QVBoxLayout(by_title);
    Button13 = named(new QPushButton(QStringLiteral("用mp3标签标题重命名文件")), "Button13");
    Button12 = named(new QPushButton(QStringLiteral("自动将文件名写入Mp3 标签标题")), "Button12");
    title_layout->addWidget(Button13);
    title_layout->addWidget(Button12);

    column->addWidget(by_template);
    column->addWidget(by_title);
    column->addStretch();
    auto *help = named(new QPlainTextEdit(QString::fromUtf8(kTagRenameHelp)), "Memo4");
    help->setReadOnly(true);
    layout->addLayout(column);
    layout->addWidget(help, 1);

    connect(Button11, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(Button13, &QPushButton::clicked, this, &TForm1::Button13Click);
    connect(Button12, &QPushButton::clicked, this, &TForm1::Button12Click);
    return page;
}

void TForm1::show_tag_of(const std::string &path) {
    if (!rules::is_mp3_name(path))
        return;
    MP3Info1->setFilename(byte_array(path));
    Edit15->setText(gb_to_qt(path));
    Edit8->setText(gb_to_qt(byte_string(MP3Info1->Title())));
    Edit14->setText(gb_to_qt(byte_string(MP3Info1->Artist())));
    Memo1->setPlainText(memo_text(MP3Info1->Comment()));
}

std::optional<std::string> TForm1::read_tag(const std::string &path) {
    if (!rules::is_mp3_name(path))
        return std::nullopt;
    MP3Info1->setFilename(byte_array(path));
    return path;
}

void TForm1::rename_file_list_from_tags(bool with_artist) {
    actions_.run([&] {
        const bool execute = confirm(this, kFormatQuestion);
        const std::vector<PassItem> items = all_file_list_items();
        PassDescription d;
        d.checked_only = false;
        d.target = Target::InFolder;
        d.preview = PreviewShows::FullTarget;
        d.rule = [&](const RuleInput &in) -> std::optional<std::string> {
            FileListBox1->set_focused_row(in.index);
            if (!read_tag(in.source))
                return std::nullopt;
            std::string base = byte_string(MP3Info1->Title()) + "_" + std::to_string(in.index);
            if (with_artist)
                base = byte_string(MP3Info1->Artist()) + "_" + base;
            Edit15->setText(gb_to_qt(base));
            return base;
        };
        run_pass(d, items, execute, Refresh::FileList);
    });
}

void TForm1::mp32Click() {
    rename_file_list_from_tags(true);
}

void TForm1::mp34Click() {
    rename_file_list_from_tags(false);
}

void TForm1::Button10Click() {
    actions_.run([&] {
        const bool execute = sent_by(Button10);
        const std::string tmpl = qt_to_gb(Edit3->text());
        PassDescription d;
        d.start_number = [&] {
            return read_number(Edit9);
        };
        d.rule = [&](const RuleInput &in) -> std::optional<std::string> {
            if (!read_tag(in.name))
                return std::nullopt;
            return rules::tag_template(tmpl, in.counter, byte_string(MP3Info1->Title()),
                                       byte_string(MP3Info1->Artist()), rules::extension(in.name));
        };
        run_pass(d, working_items(), execute, execute ? Refresh::Full : Refresh::None);
    });
}

void TForm1::Button13Click() {
    actions_.run([&] {
        const bool execute = confirm(
            this, QStringLiteral(
                      "\r\r 将用mp3 标签 唱片标题重命名当前文件夹的所有mp3文件名？\r\r如果预览，"
                      "请选择 \"否\"  \r\r 本操作无法恢复！ \r\r "));
        PassDescription d;
        d.checked_only = false;
        d.rule = [&](const RuleInput &in) -> std::optional<std::string> {
            if (!read_tag(in.name))
                return std::nullopt;
            return byte_string(MP3Info1->Title()) + rules::extension(in.name);
        };
        run_pass(d, working_items(), execute, Refresh::FileList);
    });
}

// Writing tags renames nothing: the pass only walks the items and lists the files it wrote.
void TForm1::write_tags(const std::function<bool(const std::string &item)> &write) {
    PassDescription d;
    d.checked_only = false;
    d.rule = [&](const RuleInput &in) -> std::optional<std::string> {
        if (!write(in.name))
            return std::nullopt;
        // A write that failed is reported with the component's own text, never listed.
        try {
            MP3Info1->Save();
        } catch (const platform::IoError &error) {
            throw ItemRefused{error.what()};
        }
        if (!MP3Info1->Saved())
            throw ItemRefused{byte_string(MP3Info1->Error())};
        return in.name;
    };
    run_pass(d, working_items(), false, Refresh::None);
}

void TForm1::Button8Click() {
    actions_.run([&] {
        const std::string title = qt_to_gb(Edit8->text());
        const std::string artist = qt_to_gb(Edit14->text());
        const std::string comment = tag_text(raw_text(Memo1));
        write_tags([&](const std::string &item) {
            if (!read_tag(item))
                return false;
            if (!title.empty())
                MP3Info1->setTitle(byte_array(title));
            if (!artist.empty())
                MP3Info1->setArtist(byte_array(artist));
            if (!comment.empty())
                MP3Info1->setComment(byte_array(comment));
            return true;
        });
    });
}

void TForm1::Button12Click() {
    actions_.run([&] {
        if (!confirm(this, kFormatQuestion))
            return;
        write_tags([&](const std::string &item) {
            // The tag is read before the test, for every item.
            MP3Info1->setFilename(byte_array(item));
            if (!rules::is_mp3_name(item))
                return false;
            MP3Info1->setTitle(byte_array(rules::replace_first(item, ".mp3", "")));
            return true;
        });
    });
}
