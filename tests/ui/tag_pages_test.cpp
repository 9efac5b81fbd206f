// MP3 work through the window: renaming from tags (menu, template, title), the tag display on a
// click in the file list, and writing typed values and file names into tags.

#include "ui_test_support.h"

#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <filesystem>
#include <sys/stat.h>

using namespace tarvendi::test;

namespace {

// A 1000-byte MP3 body followed by an ID3v1 record; texts are GB18030 bytes.
std::string tagged(const std::string &title, const std::string &artist = {},
                   const std::string &comment = {}) {
    std::string record(128, ' ');
    record.replace(0, 3, "TAG");
    record.replace(3, title.size(), title);
    record.replace(33, artist.size(), artist);
    record.replace(97, comment.size(), comment);
    record[127] = 17;
    return std::string(1000, '\x55') + record;
}

std::string record_of(const TempFolder &dir, const std::string &name) {
    const std::string all = dir.read(name);
    return all.size() >= 128 ? all.substr(all.size() - 128) : std::string();
}

std::string field(const std::string &record, std::size_t offset, std::size_t width) {
    std::string value = record.substr(offset, width);
    value.erase(value.find_last_not_of(' ') + 1);
    return value;
}

// An ID3v2.3 tag with a Latin-1 title frame, in front of what tagged() makes.
std::string with_id3v2_title(const std::string &title, const std::string &rest) {
    const std::string frame = std::string("TIT2") + std::string(3, '\0') +
                              static_cast<char>(title.size() + 1) + std::string(3, '\0') + title;
    return std::string("ID3\x03\x00\x00", 6) + std::string(3, '\0') +
           static_cast<char>(frame.size()) + frame + rest;
}

void trigger(ApplicationWindows &w, const char *action) {
    w.Form1.findChild<QAction *>(QLatin1String(action))->trigger();
}

} // namespace

