// The pages "修改扩展名" and "数字位补0": their controls, preview and execute through the shared
// pass, the target folder taken from the path field, and the spinner beside the width field.

#include "page_fields.h"
#include "ui_test_support.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <cstdlib>

using namespace tarvendi::test;

class ExtensionPagesTest : public QObject {
    Q_OBJECT

private slots:
    void preview_lists_checked_items_only_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QList<int>>("unchecked");
        QTest::addColumn<QList<int>>("grayed");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("extension: unchecked and grayed items get no line")
            << QStringList{"a.mp3", "b.mp3", "c.mp3", "d.mp3"} << QList<int>{1} << QList<int>{2}
            << QStringList{"Edit12=wav"} << "Button7" << QStringList{"a.wav", "d.wav"};
        QTest::newRow("extension: a name without one")
            << QStringList{"README"} << QList<int>{} << QList<int>{} << QStringList{"Edit12= txt "}
            << "Button7" << QStringList{"README.txt"};
        QTest::newRow("extension: the first occurrence goes")
            << QStringList{"x.mp3.backup.mp3"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit12=wav"} << "Button7" << QStringList{"xbackup.mp3.wav"};
        QTest::newRow("extension: typed with its dot")
            << QStringList{"a.mp3"} << QList<int>{} << QList<int>{} << QStringList{"Edit12=.wav"}
            << "Button7" << QStringList{"a..wav"};
        QTest::newRow("extension: the item is not trimmed")
            << QStringList{"a.mp3 "} << QList<int>{} << QList<int>{} << QStringList{"Edit12=wav"}
            << "Button7" << QStringList{"a.mp3.wav"};
        QTest::newRow("extension: a Chinese name")
            << QStringList{"歌曲.mp3"} << QList<int>{} << QList<int>{} << QStringList{"Edit12=wav"}
            << "Button7" << QStringList{"歌曲.wav"};

        QTest::newRow("padding: the tab's example")
            << QStringList{"1.doc", "101.doc", "2.doc", "15.doc"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit21=3"} << "Button38"
            << QStringList{"001.doc", "101.doc", "015.doc", "002.doc"};
        QTest::newRow("padding: unchecked and grayed items get no line")
            << QStringList{"1.a", "2.a", "3.a", "4.a"} << QList<int>{1} << QList<int>{2}
            << QStringList{} << "Button38" << QStringList{"01.a", "04.a"};
        QTest::newRow("padding: a Chinese character counts two")
            << QStringList{"歌.txt"} << QList<int>{} << QList<int>{} << QStringList{"Edit21=3"}
            << "Button38" << QStringList{"0歌.txt"};
        QTest::newRow("padding: negative width")
            << QStringList{"1.doc"} << QList<int>{} << QList<int>{} << QStringList{"Edit21=-1"}
            << "Button38" << QStringList{"1.doc"};
        QTest::newRow("padding: cut at the first extension")
            << QStringList{"1.doc.2.doc"} << QList<int>{} << QList<int>{} << QStringList{}
            << "Button38" << QStringList{"01.doc"};
        // The blank belongs to the extension ".doc ", which the trimmed name does not hold.
        QTest::newRow("padding: the item is not trimmed")
            << QStringList{"1.doc "} << QList<int>{} << QList<int>{} << QStringList{"Edit21=3"}
            << "Button38" << QStringList{"1.doc.doc"};
    }

    void preview_lists_checked_items_only() {
        QFETCH(QStringList, files);
        QFETCH(QList<int>, unchecked);
        QFETCH(QList<int>, grayed);
        QFETCH(QStringList, fields);
        QFETCH(QString, button);
        QFETCH(QStringList, expected);
        TempFolder dir;
        auto w = preview_case(dir, files, unchecked, grayed, fields, button, expected);
        // Neither page writes the status panel.
        QCOMPARE(control<QLabel>(&w->Form1, "StatusBar1Panel0")->text(), QStringLiteral("before"));
    }

    void padding_drops_the_brackets_of_folders() {
        TempFolder dir;
        dir.folder("5");
        auto w = start_windows();
        control<QCheckBox>(&w->Form1, "CheckBox13")->click();
        QCOMPARE(texts_of(working_list(*w)), QStringList({"[..]", "[.]", "[5]"}));
        QCOMPARE(checks_of(working_list(*w)), QList<int>({0, 0, 2}));
        click(*w, "Button38");
        QCOMPARE(texts_of(preview_list(*w)), QStringList({"05"}));
    }

    void execute_renames_and_refreshes_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("renamed");
        QTest::newRow("extension")
            << QStringList{"Edit12=wav"} << "Button5" << QStringList{"1.wav", "15.wav"};
        QTest::newRow("padding") << QStringList{"Edit21=3"} << "Button39"
                                 << QStringList{"001.doc", "015.doc"};
    }

