// The pages "字符模糊替换", "序号替换", "替换" and "正则替换": their controls, preview and execute
// through the shared pass, the start number the first two share, and the faults the searching rules
// mend.

#include "page_fields.h"
#include "ui_test_support.h"

#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tarvendi::test;

class ReplacePagesTest : public QObject {
    Q_OBJECT

private slots:
    void preview_lists_checked_items_only_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QList<int>>("unchecked");
        QTest::addColumn<QList<int>>("grayed");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("range: worked example")
            << QStringList{"03-出水莲.mp3"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit1=0", "Edit2=-", "edit7=##-", "Edit20=7"} << "Button9"
            << QStringList{"07-出水莲.mp3"};
        QTest::newRow("range: unchecked and grayed items take no number")
            << QStringList{"x-a.txt", "x-b.txt", "x-c.txt", "x-d.txt"} << QList<int>{1}
            << QList<int>{2} << QStringList{"Edit1=x", "Edit2=-", "edit7=##-", "Edit20=1"}
            << "Button9" << QStringList{"01-a.txt", "02-d.txt"};
        QTest::newRow("range: start text trimmed, blanks around the end lengthen")
            << QStringList{"a-b-c.txt"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit1= a ", "Edit2= - ", "edit7=X"} << "Button9"
            << QStringList{"Xc.txt"};
        QTest::newRow("range: extension cut")
            << QStringList{"song.mp3"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit1=x", "CheckBox4=1"} << "Button9" << QStringList{"song"};
        QTest::newRow("range: hash of a name filled")
            << QStringList{"C#.txt"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit1=zz", "Edit20=5"} << "Button9" << QStringList{"C5.txt"};
        QTest::newRow("range: 泄 is not inside 中国")
            << QStringList{"中国.txt"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit1=泄", "Edit2=泄", "edit7=X"} << "Button9"
            << QStringList{"中国.txt"};
        QTest::newRow("range: Z is not inside 語")
            << QStringList{"語Z.txt"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit1=Z", "Edit2=Z", "edit7=z"} << "Button9" << QStringList{"語z.txt"};

        QTest::newRow("sequence: the tab's example")
            << QStringList{"03-出水莲", "00-春江花月夜"} << QList<int>{} << QList<int>{}
            << QStringList{"edit19=中国名曲-###."} << "Button21"
            << QStringList{"中国名曲-001.春江花月夜", "中国名曲-002.出水莲"};
        QTest::newRow("sequence: unchecked and grayed items take no number")
            << QStringList{"01-a", "02-b", "03-c", "04-d"} << QList<int>{1} << QList<int>{2}
            << QStringList{"Edit4=5"} << "Button21" << QStringList{"05-a", "06-d"};
        QTest::newRow("sequence: defaults keep the inner blank")
            << QStringList{"123 song.mp3"} << QList<int>{} << QList<int>{} << QStringList{}
            << "Button21" << QStringList{"01- song.mp3"};
        QTest::newRow("sequence: position past the end appends")
            << QStringList{"a.mp3"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit17=20", "edit19=-##"} << "Button21" << QStringList{"a.mp3-01"};
        QTest::newRow("sequence: the item is not trimmed")
            << QStringList{" 12x"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit17=1", "Edit18=1", "edit19="} << "Button21" << QStringList{"12x"};

        QTest::newRow("replace: first occurrence only")
            << QStringList{"a-b-c.txt"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit5=-", "Edit6=_"} << "Button31" << QStringList{"a_b-c.txt"};
        QTest::newRow("replace: unchecked and grayed items get no line")
            << QStringList{"a-1.txt", "b-1.txt", "c-1.txt", "d-1.txt"} << QList<int>{1}
            << QList<int>{2} << QStringList{"Edit5=-", "Edit6=_"} << "Button31"
            << QStringList{"a_1.txt", "d_1.txt"};
        QTest::newRow("replace: blanks around the search text are deleted")
            << QStringList{"a-b c"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit5= - ", "Edit6=_"} << "Button31" << QStringList{"a_c"};
        QTest::newRow("replace: case-sensitive")
            << QStringList{"abc.txt"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit5=ABC", "Edit6=x"} << "Button31" << QStringList{"abc.txt"};
        QTest::newRow("replace: extension cut")
            << QStringList{"song.mp3"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit5=so", "Edit6=mu", "CheckBox11=1"} << "Button31"
            << QStringList{"mung"};
        QTest::newRow("replace: 泄 is not inside 中国")
            << QStringList{"中国.txt"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit5=泄", "Edit6=x"} << "Button31" << QStringList{"中国.txt"};
        QTest::newRow("replace: Z is not inside 語")
            << QStringList{"語.txt", "語Z.txt"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit5=Z", "Edit6=z"} << "Button31" << QStringList{"語.txt", "語z.txt"};
        QTest::newRow("regex: groups swapped")
            << QStringList{"歌手 - 歌名.mp3"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit24=^(.+) - (.+)$", "Edit25=$2 - $1"} << "Button41"
            << QStringList{"歌名 - 歌手.mp3"};
        QTest::newRow("regex: . is one character, first match only")
            << QStringList{"中文.txt"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit24=.", "Edit25=x", "CheckBox15=0"} << "Button41"
            << QStringList{"x文.txt"};
        QTest::newRow("regex: any case, with the extension, then title case")
            << QStringList{"ab.TXT"} << QList<int>{} << QList<int>{}
            << QStringList{"Edit24=txt", "Edit25=md", "CheckBox14=0", "CheckBox16=1",
                           "ComboBox2=首字母大写"}
            << "Button41" << QStringList{"Ab.Md"};
        QTest::newRow("regex: no pattern, only the case")
            << QStringList{"abc.txt"} << QList<int>{} << QList<int>{}
            << QStringList{"ComboBox2=全部大写"} << "Button41" << QStringList{"ABC.txt"};
    }

    void preview_lists_checked_items_only() {
        QFETCH(QStringList, files);
        QFETCH(QList<int>, unchecked);
        QFETCH(QList<int>, grayed);
        QFETCH(QStringList, fields);
        QFETCH(QString, button);
        QFETCH(QStringList, expected);
        TempFolder dir;
        preview_case(dir, files, unchecked, grayed, fields, button, expected);
    }

    void execute_renames_and_refreshes_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("renamed");
        QTest::newRow("range") << QStringList{"Edit1=x", "Edit2=-", "edit7=##-", "Edit20=3"}
                               << "Button1" << QStringList{"03-a.txt", "04-b.txt"};
        QTest::newRow("sequence") << QStringList{"Edit18=2", "edit19=###_", "Edit4=9"} << "Button25"
                                  << QStringList{"009_a.txt", "010_b.txt"};
        QTest::newRow("replace") << QStringList{"Edit5=x-", "Edit6=y_"} << "Button32"
                                 << QStringList{"y_a.txt", "y_b.txt"};
        QTest::newRow("regex") << QStringList{"Edit24=^x-", "Edit25=y_"} << "Button42"
                               << QStringList{"y_a.txt", "y_b.txt"};
    }

    void execute_renames_and_refreshes() {
        QFETCH(QStringList, fields);
        QFETCH(QString, button);
        QFETCH(QStringList, renamed);
        TempFolder dir;
        execute_case(dir, {"x-a.txt", "x-b.txt"}, fields, button, renamed);
    }

    void status_panel_shows_the_trimmed_name_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("panel");
        QTest::newRow("range") << "Button9"
                               << "b.txt";
        QTest::newRow("replace") << "Button31"
                                 << "b.txt";
        QTest::newRow("sequence leaves it") << "Button21"
                                            << "before";
    }

    void status_panel_shows_the_trimmed_name() {
        QFETCH(QString, button);
        QFETCH(QString, panel);
        TempFolder dir;
        for (const char *name : {" b.txt", "a.txt", "c.txt"})
            dir.file(name);
        auto w = start_windows();
        QCOMPARE(texts_of(working_list(*w)), QStringList({" b.txt", "a.txt", "c.txt"}));
        set_checks(working_list(*w), {1}, {2});
        control<QLabel>(&w->Form1, "StatusBar1Panel0")->setText("before");
        click(*w, button);
        QCOMPARE(texts_of(preview_list(*w)).size(), 1);
        QCOMPARE(control<QLabel>(&w->Form1, "StatusBar1Panel0")->text(), panel);
    }

    void bad_number_stops_before_any_rename_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("preview");
        QTest::addColumn<QString>("execute");
        QTest::newRow("range start number") << "Edit20=x1"
                                            << "Button9"
                                            << "Button1";
        QTest::newRow("sequence start number") << "Edit4=1.5"
                                               << "Button21"
                                               << "Button25";
        QTest::newRow("sequence position") << "Edit17=p"
                                           << "Button21"
                                           << "Button25";
        QTest::newRow("sequence length") << "Edit18="
                                         << "Button21"
                                         << "Button25";
    }

    void bad_number_stops_before_any_rename() {
        QFETCH(QString, field);
        QFETCH(QString, preview);
        QFETCH(QString, execute);
        TempFolder dir;
        dir.file("a.txt");
        auto w = start_windows();
        click(*w, preview);
        QCOMPARE(texts_of(preview_list(*w)).size(), 1);
        set_fields(&w->Form1, {field});
        BoxAnswerer boxes;
        click(*w, execute);
        const QString typed = field.mid(field.indexOf('=') + 1);
        QCOMPARE(boxes.texts, QStringList({"'" + typed + "' is not a valid integer value"}));
        QCOMPARE(boxes.icons.value(0), QMessageBox::Critical);
        QVERIFY(texts_of(preview_list(*w)).isEmpty());
        QVERIFY(dir.exists("a.txt"));
    }

    // A pattern that does not compile says where, and nothing is previewed or renamed.
    void bad_pattern_stops_before_anything() {
        TempFolder dir;
        dir.file("a.txt");
        auto w = start_windows();
        set_fields(&w->Form1, {"Edit24=中(", "Edit25=x"});
        BoxAnswerer boxes(QMessageBox::Ok);
        click(*w, "Button42");
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts[0].contains(QStringLiteral("第 3 个字符")));
        QVERIFY(texts_of(preview_list(*w)).isEmpty());
        QVERIFY(dir.exists("a.txt"));
    }

    void bad_position_needs_a_checked_item() {
        TempFolder dir;
        dir.file("a.txt");
        auto w = start_windows();
        set_checks(working_list(*w), {0}, {});
        set_fields(&w->Form1, {"Edit17=p"});
        BoxAnswerer boxes;
        click(*w, "Button21");
        QVERIFY(boxes.texts.isEmpty());
        QVERIFY(texts_of(preview_list(*w)).isEmpty());
    }

    void start_number_is_shared() {
        TempFolder dir;
        dir.file("03-a");
        auto w = start_windows();
        auto *range_start = control<QLineEdit>(&w->Form1, "Edit20");
        auto *sequence_start = control<QLineEdit>(&w->Form1, "Edit4");
        QSignalSpy range_changes(range_start, &QLineEdit::textChanged);
        QSignalSpy sequence_changes(sequence_start, &QLineEdit::textChanged);

        range_start->setText("5");
        QCOMPARE(sequence_start->text(), QStringLiteral("5"));
        QCOMPARE(range_changes.size(), 1);
        QCOMPARE(sequence_changes.size(), 1);

        QTest::keyClicks(sequence_start, "7");
        QCOMPARE(range_start->text(), QStringLiteral("57"));
        QCOMPARE(range_changes.size(), 2);
        QCOMPARE(sequence_changes.size(), 2);

        click(*w, "Button21");
        QCOMPARE(texts_of(preview_list(*w)), QStringList({"57-a"}));
        set_fields(&w->Form1, {"Edit1=0", "Edit2=-"});
        click(*w, "Button9");
        QCOMPARE(texts_of(preview_list(*w)), QStringList({"57-a"}));
    }

    void name_buttons_fill_the_search_fields() {
        TempFolder dir;
        dir.file("song.mp3");
        dir.file("talk.mp3");
        auto w = start_windows();
        auto *start = control<QLineEdit>(&w->Form1, "Edit1");
        auto *find = control<QLineEdit>(&w->Form1, "Edit5");
        QCOMPARE(start->text(), QStringLiteral("talk"));
        set_fields(&w->Form1, {"Edit2=end", "Edit6=keep"});
        click(*w, "Button33");
        QCOMPARE(start->text(), QStringLiteral("song"));
        click(*w, "Button36");
        QCOMPARE(find->text(), QStringLiteral("song-##"));
        click(*w, "Button37");
        QVERIFY(find->text().isEmpty());
        QCOMPARE(control<QLineEdit>(&w->Form1, "Edit2")->text(), QStringLiteral("end"));
        QCOMPARE(control<QLineEdit>(&w->Form1, "Edit6")->text(), QStringLiteral("keep"));
    }

    void empty_working_list_is_reported_first() {
        TempFolder dir;
        dir.file("a.txt");
        auto w = start_windows();
        click(*w, "Button9");
        control<QPushButton>(&w->Form1, "Button28")->click();
        set_fields(&w->Form1, {"Edit20=bad", "Edit17=bad"});
        BoxAnswerer boxes;
        for (const char *button :
             {"Button1", "Button9", "Button25", "Button31", "Button33", "Button36"})
            click(*w, button);
        QCOMPARE(boxes.texts, QStringList(6, "请首先选择需要改名的文件！"));
        QCOMPARE(texts_of(preview_list(*w)), QStringList({"01-a.txt"}));
    }

    void trimmed_rule_input_renames_the_item_as_it_stands_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("button");
        QTest::newRow("range") << QStringList{"Edit1=-", "Edit2=-", "edit7=_"} << "Button1";
        QTest::newRow("replace") << QStringList{"Edit5=-", "Edit6=_"} << "Button32";
    }

    void trimmed_rule_input_renames_the_item_as_it_stands() {
        QFETCH(QStringList, fields);
        QFETCH(QString, button);
        TempFolder dir;
        dir.file(" a-b.txt", "blank");
        dir.file("a-b.txt", "plain");
        auto w = start_windows();
        QCOMPARE(texts_of(working_list(*w)), QStringList({" a-b.txt", "a-b.txt"}));
        set_checks(working_list(*w), {1}, {});
        set_fields(&w->Form1, fields);
        BoxAnswerer boxes;
        click(*w, button);
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(dir.read("a_b.txt"), std::string("blank"));
        QCOMPARE(dir.read("a-b.txt"), std::string("plain"));
        QVERIFY(!dir.exists(" a-b.txt"));
    }

    void accumulated_path_keeps_its_folder_data() {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("renamed");
        QTest::newRow("range changing the folder")
            << QStringList{"Edit1=tmp", "Edit2=tmp", "edit7=TMP"} << "Button1"
            << "";
        QTest::newRow("range within the name")
            << QStringList{"Edit1=a-", "Edit2=a-", "edit7=z_"} << "Button1"
            << "z_b.txt";
        QTest::newRow("sequence changing the folder")
            << QStringList{"Edit17=1", "Edit18=1", "edit19=##"} << "Button25"
            << "";
        QTest::newRow("replace changing the folder")
            << QStringList{"Edit5=tmp", "Edit6=TMP"} << "Button32"
            << "";
        QTest::newRow("replace within the name")
            << QStringList{"Edit5=a-", "Edit6=z_"} << "Button32"
            << "z_b.txt";
    }

    void accumulated_path_keeps_its_folder() {
        QFETCH(QStringList, fields);
        QFETCH(QString, button);
        QFETCH(QString, renamed);
        TempFolder dir;
        dir.file("a-b.txt", "content");
        dir.file("other.txt");
        auto w = start_windows();
        control<QCheckBox>(&w->Form1, "CheckBox1")->setChecked(true);
        select_rows(control<QListView>(&w->Form1, "FileListBox1"), {0});
        const QString path = QString::fromStdString(dir.path()) + "/a-b.txt";
        QCOMPARE(texts_of(working_list(*w)), QStringList({"a-b.txt", "other.txt", path}));
        set_checks(working_list(*w), {0, 1}, {});
        set_fields(&w->Form1, fields);
        BoxAnswerer boxes;
        click(*w, button);
        if (renamed.isEmpty()) {
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY(boxes.texts[0].contains(path + " → "));
            QCOMPARE(dir.read("a-b.txt"), std::string("content"));
        } else {
            QVERIFY(boxes.texts.isEmpty());
            QCOMPARE(dir.read(renamed.toStdString()), std::string("content"));
        }
    }

    void empty_new_name_is_refused_and_the_pass_goes_on() {
        TempFolder dir;
        dir.file("abc");
        dir.file("z#");
        auto w = start_windows();
        set_fields(&w->Form1, {"Edit1=a", "Edit2=c", "edit7="});
        click(*w, "Button9");
        QCOMPARE(texts_of(preview_list(*w)), QStringList({"", "z2"}));
        BoxAnswerer boxes;
        click(*w, "Button1");
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts[0].contains("abc → "));
        QCOMPARE(texts_of(working_list(*w)), QStringList({"abc", "z2"}));
    }
};

QTEST_MAIN(ReplacePagesTest)
#include "replace_pages_test.moc"
