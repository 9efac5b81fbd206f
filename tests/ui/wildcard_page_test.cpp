// The page "通配符改名": preview and execute of the wildcard rule through the window, with the
// full refresh afterwards and the report of refused renames.

#include "ui_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

using namespace tarvendi::test;

namespace {

struct Page {
    explicit Page(ApplicationWindows &w)
        : list(control<QListView>(&w.Form1, "ListBox1"))
        , preview(control<QListView>(&w.Form1, "ListBox2"))
        , start(control<QLineEdit>(&w.Form1, "Edit11"))
        , tmpl(control<QComboBox>(&w.Form1, "edit10"))
        , preview_button(control<QPushButton>(&w.Form1, "Button3"))
        , execute_button(control<QPushButton>(&w.Form1, "Button6")) {}
    void uncheck(int row) {
        list->model()->setData(list->model()->index(row, 0), Qt::Unchecked, Qt::CheckStateRole);
    }

    QListView *list;
    QListView *preview;
    QLineEdit *start;
    QComboBox *tmpl;
    QPushButton *preview_button;
    QPushButton *execute_button;
};

} // namespace

class WildcardPageTest : public QObject {
    Q_OBJECT

private slots:
    // A template drop-down holds what was typed, never a longer entry it completes to; the
    // help texts are read in normal text and scroll.
    void typed_templates_stay_and_help_texts_read_normally() {
        TempFolder dir;
        auto w = start_windows();
        QApplication::setActiveWindow(&w->Form1);
        for (const char *name : {"edit10", "edit7", "edit19", "ComboBox1"}) {
            auto *box = control<QComboBox>(&w->Form1, name);
            box->lineEdit()->clear();
            box->setFocus();
            QTest::keyClicks(box, QStringLiteral("#"));
            QCOMPARE(box->currentText(), QStringLiteral("#"));
        }
        for (const char *name :
             {"Memo2", "Memo3", "Memo4", "Memo5", "Memo7", "RichEdit1", "RichEdit2"}) {
            auto *help = control<QAbstractScrollArea>(&w->Form1, name);
            QVERIFY2(help->isEnabled(), name);
            QVERIFY2(help->property("readOnly").toBool(), name);
        }
    }

    void preview_numbers_checked_items_only_data() {
        QTest::addColumn<QString>("tmpl");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("unchecked item gets no number")
            << "##-*"
            << "1" << QStringList{"01-a.txt", "02-c.txt"};
        QTest::newRow("last digits of a long number") << "#"
                                                      << "9" << QStringList{"9.txt", "0.txt"};
        QTest::newRow("100 in two places") << "##-*"
                                           << "100" << QStringList{"00-a.txt", "01-c.txt"};
        QTest::newRow("extension appended once") << "*.txt"
                                                 << "1" << QStringList{"a.txt", "c.txt"};
        QTest::newRow("empty template") << ""
                                        << "1" << QStringList{".txt", ".txt"};
    }

    void preview_numbers_checked_items_only() {
        QFETCH(QString, tmpl);
        QFETCH(QString, start);
        QFETCH(QStringList, expected);
        TempFolder dir;
        for (const char *name : {"a.txt", "b.txt", "c.txt"})
            dir.file(name);
        auto w = start_windows();
        Page page(*w);
        page.uncheck(1);
        page.start->setText(start);
        page.tmpl->setCurrentText(tmpl);
        page.preview_button->click();
        QCOMPARE(texts_of(page.preview), expected);
        QVERIFY(dir.exists("a.txt") && dir.exists("b.txt") && dir.exists("c.txt"));
    }

    void execute_renames_and_refreshes() {
        TempFolder dir;
        dir.file("song.mp3", "song");
        dir.file("talk.mp3", "talk");
        auto w = start_windows();
        Page page(*w);
        page.tmpl->setCurrentText(QStringLiteral("*-###"));
        page.preview_button->click();
        const QStringList previewed = texts_of(page.preview);
        BoxAnswerer boxes;
        page.execute_button->click();
        QCOMPARE(previewed, QStringList({"song-001.mp3", "talk-002.mp3"}));
        QVERIFY(texts_of(page.preview).isEmpty());
        QCOMPARE(texts_of(page.list), previewed);
        QCOMPARE(checks_of(page.list), QList<int>({2, 2}));
        QCOMPARE(dir.read("song-001.mp3"), std::string("song"));
        QCOMPARE(dir.read("talk-002.mp3"), std::string("talk"));
        QVERIFY(boxes.texts.isEmpty());
    }