    void execute_renames_and_refreshes() {
        QFETCH(QStringList, fields);
        QFETCH(QString, button);
        QFETCH(QStringList, renamed);
        TempFolder dir;
        execute_case(dir, {"1.doc", "15.doc"}, fields, button, renamed);
    }

    void extension_change_stays_in_the_shown_folder() {
        TempFolder dir;
        dir.file("a.mp3", "a");
        dir.folder("other");
        auto w = start_windows();
        control<QLineEdit>(&w->Form1, "Edit16")
            ->setText(QString::fromStdString(dir.path()) + "/other");
        set_fields(&w->Form1, {"Edit12=wav"});
        click(*w, "Button7");
        QCOMPARE(texts_of(preview_list(*w)), QStringList({"a.wav"}));
        BoxAnswerer boxes;
        click(*w, "Button5");
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(dir.read("a.wav"), std::string("a"));
        QVERIFY(!dir.exists("a.mp3") && !dir.exists("other/a.wav"));
    }

    void bad_width_stops_before_any_rename() {
        TempFolder dir;
        dir.file("1.doc");
        auto w = start_windows();
        click(*w, "Button38");
        QCOMPARE(texts_of(preview_list(*w)), QStringList({"01.doc"}));
        QTest::keyClicks(control<QLineEdit>(&w->Form1, "Edit21"), "x9");
        BoxAnswerer boxes;
        click(*w, "Button39");
        QCOMPARE(boxes.texts, QStringList({"'2x9' is not a valid integer value"}));
        QCOMPARE(boxes.icons.value(0), QMessageBox::Critical);
        QVERIFY(texts_of(preview_list(*w)).isEmpty());
        QVERIFY(dir.exists("1.doc"));
    }

    void empty_working_list_is_reported_first() {
        TempFolder dir;
        dir.file("a.doc");
        auto w = start_windows();
        click(*w, "Button38");
        control<QPushButton>(&w->Form1, "Button28")->click();
        set_fields(&w->Form1, {"Edit21=bad"});
        BoxAnswerer boxes;
        click(*w, "Button5");
        click(*w, "Button39");
        QCOMPARE(boxes.texts,
                 QStringList({"请首先选择需要改名的文件！", "请在界面左边选择需要改名的文件！"}));
        QCOMPARE(texts_of(preview_list(*w)), QStringList({"0a.doc"}));
    }

    void arrows_step_the_width_field_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("up from the start") << QStringList{} << 1 << "3";
        QTest::newRow("down to the floor") << QStringList{} << -3 << "0";
        QTest::newRow("typed number") << QStringList{"57"} << 2 << "59";
        QTest::newRow("top stays") << QStringList{"99"} << 3 << "100";
        QTest::newRow("above the range, up disabled") << QStringList{"150"} << 1 << "150";
        QTest::newRow("above the range, down") << QStringList{"150"} << -1 << "99";
        QTest::newRow("below the range") << QStringList{"-7"} << 1 << "1";
        QTest::newRow("not a number") << QStringList{"abc"} << 1 << "3";
        QTest::newRow("not a number after one") << QStringList{"7", "7x"} << -1 << "6";
        QTest::newRow("empty") << QStringList{""} << -1 << "1";
    }

    void arrows_step_the_width_field() {
        QFETCH(QStringList, typed);
        QFETCH(int, steps);
        QFETCH(QString, expected);
        TempFolder dir;
        auto w = start_windows();
        auto *width = control<QLineEdit>(&w->Form1, "Edit21");
        for (const QString &text : typed)
            width->setText(text);
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::keyClick(width, steps > 0 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(width->text(), expected);
    }

    void arrows_respond_to_the_mouse() {
        TempFolder dir;
        auto w = start_windows();
        auto *tabs = control<QTabWidget>(&w->Form1, "PageControl1");
        tabs->setCurrentWidget(control<QWidget>(&w->Form1, "TabSheet10"));
        auto *arrows = control<QAbstractSpinBox>(&w->Form1, "UpDown1");
        auto *width = control<QLineEdit>(&w->Form1, "Edit21");
        QVERIFY(arrows->isVisible());
        QVERIFY(arrows->width() < width->width() / 2);
        QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(arrows->width() / 2, 3));
        QCOMPARE(width->text(), QStringLiteral("3"));
        QTest::mouseClick(arrows, Qt::LeftButton, {},
                          QPoint(arrows->width() / 2, arrows->height() - 4));
        QTest::mouseClick(arrows, Qt::LeftButton, {},
                          QPoint(arrows->width() / 2, arrows->height() - 4));
        QCOMPARE(width->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(ExtensionPagesTest)
#include "extension_pages_test.moc"
