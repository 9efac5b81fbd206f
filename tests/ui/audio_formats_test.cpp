// The option "标签改名包括其他音频格式" (N23) through the window: the renames by tag of the page
// "mp3通配符换名" and of the menu "mp3" take FLAC, M4A and WAV files beside MP3 files, the tag
// page shows their tags read-only, and the option is remembered.

#include "ui_test_support.h"

#include <QAction>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <filesystem>

using namespace tarvendi::test;

namespace {

// An MP3 file whose ID3v1 tag holds title T and artist A.
std::string mp3_tagged() {
    std::string record(128, ' ');
    record.replace(0, 3, "TAG");
    record[3] = 'T';
    record[33] = 'A';
    record[127] = 17;
    return std::string(1000, '\x55') + record;
}

// The songs of the tests' folder, in the order the file list shows them: FLAC, M4A and WAV files
// tagged by independent tools (tests/tags/data/README), an MP3 file, and a text.
void make_songs(const TempFolder &dir) {
    const std::string data = TAGS_DATA_DIR;
    std::filesystem::copy_file(data + "/audio.flac", dir.path() + "/A.FLAC");
    std::filesystem::copy_file(data + "/audio.m4a", dir.path() + "/b.m4a");
    dir.file("c.mp3", mp3_tagged());
    std::filesystem::copy_file(data + "/audio.wav", dir.path() + "/d.wav");
    dir.file("notes.txt", "text");
}

QAction *option(ApplicationWindows &w) {
    auto *action = w.Form1.findChild<QAction *>(QStringLiteral("N23"));
    if (!action)
        qFatal("no menu item N23");
    return action;
}

void set_option(ApplicationWindows &w, bool on) {
    if (option(w)->isChecked() != on)
        option(w)->trigger();
}

} // namespace

class AudioFormatsTest : public QObject {
    Q_OBJECT

private slots:
    void option_is_off_at_first_and_checkable() {
        TempFolder dir;
        auto w = start_windows();
        QVERIFY(option(*w)->isCheckable());
        QVERIFY(!option(*w)->isChecked());
    }

    void renames_by_tag_take_the_other_formats_with_the_option_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QStringList>("preview"); // "…/" stands for the folder
        QTest::newRow("template, on") << "Button11" << true
                                      << QStringList{"01_晴天_周杰伦.FLAC", "02_夜曲_周杰伦.m4a",
                                                     "03_T_A.mp3", "04_东风破_周杰伦.wav"};
        QTest::newRow("template, off") << "Button11" << false << QStringList{"01_T_A.mp3"};
        QTest::newRow("title, on")
            << "Button13" << true << QStringList{"晴天.FLAC", "夜曲.m4a", "T.mp3", "东风破.wav"};
        QTest::newRow("title, off") << "Button13" << false << QStringList{"T.mp3"};
        QTest::newRow("menu title, on")
            << "mp34" << true << QStringList{"…/晴天_0", "…/夜曲_1", "…/T_2", "…/东风破_3"};
        QTest::newRow("menu artist and title, on")
            << "mp32" << true
            << QStringList{"…/周杰伦_晴天_0", "…/周杰伦_夜曲_1", "…/A_T_2", "…/周杰伦_东风破_3"};
        QTest::newRow("menu title, off") << "mp34" << false << QStringList{"…/T_2"};
    }

    // Previews only (every question answered No): the names show what each rule read.
    void renames_by_tag_take_the_other_formats_with_the_option() {
        QFETCH(QString, rule);
        QFETCH(bool, on);
        QFETCH(QStringList, preview);
        TempFolder dir;
        make_songs(dir);
        auto w = start_windows();
        set_option(*w, on);
        BoxAnswerer no(QMessageBox::No);
        if (rule.startsWith("mp3"))
            w->Form1.findChild<QAction *>(rule)->trigger();
        else
            control<QPushButton>(&w->Form1, rule.toLatin1().constData())->click();
        preview.replaceInStrings("…/", QString::fromStdString(dir.path()) + "/");
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox2")), preview);
        QVERIFY(dir.exists("A.FLAC") && dir.exists("d.wav"));
        set_option(*w, false);
    }

    void template_execute_renames_the_other_formats_and_the_option_is_remembered() {
        TempFolder dir;
        make_songs(dir);
        auto w = start_windows();
        set_option(*w, true);
        w.reset();
        w = start_windows();
        QVERIFY(option(*w)->isChecked());
        control<QLineEdit>(&w->Form1, "Edit3")->setText("@");
        control<QPushButton>(&w->Form1, "Button10")->click();
        for (const char *name : {"晴天.FLAC", "夜曲.m4a", "T.mp3", "东风破.wav", "notes.txt"})
            QVERIFY2(dir.exists(name), name);
        set_option(*w, false);
    }

    // Another format's tag is shown, not offered for saving into the MP3 items; an MP3 file's
    // tag makes the fields editable again.
    void tag_page_shows_other_formats_read_only() {
        TempFolder dir;
        make_songs(dir);
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        auto *title = control<QLineEdit>(&w->Form1, "Edit8");
        auto *artist = control<QLineEdit>(&w->Form1, "Edit14");
        auto *comment = control<QPlainTextEdit>(&w->Form1, "Memo1");
        auto *save = control<QPushButton>(&w->Form1, "Button8");
        auto *help = control<QTextEdit>(&w->Form1, "RichEdit2");
        select_rows(files, {2});
        select_rows(files, {0}); // off: A.FLAC is no song, the page keeps c.mp3's tag
        QCOMPARE(control<QLineEdit>(&w->Form1, "Edit15")->text(),
                 QString::fromStdString(dir.path() + "/c.mp3"));
        QVERIFY(!help->toPlainText().contains("FLAC"));

        set_option(*w, true);
        QVERIFY(help->toPlainText().contains("FLAC"));
        const QString plain_help = help->toPlainText();
        select_rows(files, {3});
        QCOMPARE(control<QLineEdit>(&w->Form1, "Edit15")->text(),
                 QString::fromStdString(dir.path() + "/d.wav"));
        QCOMPARE(title->text(), QStringLiteral("东风破"));
        QCOMPARE(artist->text(), QStringLiteral("周杰伦"));
        QCOMPARE(comment->toPlainText(), QStringLiteral("一盏离愁"));
        QVERIFY(title->isReadOnly() && artist->isReadOnly() && comment->isReadOnly());
        QVERIFY(!save->isEnabled());
        QVERIFY(help->toPlainText().size() > plain_help.size());

        select_rows(files, {2});
        QCOMPARE(title->text(), QStringLiteral("T"));
        QVERIFY(!title->isReadOnly() && !artist->isReadOnly() && !comment->isReadOnly());
        QVERIFY(save->isEnabled());
        QCOMPARE(help->toPlainText(), plain_help);
        set_option(*w, false);
    }
};

QTEST_MAIN(AudioFormatsTest)
#include "audio_formats_test.moc"
