#include "tag_page.h"

#include "MP3Info.h"
#include "gb_text.h"
#include "options.h"
#include "page_widgets.h"
#include "pass_host.h"
#include "song_fields.h"
#include "tag_template.h"
#include "tag_writing.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace tarvendi::ui {

namespace {

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

TagPage::TagPage(PassHost &host, TMP3Info &tags)
    : host_(host)
    , MP3Info1(tags) {
    auto *layout = new QHBoxLayout(this);
    auto *group = named(new QGroupBox(QStringLiteral("ID3v1")), "GroupBox1");
    auto *grid = new QGridLayout(group);
    Edit15 = named(new QLineEdit, "Edit15");
    Edit8 = named(new QLineEdit, "Edit8");
    Edit14 = named(new QLineEdit, "Edit14");
    Memo1 = named(new QPlainTextEdit, "Memo1");
    Button8 = named(new QPushButton(tr("保存")), "Button8");
    grid->addWidget(named(new QLabel(tr("文件名")), "Label18"), 0, 0);
    grid->addWidget(Edit15, 0, 1);
    grid->addWidget(named(new QLabel(tr("唱片标题")), "Label17"), 1, 0);
    grid->addWidget(Edit8, 1, 1);
    grid->addWidget(named(new QLabel(tr("艺术家")), "Label7"), 2, 0);
    grid->addWidget(Edit14, 2, 1);
    grid->addWidget(named(new QLabel(tr("注释")), "Label6"), 3, 0, Qt::AlignTop);
    grid->addWidget(Memo1, 3, 1);
    grid->addWidget(Button8, 4, 1, Qt::AlignLeft);
    group->setMinimumWidth(460);

    help_ = named(new QTextEdit, "RichEdit2");
    help_->setReadOnly(true);
    show_help(prefer_id3v2());
    layout->addWidget(group);
    layout->addWidget(help_, 1);
    connect(Button8, &QPushButton::clicked, this, &TagPage::Button8Click);
}

void TagPage::show_help(bool prefer_id3v2) {
    QString text = tr("  本操作修改单个文件的mp3标签属性。\n\n   所有项目如果为空，则保留原值");
    if (prefer_id3v2)
        text += tr("\n\n   显示的内容优先取自 ID3v2 标签；保存只写入 ID3v1 标签。");
    if (all_audio_formats())
        text += tr("\n\n   标签改名也读取 FLAC、Ogg、Opus、M4A、WMA、APE、WavPack、WAV 和 AIFF "
                   "文件的标签。这些文件的标签在这里只能查看，不能修改：保存只写入mp3文件。");
    if (other_format_)
        text += tr("\n\n   当前显示的不是mp3文件的标签，各项只读。");
    help_->setPlainText(text);
}

void TagPage::show_tag(const std::string &path) {
    const std::optional<tags::SongFields> song =
        passes::read_song(MP3Info1.tag(), path, {prefer_id3v2(), all_audio_formats()});
    if (!song)
        return;
    Edit15->setText(gb_to_qt(path));
    Edit8->setText(gb_to_qt(song->title));
    Edit14->setText(gb_to_qt(song->artist));
    Memo1->setPlainText(memo_text(byte_array(song->comment)));
    show_other_format(!rules::is_mp3_name(path));
}

void TagPage::show_other_format(bool other) {
    // "保存" writes the fields into the MP3 items: values read from another format are shown,
    // not offered for writing.
    other_format_ = other;
    Edit8->setReadOnly(other);
    Edit14->setReadOnly(other);
    Memo1->setReadOnly(other);
    Button8->setEnabled(!other);
    show_help(prefer_id3v2());
}

void TagPage::show_file_text(const std::string &text) {
    Edit15->setText(gb_to_qt(text));
}

void TagPage::Button8Click() {
    if (other_format_)
        return; // the fields hold another format's tag, shown only
    host_.act([&] {
        passes::TagFields fields;
        fields.title = qt_to_gb(Edit8->text());
        fields.artist = qt_to_gb(Edit14->text());
        fields.comment = tag_text(raw_text(Memo1));
        host_.run_on_working_list(passes::set_tags(MP3Info1.tag(), std::move(fields)), false);
    });
}

} // namespace tarvendi::ui
