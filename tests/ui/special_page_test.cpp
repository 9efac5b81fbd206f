// Character cleaning and Chinese numerals through the window: the four commands of the menu
// "文件名操作" over the file list, the cleaning panel over the checked working-list items, and the
// numerals button over every item.

#include "page_fields.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

using namespace tarvendi::test;

namespace {

QListView *files_of(ApplicationWindows &w) {
    return control<QListView>(&w.Form1, "FileListBox1");
}

QString question(const QString &what) {
    return "\n\n 是否要去除文件名中包含的所有的" + what +
           "？\n\n如果预览，请选择 \"否\"  \n\n 可用\"撤销上次改名\"恢复！ \n\n ";
}

// The new name of each entry of `order`, looked up in the parallel lists olds and news.
QStringList renamed(const QStringList &order, const QStringList &olds, const QStringList &news) {
    QStringList out;
    for (const QString &entry : order)
        out << news.value(olds.indexOf(entry), "?" + entry);
    return out;
}

// Checks the disk after a run that renamed (or only previewed) each old name to its new one.
void verify_disk(const TempFolder &dir, const QStringList &olds, const QStringList &news,
                 bool renamed) {
    for (qsizetype i = 0; i < olds.size(); ++i) {
        const std::string old_name = olds[i].toStdString();
        const std::string new_name = news[i].toStdString();
        QVERIFY2(dir.exists(renamed ? new_name : old_name), qPrintable(olds[i]));
        if (old_name != new_name)
            QVERIFY2(!dir.exists(renamed ? old_name : new_name), qPrintable(olds[i]));
    }
}

// Test files hold more than an MP3 tag's 128 bytes, so that showing the tag of one never fails.
void make(const TempFolder &dir, const QString &name) {
    dir.file(name.toStdString(), std::string(200, 'x'));
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

} // namespace

class SpecialPageTest : public QObject {
    Q_OBJECT

private slots:
    void menu_commands_clean_every_file_list_entry_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QStringList>("olds");
        QTest::addColumn<QStringList>("news");

        const QStringList digit_olds{"01 歌曲 (2).mp3", "song2.mp3", "Track 01.mp3", "第１集.avi"};
        const QStringList digit_news{"歌曲 ().mp3", "song.mp3", "Track .mp3", "第１集.avi"};
        QTest::newRow("digits, preview") << "N2" << false << "数字" << digit_olds << digit_news;
        QTest::newRow("digits, rename") << "N2" << true << "数字" << digit_olds << digit_news;
        QTest::newRow("digits, blank-led name renamed as it stands")
            << "N2" << true << "数字" << QStringList{" 7 a.txt"} << QStringList{"a.txt"};
        QTest::newRow("letters, preview")
            << "N3" << false << "字母" << QStringList{"x\\y`z1.txt", "ZZ.txt"}
            << QStringList{"1.txt", ".txt"};
        QTest::newRow("letters, rename")
            << "N3" << true << "字母" << QStringList{"語文A.txt", "Track01.MP3", "a^b_c1.txt"}
            << QStringList{"語文.txt", "01.MP3", "1.txt"};
        QTest::newRow("hyphen and underscore, preview")
            << "N8" << false << "- _" << QStringList{"開_1.txt", "a-b_c.txt"}
            << QStringList{"開1.txt", "abc.txt"};
        QTest::newRow("hyphen and underscore, rename")
            << "N8" << true << "- _" << QStringList{"開_1.txt", "a-b_c.txt", " -x.txt"}
            << QStringList{"開1.txt", "abc.txt", "x.txt"};
        QTest::newRow("spaces, preview")
            << "N12" << false << "空格" << QStringList{"a b .txt", " lead.txt"}
            << QStringList{"ab.txt", "lead.txt"};
        QTest::newRow("spaces, rename")
            << "N12" << true << "空格" << QStringList{"a b .txt", " lead.txt", "x.t t"}
            << QStringList{"ab.txt", "lead.txt", "x.t t"};
    }