    void refused_renames_are_reported_and_nothing_is_overwritten() {
        TempFolder dir;
        dir.file("a.txt", "first");
        dir.file("b.txt", "second");
        dir.file("c.doc", "third");
        auto w = start_windows();
        Page page(*w);
        page.tmpl->setCurrentText(QStringLiteral("x"));
        BoxAnswerer boxes;
        page.execute_button->click();
        // a.txt becomes x.txt; b.txt would overwrite it and is refused; c.doc becomes x.doc.
        QCOMPARE(dir.read("x.txt"), std::string("first"));
        QCOMPARE(dir.read("b.txt"), std::string("second"));
        QCOMPARE(dir.read("x.doc"), std::string("third"));
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts[0].contains(QStringLiteral("b.txt → x.txt")));
        QVERIFY(boxes.texts[0].contains(QStringLiteral("目标已存在")));
        QCOMPARE(texts_of(page.list), QStringList({"b.txt", "x.doc", "x.txt"}));
    }

    void report_lists_twenty_and_counts_the_rest() {
        TempFolder dir;
        for (int i = 0; i < 25; ++i)
            dir.file("f" + std::to_string(100 + i) + ".txt");
        auto w = start_windows();
        Page page(*w);
        page.tmpl->setCurrentText(QStringLiteral("same"));
        BoxAnswerer boxes;
        page.execute_button->click();
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(boxes.texts[0].count(QStringLiteral(" → ")), 20);
        QVERIFY(boxes.texts[0].contains(QStringLiteral("另有 4 个")));
        QVERIFY(dir.exists("same.txt"));
    }

    void date_and_time_tokens() {
        TempFolder dir;
        dir.file("clip.avi");
        std::tm local{};
        local.tm_year = 2024 - 1900;
        local.tm_mon = 0;
        local.tm_mday = 31;
        local.tm_hour = 13;
        local.tm_min = 5;
        local.tm_sec = 9;
        local.tm_isdst = -1;
        const timespec times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
        QCOMPARE(utimensat(AT_FDCWD, "clip.avi", times, 0), 0);
        auto w = start_windows();
        Page page(*w);
        page.tmpl->setCurrentText(QStringLiteral("###-/ :-*"));
        page.preview_button->click();
        QCOMPARE(texts_of(page.preview), QStringList({"001-20240131 13.05.08-clip.avi"}));
    }

    void folder_has_no_date_and_a_left_slash_is_refused() {
        TempFolder dir;
        dir.folder("abc");
        auto w = start_windows();
        Page page(*w);
        control<QCheckBox>(&w->Form1, "CheckBox13")->click();
        page.tmpl->setCurrentText(QStringLiteral("*-##/"));
        page.preview_button->click();
        QCOMPARE(texts_of(page.preview), QStringList({"abc-01"}));

        page.tmpl->setCurrentText(QStringLiteral("*/-/"));
        BoxAnswerer boxes;
        page.execute_button->click();
        QVERIFY(dir.exists("abc"));
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts[0].contains(QStringLiteral("abc → abc-/")));
    }

    void long_passes_show_their_progress_data() {
        QTest::addColumn<int>("files");
        QTest::addColumn<bool>("progress");
        QTest::newRow("a few files") << 20 << false;
        QTest::newRow("thousands of files") << 3500 << true;
    }

    void long_passes_show_their_progress() {
        QFETCH(int, files);
        QFETCH(bool, progress);
        TempFolder dir;
        for (int i = 0; i < files; ++i)
            dir.file("f" + std::to_string(i) + ".txt");
        auto w = start_windows();
        Page page(*w);
        bool seen = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            seen = seen || w->Form1.findChild<QProgressDialog *>() != nullptr;
        });
        watch.start(0);
        page.execute_button->click();
        QCOMPARE(seen, progress);
        QVERIFY(!w->Form1.findChild<QProgressDialog *>());
        QCOMPARE(texts_of(page.list).size(), files);
        QVERIFY(dir.exists("01-f0.txt"));
    }

    void bad_start_number_stops_before_any_rename() {
        TempFolder dir;
        dir.file("a.txt");
        auto w = start_windows();
        Page page(*w);
        page.preview_button->click();
        QCOMPARE(texts_of(page.preview).size(), 1);
        page.start->setText(QStringLiteral("1x"));
        BoxAnswerer boxes;
        page.execute_button->click();
        QCOMPARE(boxes.texts, QStringList({"'1x' is not a valid integer value"}));
        QCOMPARE(boxes.icons.value(0), QMessageBox::Critical);
        QVERIFY(texts_of(page.preview).isEmpty());
        QVERIFY(dir.exists("a.txt"));
    }

    void empty_working_list_and_template_button() {
        TempFolder dir;
        dir.file("song.mp3");
        auto w = start_windows();
        Page page(*w);
        control<QPushButton>(&w->Form1, "Button35")->click();
        QCOMPARE(page.tmpl->currentText(), QStringLiteral("song-##"));

        control<QPushButton>(&w->Form1, "Button28")->click();
        BoxAnswerer boxes;
        page.preview_button->click();
        control<QPushButton>(&w->Form1, "Button35")->click();
        QCOMPARE(boxes.texts,
                 QStringList({"请在界面左边选择需要改名的文件！", "请首先选择需要改名的文件！"}));
    }
};

QTEST_MAIN(WildcardPageTest)
#include "wildcard_page_test.moc"