class TagPagesTest : public QObject {
    Q_OBJECT

private slots:
    void menu_commands_number_by_file_list_position_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("title, preview") << "mp34" << false << QStringList{"T_1", "U_2"};
        QTest::newRow("title, rename") << "mp34" << true << QStringList{"T_1", "U_2"};
        QTest::newRow("artist and title, rename")
            << "mp32" << true << QStringList{"A_T_1", "B_U_2"};
    }

    void menu_commands_number_by_file_list_position() {
        QFETCH(QString, action);
        QFETCH(bool, yes);
        QFETCH(QStringList, names);
        TempFolder dir;
        dir.file("cover.jpg");
        dir.file("x.mp3", tagged("T", "A"));
        dir.file("y.mp3", tagged("U", "B"));
        auto w = start_windows();
        auto *preview = control<QListView>(&w->Form1, "ListBox2");
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        BoxAnswerer boxes(yes ? QMessageBox::Yes : QMessageBox::No);
        trigger(*w, action.toLatin1().constData());

        QCOMPARE(boxes.titles.value(0), QStringLiteral("确认"));
        QCOMPARE(boxes.texts.value(0),
                 QStringLiteral("\n\n 是否要按格式添加？\n\n如果预览，请选择 \"否\"  \n\n "
                                "可用\"撤销上次改名\"恢复！ \n\n "));
        const QString folder = QString::fromStdString(dir.path()) + "/";
        QCOMPARE(texts_of(preview), QStringList({folder + names[0], folder + names[1]}));
        QCOMPARE(control<QLineEdit>(&w->Form1, "Edit15")->text(), names[1]);
        QCOMPARE(dir.exists(names[0].toStdString()), yes);
        QCOMPARE(dir.exists("x.mp3"), !yes);
        // The file list is read again: new names show, nothing is selected.
        QCOMPARE(texts_of(files).contains(names[0]), yes);
        QVERIFY(files->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox1")),
                 QStringList({"cover.jpg", "x.mp3", "y.mp3"}));
    }

    // The option takes the title from the ID3v2 tag, in the menu commands, the template page and
    // the tag page, and is remembered.
    void id3v2_option_is_read_everywhere_and_remembered() {
        TempFolder dir;
        dir.file("x.mp3", with_id3v2_title("Two", tagged("One", "A")));
        auto w = start_windows();
        BoxAnswerer boxes(QMessageBox::No);
        auto *option = w->Form1.findChild<QAction *>("N16");
        QVERIFY(option && option->isCheckable() && !option->isChecked());
        const QString folder = QString::fromStdString(dir.path()) + "/";
        trigger(*w, "mp34");
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox2")),
                 QStringList{folder + "One_0"});
        option->trigger();
        trigger(*w, "mp34");
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox2")),
                 QStringList{folder + "Two_0"});
        w.reset();
        w = start_windows();
        QVERIFY(w->Form1.findChild<QAction *>("N16")->isChecked());
        control<QPushButton>(&w->Form1, "Button11")->click();
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox2")), QStringList{"01_Two_A.mp3"});
        QVERIFY(control<QTextEdit>(&w->Form1, "RichEdit2")->toPlainText().contains("ID3v1"));
        w->Form1.findChild<QAction *>("N16")->trigger(); // off again for the tests after this one
    }

    void tag_values_never_move_a_file_or_hide_control_bytes() {
        TempFolder dir;
        dir.folder("AC");
        dir.file("a.mp3", tagged("DC", "AC/"));
        dir.file("b.mp3", tagged("Bell\x07", "X"));
        dir.file("c.mp3", tagged("..", ""));
        auto w = start_windows();
        BoxAnswerer boxes(QMessageBox::Yes);
        trigger(*w, "mp32");
        QVERIFY(dir.exists("a.mp3") && dir.exists("b.mp3"));
        QVERIFY(std::filesystem::is_empty(dir.path() + "/AC"));
        QVERIFY(dir.exists("_.._2"));
        QCOMPARE(boxes.texts.size(), 2);
        QVERIFY(boxes.texts[1].contains(QString::fromStdString(dir.path()) + "/a.mp3 → AC/_DC_0"));
        QVERIFY(boxes.texts[1].contains("b.mp3"));
    }

    void template_rename_walks_checked_mp3_files() {
        TempFolder dir;
        dir.file("a.mp3", tagged("T", "A"));
        dir.file("b.MP3", tagged("U", "B"));
        dir.file("c.mp3", tagged("V", "C"));
        dir.file("notes.txt");
        auto w = start_windows();
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        QCOMPARE(texts_of(list), QStringList({"a.mp3", "b.MP3", "c.mp3", "notes.txt"}));
        list->model()->setData(list->model()->index(2, 0), Qt::Unchecked, Qt::CheckStateRole);
        control<QPushButton>(&w->Form1, "Button11")->click();
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox2")),
                 QStringList({"01_T_A.mp3", "02_U_B.MP3"}));

        control<QPushButton>(&w->Form1, "Button10")->click();
        QVERIFY(dir.exists("01_T_A.mp3") && dir.exists("02_U_B.MP3") && dir.exists("c.mp3"));
        QCOMPARE(texts_of(list), QStringList({"01_T_A.mp3", "02_U_B.MP3", "c.mp3", "notes.txt"}));
        QVERIFY(texts_of(control<QListView>(&w->Form1, "ListBox2")).isEmpty());
    }

    void rename_by_title_takes_every_mp3_item() {
        TempFolder dir;
        dir.file("SONG.MP3", tagged("Hello"));
        dir.file("x.mp3", tagged("World"));
        auto w = start_windows();
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        list->model()->setData(list->model()->index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
        {
            BoxAnswerer no(QMessageBox::No);
            control<QPushButton>(&w->Form1, "Button13")->click();
        }
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox2")),
                 QStringList({"Hello.MP3", "World.mp3"}));
        QVERIFY(dir.exists("SONG.MP3"));
        BoxAnswerer yes(QMessageBox::Yes);
        control<QPushButton>(&w->Form1, "Button13")->click();
        QVERIFY(dir.exists("Hello.MP3") && dir.exists("World.mp3"));
        // Only the file list is read again; the working list keeps the old names.
        QCOMPARE(texts_of(list), QStringList({"SONG.MP3", "x.mp3"}));
    }

    void click_on_a_file_shows_its_tag() {
        TempFolder dir;
        dir.file("a.mp3", tagged("T", "A", "line1\r\nline2"));
        dir.file("b.mp3", std::string(500, 'x'));
        dir.file("notes.txt");
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        auto *path = control<QLineEdit>(&w->Form1, "Edit15");
        auto *title = control<QLineEdit>(&w->Form1, "Edit8");
        auto *artist = control<QLineEdit>(&w->Form1, "Edit14");
        auto *comment = control<QPlainTextEdit>(&w->Form1, "Memo1");

        select_rows(files, {0});
        QCOMPARE(path->text(), QString::fromStdString(dir.path() + "/a.mp3"));
        QCOMPARE(title->text(), QStringLiteral("T"));
        QCOMPARE(artist->text(), QStringLiteral("A"));
        QCOMPARE(comment->toPlainText(), QStringLiteral("line1\nline2"));

        select_rows(files, {1});
        QCOMPARE(path->text(), QString::fromStdString(dir.path() + "/b.mp3"));
        QVERIFY(title->text().isEmpty() && artist->text().isEmpty() &&
                comment->toPlainText().isEmpty());

        select_rows(files, {2});
        QCOMPARE(path->text(), QString::fromStdString(dir.path() + "/b.mp3"));
    }

    void save_writes_typed_values_into_every_mp3_item() {
        TempFolder dir;
        dir.file("a.mp3", tagged("Old", "A", "keep"));
        dir.file("b.mp3", std::string(1000, 'x'));
        dir.file("notes.txt", "text");
        auto w = start_windows();
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        list->model()->setData(list->model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
        control<QLineEdit>(&w->Form1, "Edit8")->setText(QString(40, QLatin1Char('n')));
        control<QLineEdit>(&w->Form1, "Edit14")->clear();
        control<QPlainTextEdit>(&w->Form1, "Memo1")->setPlainText("one\ntwo");
        control<QPushButton>(&w->Form1, "Button8")->click();

        const std::string a = record_of(dir, "a.mp3");
        QCOMPARE(field(a, 3, 30), std::string(30, 'n'));
        QCOMPARE(field(a, 33, 30), std::string("A"));
        QCOMPARE(field(a, 97, 30), std::string("one\r\ntwo"));
        QCOMPARE(dir.read("b.mp3").size(), std::size_t{1128});
        QCOMPARE(field(record_of(dir, "b.mp3"), 33, 30), std::string());
        QCOMPARE(dir.read("notes.txt"), std::string("text"));
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox2")),
                 QStringList({"a.mp3", "b.mp3"}));
    }

    // A FIFO named like a song holds no tag and never makes the program wait for a writer;
    // a tag that cannot be written is reported, never listed as written.
    void fifo_songs_never_block_and_failed_writes_are_reported() {
        TempFolder dir;
        QCOMPARE(mkfifo((dir.path() + "/0.mp3").c_str(), 0644), 0);
        dir.file("a.mp3", tagged("T"));
        auto w = start_windows(); // reads the tag of the focused FIFO
        select_rows(control<QListView>(&w->Form1, "FileListBox1"), {0});
        QVERIFY(control<QLineEdit>(&w->Form1, "Edit8")->text().isEmpty());
        select_rows(control<QListView>(&w->Form1, "FileListBox1"), {0, 1});

        control<QLineEdit>(&w->Form1, "Edit3")->setText(QStringLiteral("##_@"));
        control<QPushButton>(&w->Form1, "Button11")->click();
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox2")),
                 QStringList({"01_.mp3", "02_T.mp3"}));

        BoxAnswerer yes(QMessageBox::Yes);
        control<QPushButton>(&w->Form1, "Button12")->click();
        QCOMPARE(field(record_of(dir, "a.mp3"), 3, 30), std::string("a"));
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox2")), QStringList({"a.mp3"}));
        QCOMPARE(yes.texts.size(), 2);
        QVERIFY(yes.texts[1].contains(QStringLiteral("0.mp3 → 0.mp3（不是普通文件")));
    }

    void file_names_become_titles_only_on_yes() {
        TempFolder dir;
        dir.file("我的歌.mp3", std::string(1000, 'x'));
        dir.file("Song.mp3.mp3", tagged("Old", "Artist"));
        auto w = start_windows();
        auto *preview = control<QListView>(&w->Form1, "ListBox2");
        control<QPushButton>(&w->Form1, "Button3")->click();
        const QStringList before = texts_of(preview);
        {
            BoxAnswerer no(QMessageBox::No);
            control<QPushButton>(&w->Form1, "Button12")->click();
        }
        QCOMPARE(texts_of(preview), before);
        QCOMPARE(dir.read("我的歌.mp3").size(), std::size_t{1000});

        BoxAnswerer yes(QMessageBox::Yes);
        control<QPushButton>(&w->Form1, "Button12")->click();
        QCOMPARE(field(record_of(dir, "我的歌.mp3"), 3, 30),
                 std::string("\xCE\xD2\xB5\xC4\xB8\xE8")); // 我的歌
        QCOMPARE(dir.read("我的歌.mp3").size(), std::size_t{1128});
        QCOMPARE(field(record_of(dir, "Song.mp3.mp3"), 3, 30), std::string("Song.mp3"));
        QCOMPARE(field(record_of(dir, "Song.mp3.mp3"), 33, 30), std::string("Artist"));
    }
};

QTEST_MAIN(TagPagesTest)
#include "tag_pages_test.moc"