    void menu_commands_clean_every_file_list_entry() {
        QFETCH(QString, action);
        QFETCH(bool, yes);
        QFETCH(QString, what);
        QFETCH(QStringList, olds);
        QFETCH(QStringList, news);
        TempFolder dir;
        for (const QString &name : olds)
            make(dir, name);
        auto w = start_windows();
        // The working list, its check states and the file list's selection play no part.
        select_rows(files_of(*w), {0});
        set_check(working_list(*w), 0, Qt::Unchecked);
        const QStringList items = texts_of(working_list(*w));
        const QList<int> checks = checks_of(working_list(*w));
        const QStringList order = texts_of(files_of(*w));
        dir.file("later.txt");

        BoxAnswerer boxes(yes ? QMessageBox::Yes : QMessageBox::No);
        w->Form1.findChild<QAction *>(action)->trigger();

        QCOMPARE(boxes.texts, QStringList{question(what)});
        QCOMPARE(boxes.titles.value(0), QStringLiteral("确认"));
        QCOMPARE(boxes.icons.value(0), QMessageBox::Question);
        QCOMPARE(texts_of(preview_list(*w)), renamed(order, olds, news));
        verify_disk(dir, olds, news, yes);
        // Only the file list is read again, whatever the answer.
        QCOMPARE(sorted(texts_of(files_of(*w))), sorted((yes ? news : olds) << "later.txt"));
        QVERIFY(files_of(*w)->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(texts_of(working_list(*w)), items);
        QCOMPARE(checks_of(working_list(*w)), checks);
    }

    void menu_commands_report_what_the_file_system_refuses() {
        TempFolder dir;
        dir.file("2009");
        dir.file("a1.txt", "first");
        dir.file("a2.txt", "second");
        auto w = start_windows();
        BoxAnswerer boxes(QMessageBox::Yes);
        w->Form1.findChild<QAction *>("N2")->trigger();
        QCOMPARE(texts_of(preview_list(*w)), QStringList({"", "a.txt", "a.txt"}));
        QCOMPARE(dir.read("a.txt"), std::string("first"));
        QCOMPARE(dir.read("a2.txt"), std::string("second"));
        QVERIFY(dir.exists("2009"));
        QCOMPARE(boxes.texts.size(), 2);
        QVERIFY(boxes.texts[1].contains("/2009 → "));
        QVERIFY(boxes.texts[1].contains("/a2.txt → a.txt"));
        QVERIFY(!boxes.texts[1].contains("a1.txt"));
    }

    void menu_commands_work_on_real_names_in_directory_mode() {
        TempFolder dir;
        dir.folder("ab1");
        dir.folder("-c 2");
        // A read-only file is listed in directory mode; its name only looks like a folder entry.
        dir.file("[ab1]", "file");
        std::filesystem::permissions(dir.path() + "/[ab1]", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        auto w = start_windows();
        control<QCheckBox>(&w->Form1, "CheckBox13")->click();
        QCOMPARE(sorted(texts_of(files_of(*w))),
                 sorted({"[.]", "[..]", "[ab1]", "[ab1]", "[-c 2]"}));
        BoxAnswerer boxes(QMessageBox::Yes);
        w->Form1.findChild<QAction *>("N2")->trigger();
        // "." and ".." are passed over wherever "-c 2" makes them sort.
        QCOMPARE(sorted(texts_of(preview_list(*w))), sorted({"ab", "[ab]", "-c"}));
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(dir.is_folder("ab") && dir.is_folder("-c"));
        QCOMPARE(dir.read("[ab]"), std::string("file"));
    }

    void panel_cleans_checked_items_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("old_name");
        QTest::addColumn<QString>("new_name");
        QTest::newRow("letters and underscore")
            << QStringList{"CheckBox6=1", "CheckBox9=1"} << "1_2.txt"
            << "12.txt";
        QTest::newRow("brackets") << QStringList{"CheckBox10=1"} << "[HD]x.mkv"
                                  << "HDx.mkv";
        QTest::newRow("digits and space")
            << QStringList{"CheckBox5=1", "CheckBox7=1"} << "01 歌曲 (2).mp3"
            << "歌曲().mp3";
        QTest::newRow("hyphen only") << QStringList{"CheckBox8=1"} << "a-_b.txt"
                                     << "a_b.txt";
        QTest::newRow("underscore only") << QStringList{"CheckBox9=1"} << "a-_b.txt"
                                         << "a-b.txt";
        QTest::newRow("no class only trims") << QStringList{} << " a1.txt"
                                             << "a1.txt";
        QTest::newRow("all six") << QStringList{"CheckBox5=1", "CheckBox6=1", "CheckBox7=1",
                                                "CheckBox8=1", "CheckBox9=1", "CheckBox10=1"}
                                 << "[a]-_ 1語.txt"
                                 << "語.txt";
    }

    void panel_cleans_checked_items() {
        QFETCH(QStringList, fields);
        QFETCH(QString, old_name);
        QFETCH(QString, new_name);
        TempFolder dir;
        make(dir, old_name);
        dir.file("~skip 1_a.txt");
        auto w = start_windows();
        QCOMPARE(texts_of(working_list(*w)).last(), "~skip 1_a.txt");
        set_check(working_list(*w), 1, Qt::Unchecked);
        set_fields(&w->Form1, fields);
        BoxAnswerer boxes;

        click(*w, "Button4");
        QCOMPARE(texts_of(preview_list(*w)), QStringList{new_name});
        QVERIFY(dir.exists(old_name.toStdString()));

        click(*w, "Button18");
        QVERIFY(dir.exists(new_name.toStdString()));
        QVERIFY(!dir.exists(old_name.toStdString()));
        QVERIFY(dir.exists("~skip 1_a.txt"));
        // The full refresh: the working list holds the new names, the preview list is empty.
        QCOMPARE(sorted(texts_of(working_list(*w))), sorted({new_name, "~skip 1_a.txt"}));
        QVERIFY(texts_of(preview_list(*w)).isEmpty());
        QVERIFY(boxes.texts.isEmpty());
    }

    void panel_renames_in_the_shown_folder_not_the_typed_one() {
        TempFolder dir;
        dir.file("a1.txt", "stays");
        dir.folder("sub");
        auto w = start_windows();
        control<QLineEdit>(&w->Form1, "Edit16")
            ->setText("  " + QString::fromStdString(dir.path()) + "/sub/ ");
        control<QCheckBox>(&w->Form1, "CheckBox5")->setChecked(true);
        click(*w, "Button18");
        QCOMPARE(dir.read("a.txt"), std::string("stays"));
        QVERIFY(!dir.exists("sub/a.txt"));
    }

    void panel_drops_brackets_in_directory_mode() {
        TempFolder dir;
        dir.folder("ab1");
        auto w = start_windows();
        control<QCheckBox>(&w->Form1, "CheckBox13")->click();
        control<QCheckBox>(&w->Form1, "CheckBox5")->setChecked(true);
        click(*w, "Button4");
        QCOMPARE(texts_of(preview_list(*w)), QStringList{"ab"});
        click(*w, "Button18");
        QVERIFY(dir.exists("ab") && !dir.exists("ab1"));
    }

    void panel_clears_the_preview_before_asking_for_items() {
        TempFolder dir;
        dir.file("a1.txt");
        auto w = start_windows();
        click(*w, "Button4");
        QCOMPARE(texts_of(preview_list(*w)), QStringList{"a1.txt"});
        click(*w, "Button28");
        QVERIFY(texts_of(working_list(*w)).isEmpty());
        BoxAnswerer boxes;
        click(*w, "Button4");
        QCOMPARE(boxes.texts, QStringList{"请首先选择需要改名的文件！"});
        QVERIFY(texts_of(preview_list(*w)).isEmpty());
        QVERIFY(dir.exists("a1.txt"));
    }

    void numerals_convert_every_item_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("ten_to_one");
        QTest::addColumn<QStringList>("olds");
        QTest::addColumn<QStringList>("news");
        const QStringList olds{"第三集.rmvb", "第十二集.avi", "二十一.txt",
                               "前说.txt",    "一一.txt",     "第零集.mp4"};
        QTest::newRow("ten kept, preview")
            << false << false << olds << QStringList{"第3集.rmvb", "第十2集.avi", "2十1.txt",
                                                     "前说.txt",   "11.txt",      "第零集.mp4"};
        QTest::newRow("ten kept, rename")
            << true << false << olds << QStringList{"第3集.rmvb", "第十2集.avi", "2十1.txt",
                                                    "前说.txt",   "11.txt",      "第零集.mp4"};
        QTest::newRow("ten to one, rename")
            << true << true << olds << QStringList{"第3集.rmvb", "第12集.avi", "211.txt",
                                                   "前说.txt",   "11.txt",     "第零集.mp4"};
    }

    void numerals_convert_every_item() {
        QFETCH(bool, yes);
        QFETCH(bool, ten_to_one);
        QFETCH(QStringList, olds);
        QFETCH(QStringList, news);
        TempFolder dir;
        for (const QString &name : olds)
            make(dir, name);
        auto w = start_windows();
        control<QCheckBox>(&w->Form1, "CheckBox3")->setChecked(ten_to_one);
        // Check states are not read: an unchecked and a grayed item are converted too.
        set_checks(working_list(*w), {0}, {1});
        const QStringList items = texts_of(working_list(*w));
        dir.file("later.txt");

        BoxAnswerer boxes(yes ? QMessageBox::Yes : QMessageBox::No);
        click(*w, "Button19");
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(boxes.titles[0], QStringLiteral("确认"));
        QCOMPARE(boxes.icons[0], QMessageBox::Question);
        QCOMPARE(boxes.texts[0], "\n\n 是否要将文件名中的中文数字转换为阿拉伯数字？\n\n"
                                 "如果预览，请选择 \"否\"  \n\n 可用\"撤销上次改名\"恢复！ \n\n ");
        QCOMPARE(texts_of(preview_list(*w)), renamed(items, olds, news));
        verify_disk(dir, olds, news, yes);
        QCOMPARE(sorted(texts_of(files_of(*w))), sorted((yes ? news : olds) << "later.txt"));
        QCOMPARE(texts_of(working_list(*w)), items);
    }

    void numerals_rename_folders_by_their_names_in_directory_mode() {
        TempFolder dir;
        dir.folder("第三集");
        auto w = start_windows();
        control<QCheckBox>(&w->Form1, "CheckBox13")->click();
        BoxAnswerer boxes(QMessageBox::Yes);
        click(*w, "Button19");
        QCOMPARE(texts_of(preview_list(*w)), QStringList({"第3集"}));
        QVERIFY(dir.is_folder("第3集"));
        QCOMPARE(boxes.texts.size(), 1);
    }

    void full_path_items_get_bare_names() {
        TempFolder dir;
        make(dir, "第三集1.txt");
        auto w = start_windows();
        select_rows(files_of(*w), {});
        control<QCheckBox>(&w->Form1, "CheckBox1")->setChecked(true);
        select_rows(files_of(*w), {0});
        QCOMPARE(texts_of(working_list(*w)),
                 QStringList{QString::fromStdString(dir.path()) + "/第三集1.txt"});
        control<QCheckBox>(&w->Form1, "CheckBox5")->setChecked(true);
        click(*w, "Button4");
        QCOMPARE(texts_of(preview_list(*w)), QStringList{"第三集.txt"});
        BoxAnswerer boxes(QMessageBox::Yes);
        click(*w, "Button19");
        QCOMPARE(texts_of(preview_list(*w)), QStringList{"第3集1.txt"});
        QVERIFY(dir.exists("第3集1.txt"));
        QCOMPARE(boxes.texts.size(), 1);
    }

    void numerals_on_an_empty_working_list_ask_and_reread() {
        TempFolder dir;
        auto w = start_windows();
        dir.file("一.txt");
        BoxAnswerer boxes(QMessageBox::Yes);
        click(*w, "Button19");
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(texts_of(preview_list(*w)).isEmpty());
        QCOMPARE(texts_of(files_of(*w)), QStringList{"一.txt"});
        QVERIFY(dir.exists("一.txt"));
    }
};

QTEST_MAIN(SpecialPageTest)
#include "special_page_test.moc"
