// The page "文本换名": renaming the checked items to the lines of the name list, and the seven
// tools that fill, number, edit, save and use that list.

#include "page_fields.h"
#include "ui_test_support.h"

#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

using namespace tarvendi::test;

namespace {

// 出水莲 as typed and as GB18030 bytes.
const QString kLotus = QStringLiteral("出水莲");
const std::string kLotusGb = "\xB3\xF6\xCB\xAE\xC1\xAB";

struct Page {
    explicit Page(ApplicationWindows &w)
        : form(&w.Form1)
        , memo(control<QPlainTextEdit>(form, "Memo6"))
        , list(control<QListView>(form, "ListBox1"))
        , preview(control<QListView>(form, "ListBox2")) {}

    void click(const char *button) const { control<QPushButton>(form, button)->click(); }

    QObject *form;
    QPlainTextEdit *memo;
    QListView *list;
    QListView *preview;
};

// Fills Fpara's fields when given, then closes it the way `how` says.
void answer_para(QDialog *dialog, const QString &start, const QString &length, const QString &how) {
    if (!start.isNull())
        control<QLineEdit>(dialog, "Edit1")->setText(start);
    if (!length.isNull())
        control<QLineEdit>(dialog, "Edit2")->setText(length);
    if (how == QLatin1String("close"))
        dialog->close();
    else
        control<QPushButton>(dialog, how.toLatin1().constData())->click();
}

bool is_folder(const TempFolder &dir, const std::string &name) {
    return std::filesystem::is_directory(dir.path() + "/" + name);
}

} // namespace

class NameListPageTest : public QObject {
    Q_OBJECT

private slots:
    void rename_preview_takes_lines_in_order_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QList<int>>("unchecked");
        QTest::addColumn<QList<int>>("grayed");
        QTest::addColumn<QStringList>("expected");
        const QStringList two = {"a.mp3", "b.mp3"};
        const QStringList three = {"a.mp3", "b.mp3", "c.txt"};
        QTest::newRow("plain") << two << "Intro\nSong 2" << QStringList() << QList<int>()
                               << QList<int>() << QStringList({"Intro.mp3", "Song 2.mp3"});
        QTest::newRow("numbered from 9")
            << two << "Intro\nSong 2" << QStringList({"ComboBox1=##-", "Edit13=9"}) << QList<int>()
            << QList<int>() << QStringList({"09-Intro.mp3", "10-Song 2.mp3"});
        QTest::newRow("numbered from 100")
            << two << "Intro\nSong 2" << QStringList({"ComboBox1= ##- ", "Edit13=100"})
            << QList<int>() << QList<int>() << QStringList({"00-Intro.mp3", "01-Song 2.mp3"});
        QTest::newRow("line with its own extension")
            << two << "Intro.wav\n"
            << QStringList() << QList<int>() << QList<int>()
            << QStringList({"Intro.wav.mp3", ".mp3"});
        QTest::newRow("more checked items than lines")
            << three << "Intro" << QStringList() << QList<int>() << QList<int>()
            << QStringList({"Intro.mp3", ".mp3", ".txt"});
        QTest::newRow("more items than lines, numbered")
            << three << "Intro" << QStringList({"ComboBox1=##-"}) << QList<int>() << QList<int>()
            << QStringList({"01-Intro.mp3", "02-.mp3", "03-.txt"});
        QTest::newRow("unchecked item takes no line")
            << three << "x\ny\nz" << QStringList({"ComboBox1=#_"}) << QList<int>({1})
            << QList<int>() << QStringList({"1_x.mp3", "2_y.txt"});
        QTest::newRow("grayed item takes no line")
            << three << "x\ny\nz" << QStringList() << QList<int>() << QList<int>({0})
            << QStringList({"x.mp3", "y.txt"});
        QTest::newRow("blank line is used")
            << three << "x\n\nz" << QStringList() << QList<int>() << QList<int>()
            << QStringList({"x.mp3", ".mp3", "z.txt"});
        QTest::newRow("lines trimmed") << two << "  x \t\n y" << QStringList() << QList<int>()
                                       << QList<int>() << QStringList({"x.mp3", "y.mp3"});
        QTest::newRow("Chinese line") << two << kLotus << QStringList() << QList<int>()
                                      << QList<int>() << QStringList({kLotus + ".mp3", ".mp3"});
    }

    void rename_preview_takes_lines_in_order() {
        QFETCH(QStringList, files);
        QFETCH(QString, lines);
        QFETCH(QStringList, fields);
        QFETCH(QList<int>, unchecked);
        QFETCH(QList<int>, grayed);
        QFETCH(QStringList, expected);
        TempFolder dir;
        for (const QString &file : files)
            dir.file(file.toStdString());
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText(lines);
        set_fields(page.form, fields);
        set_checks(page.list, unchecked, grayed);
        BoxAnswerer boxes;
        page.click("Button15");
        QCOMPARE(texts_of(page.preview), expected);
        QVERIFY(boxes.texts.isEmpty());
        for (const QString &file : files)
            QVERIFY(dir.exists(file.toStdString()));
        QCOMPARE(page.memo->toPlainText(), lines);
    }

    void execute_renames_and_refreshes() {
        TempFolder dir;
        dir.file("a.mp3", "a");
        dir.file("b.mp3", "b");
        dir.file("c.mp3", "c");
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("Intro\n" + kLotus + "\n");
        set_check(page.list, 1, Qt::Unchecked);
        BoxAnswerer boxes;
        page.click("Button14");
        QCOMPARE(dir.read("Intro.mp3"), std::string("a"));
        QCOMPARE(dir.read(kLotus.toStdString() + ".mp3"), std::string("c"));
        QCOMPARE(dir.read("b.mp3"), std::string("b"));
        QVERIFY(boxes.texts.isEmpty());
        QVERIFY(texts_of(page.preview).isEmpty());
        QCOMPARE(texts_of(page.list), QStringList({"b.mp3", "Intro.mp3", kLotus + ".mp3"}));
        QCOMPARE(checks_of(page.list), QList<int>({2, 2, 2}));
    }

    // Names go through the memo as they are: a no-break space stays one.
    void extracted_names_rename_back_to_themselves() {
        TempFolder dir;
        dir.file("a\u00A0b.txt", "nbsp");
        auto w = start_windows();
        Page page(*w);
        page.click("Button16");
        page.click("Button14");
        QCOMPARE(dir.read("a\u00A0b.txt"), std::string("nbsp"));
        QVERIFY(!dir.exists("a b.txt"));
    }

    // The preview tells before anything happens which renames will fail, and why.
    void preview_shows_the_verdicts() {
        TempFolder dir;
        for (const char *name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"})
            dir.file(name);
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("b\nx\nx\n\ne");
        page.click("Button15");
        auto *model = page.preview->model();
        QStringList verdicts;
        QStringList reasons;
        for (int row = 0; row < model->rowCount(); ++row) {
            verdicts << model->index(row, 0).data(Qt::UserRole + 1).toString();
            reasons << model->index(row, 0).data(Qt::ToolTipRole).toString();
        }
        QCOMPARE(texts_of(page.preview), QStringList({"b.txt", "x.txt", "x.txt", ".txt", "e.txt"}));
        QCOMPARE(verdicts, QStringList({"exists", "rename", "duplicate", "invalid", "unchanged"}));
        QCOMPARE(reasons, QStringList({"目标已存在", "", "与前面的新名称重复",
                                       "新名称以\".\"开头，文件会被隐藏", "名称未变"}));
        QCOMPARE(model->index(0, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0xC0, 0x00, 0x00));
        auto *label = control<QLabel>(page.form, "Label26");
        QCOMPARE(label->text(), QStringLiteral("3 个将无法改名"));
        page.click("Button26");
        QVERIFY(texts_of(page.preview).isEmpty() && label->text().isEmpty());
    }

    void more_checked_items_than_lines_on_execute() {
        TempFolder dir;
        dir.file("a.mp3", "a");
        dir.file("b.mp3", "b");
        dir.file("c.mp3", "c");
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("Intro");
        BoxAnswerer boxes;
        page.click("Button14");
        // b.mp3 and c.mp3 would become the bare extension, a hidden file: both stay.
        QCOMPARE(dir.read("Intro.mp3"), std::string("a"));
        QCOMPARE(dir.read("b.mp3"), std::string("b"));
        QCOMPARE(dir.read("c.mp3"), std::string("c"));
        QVERIFY(!dir.exists(".mp3"));
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts[0].contains(
            QStringLiteral("b.mp3 → .mp3（新名称以\".\"开头，文件会被隐藏）")));
        QVERIFY(boxes.texts[0].contains(QStringLiteral("c.mp3 → .mp3")));
    }

    void directory_mode_takes_the_line_unchanged() {
        TempFolder dir;
        dir.folder("old");
        dir.folder("zz");
        auto w = start_windows();
        Page page(*w);
        control<QCheckBox>(page.form, "CheckBox13")->click();
        QCOMPARE(texts_of(page.list), QStringList({"[..]", "[.]", "[old]", "[zz]"}));
        page.memo->setPlainText("new.part\n" + kLotus);
        page.click("Button15");
        QCOMPARE(texts_of(page.preview), QStringList({"new.part", kLotus}));
        BoxAnswerer boxes;
        page.click("Button14");
        QVERIFY(is_folder(dir, "new.part"));
        QVERIFY(is_folder(dir, kLotus.toStdString()));
        QVERIFY(!dir.exists("old") && !dir.exists("zz"));
        QVERIFY(boxes.texts.isEmpty());
    }

    void rename_stops_on_missing_items_or_a_bad_start_number() {
        TempFolder dir;
        dir.file("a.mp3");
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("x");
        page.click("Button15");
        QCOMPARE(texts_of(page.preview), QStringList({"x.mp3"}));
        // The start number is read even when no template asks for it.
        control<QLineEdit>(page.form, "Edit13")->setText("1x");
        BoxAnswerer boxes;
        page.click("Button14");
        QCOMPARE(boxes.texts, QStringList({"'1x' is not a valid integer value"}));
        QVERIFY(texts_of(page.preview).isEmpty());
        QVERIFY(dir.exists("a.mp3"));

        page.click("Button28");
        page.click("Button14");
        QCOMPARE(boxes.texts.value(1), QStringLiteral("请首先选择需要改名的文件！"));
        QVERIFY(dir.exists("a.mp3"));
    }

    void extract_file_names_data() {
        QTest::addColumn<bool>("drop_extension");
        QTest::addColumn<QString>("expected");
        QTest::newRow("without extension") << true << "01 a\nb";
        QTest::newRow("with extension") << false << "01 a.mp3\nb.txt";
    }

    void extract_file_names() {
        QFETCH(bool, drop_extension);
        QFETCH(QString, expected);
        TempFolder dir;
        dir.file("01 a.mp3");
        dir.file("b.txt");
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("old text\n");
        set_check(page.list, 1, Qt::Unchecked);
        control<QCheckBox>(page.form, "chk_del_ext")->setChecked(drop_extension);
        page.click("Button16");
        QCOMPARE(page.memo->toPlainText(), expected);
        QCOMPARE(texts_of(page.list), QStringList({"01 a.mp3", "b.txt"}));
    }

    void extract_file_names_keeps_brackets_and_drops_folders() {
        TempFolder dir;
        dir.folder("a.b");
        dir.folder("cd");
        dir.file("x.txt");
        auto w = start_windows();
        Page page(*w);
        control<QCheckBox>(page.form, "CheckBox13")->click();
        page.click("Button16");
        QCOMPARE(page.memo->toPlainText(), QStringLiteral("[.\n[\n[a\n[cd]"));

        control<QCheckBox>(page.form, "CheckBox13")->click();
        control<QCheckBox>(page.form, "CheckBox1")->click();
        auto *files = control<QListView>(page.form, "FileListBox1");
        select_rows(files, {});
        select_rows(files, {0});
        QCOMPARE(texts_of(page.list),
                 QStringList({"x.txt", "", QString::fromStdString(dir.path() + "/x.txt")}));
        page.click("Button16");
        QCOMPARE(page.memo->toPlainText(), QStringLiteral("x\n\nx"));
    }

    void extract_file_names_from_an_empty_list() {
        TempFolder dir;
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("old");
        BoxAnswerer boxes;
        page.click("Button16");
        QVERIFY(page.memo->toPlainText().isEmpty());
        QCOMPARE(boxes.texts, QStringList({"请先选择需要操作的文件！"}));
    }

    void extract_folder_names_leaves_hidden_folders_out() {
        TempFolder dir;
        dir.folder("CD1");
        dir.folder("CD2");
        dir.folder(".hidden");
        dir.file("song.mp3");
        std::filesystem::create_directory_symlink(dir.path() + "/CD1", dir.path() + "/link");
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("old");
        QCOMPARE(texts_of(page.list), QStringList({"song.mp3"}));
        BoxAnswerer boxes;
        page.click("Button22");
        QVERIFY(texts_of(page.list).isEmpty());
        QCOMPARE(page.memo->toPlainText(), QStringLiteral("CD1\nCD2\nlink"));
        QVERIFY(boxes.texts.isEmpty());
    }

    void search_path_appends_and_ignores_unreadable_folders() {
        TempFolder dir;
        dir.folder("sub/A");
        dir.folder("sub/" + kLotus.toStdString());
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("first\n");
        BoxAnswerer boxes;
        QVERIFY(QMetaObject::invokeMethod(page.form, "DoSearchPathFile",
                                          Q_ARG(QString, QStringLiteral("sub/"))));
        QCOMPARE(page.memo->toPlainText(), "first\nA\n" + kLotus);
        QVERIFY(QMetaObject::invokeMethod(page.form, "DoSearchPathFile",
                                          Q_ARG(QString, QStringLiteral("missing"))));
        QCOMPARE(page.memo->toPlainText(), "first\nA\n" + kLotus);
        QVERIFY(boxes.texts.isEmpty());
    }

    void add_numbers_data() {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<int>("times");
        QTest::addColumn<QString>("expected");
        QTest::newRow("three lines") << "a\nb\nc" << 1 << "01_a\n02_b\n03_c";
        QTest::newRow("ten lines") << "a\nb\nc\nd\ne\nf\ng\nh\ni\nj" << 1
                                   << "01_a\n02_b\n03_c\n04_d\n05_e\n06_f\n07_g\n08_h\n09_i\n10_j";
        QTest::newRow("twice") << "a\nb" << 2 << "01_01_a\n02_02_b";
        QTest::newRow("blank lines numbered") << "a\n\nc" << 1 << "01_a\n02_\n03_c";
        QTest::newRow("final break is no line") << "a\nb\n" << 1 << "01_a\n02_b\n";
        QTest::newRow("empty list") << "" << 1 << "";
        QTest::newRow("Chinese") << kLotus << 1 << "01_" + kLotus;
    }

    void add_numbers() {
        QFETCH(QString, lines);
        QFETCH(int, times);
        QFETCH(QString, expected);
        TempFolder dir;
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText(lines);
        // Neither the rename's template nor its start number counts here.
        set_fields(page.form, {"ComboBox1=###-", "Edit13=x"});
        BoxAnswerer boxes;
        for (int i = 0; i < times; ++i)
            page.click("Button23");
        QCOMPARE(page.memo->toPlainText(), expected);
        QVERIFY(boxes.texts.isEmpty());
    }

    void delete_numbers_through_fpara_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults, preview button") << QString() << QString() << "Button1"
                                                  << "01_a\n02_b\n"
                                                  << "a\nb\n";
        QTest::newRow("defaults, ok button") << QString() << QString() << "Button2"
                                             << "01_a\n02_b"
                                             << "a\nb";
        QTest::newRow("defaults, close box") << QString() << QString() << "close"
                                             << "01_a\n02_b"
                                             << "a\nb";
        QTest::newRow("typed values") << "2"
                                      << "2"
                                      << "Button2"
                                      << "abcd\nxy\n\nq"
                                      << "ad\nx\n\nq";
        QTest::newRow("past the end") << "5"
                                      << "3"
                                      << "Button1"
                                      << "abcd"
                                      << "abcd";
        QTest::newRow("zero length") << "1"
                                     << "0"
                                     << "Button1"
                                     << "abcd"
                                     << "abcd";
        QTest::newRow("bytes of a Chinese line") << "3"
                                                 << "2"
                                                 << "Button1" << kLotus << QStringLiteral("出莲");
    }

    void delete_numbers_through_fpara() {
        QFETCH(QString, start);
        QFETCH(QString, length);
        QFETCH(QString, how);
        QFETCH(QString, lines);
        QFETCH(QString, expected);
        TempFolder dir;
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText(lines);
        DialogAnswerer dialogs([&](QDialog *dialog) { answer_para(dialog, start, length, how); });
        BoxAnswerer boxes;
        page.click("Button24");
        QCOMPARE(dialogs.answered, 1);
        QCOMPARE(page.memo->toPlainText(), expected);
        QVERIFY(boxes.texts.isEmpty());
    }

    void delete_numbers_keeps_values_and_reports_bad_ones() {
        TempFolder dir;
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("abcdef");
        QStringList seen;
        QString next_start = "2";
        DialogAnswerer dialogs([&](QDialog *dialog) {
            seen << control<QLineEdit>(dialog, "Edit1")->text() + "," +
                        control<QLineEdit>(dialog, "Edit2")->text();
            answer_para(dialog, next_start, QString(), "Button2");
        });
        BoxAnswerer boxes;
        page.click("Button24");
        QCOMPARE(page.memo->toPlainText(), QStringLiteral("aef"));
        next_start = "x";
        page.click("Button24");
        QCOMPARE(seen, QStringList({"1,3", "2,3"}));
        QCOMPARE(boxes.texts, QStringList({"'x' is not a valid integer value"}));
        QCOMPARE(page.memo->toPlainText(), QStringLiteral("aef"));
        // Without a line nothing is converted.
        page.memo->clear();
        page.click("Button24");
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(dialogs.answered, 3);
    }

    void replace_in_the_list_data() {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first occurrence only") << "_"
                                               << ""
                                               << "01_a_b"
                                               << "01a_b";
        QTest::newRow("every line, misses untouched") << "_"
                                                      << "-"
                                                      << "01_a_b\nnone\n_x\n"
                                                      << "01-a_b\nnone\n-x\n";
        QTest::newRow("blanks typed around delete more") << " _ "
                                                         << ""
                                                         << "a_bcd"
                                                         << "ad";
        QTest::newRow("empty search changes nothing") << ""
                                                      << "x"
                                                      << "ab\n"
                                                      << "ab\n";
        QTest::newRow("replacement as typed") << "b"
                                              << " B "
                                              << "abc"
                                              << "a B c";
        QTest::newRow("Chinese") << QStringLiteral("水") << QStringLiteral("池") << kLotus
                                 << QStringLiteral("出池莲");
        // 泄 is made of the second byte of 中 and the first of 国.
        QTest::newRow("never across characters")
            << QStringLiteral("泄") << "x" << QStringLiteral("中国泄") << QStringLiteral("中国x");
    }

    void replace_in_the_list() {
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(QString, lines);
        QFETCH(QString, expected);
        TempFolder dir;
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText(lines);
        set_fields(page.form, {"Edit22=" + find, "Edit23=" + replacement});
        page.click("Button40");
        QCOMPARE(page.memo->toPlainText(), expected);
    }

    void save_writes_crlf_lines_in_gb18030() {
        TempFolder dir;
        dir.file("old.txt", "0123456789 longer than the list");
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("Intro\n" + kLotus);
        QString chosen = QString::fromStdString(dir.path() + "/names");
        QStringList filters;
        QString suffix;
        QStringList offered;
        DialogAnswerer dialogs([&](QDialog *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            QVERIFY(files);
            filters = files->nameFilters();
            suffix = files->defaultSuffix();
            offered << files->selectedFiles().value(0);
            // Typed into the name field, as a user would.
            control<QLineEdit>(files, "fileNameEdit")->setText(chosen);
            dialog->accept();
        });
        BoxAnswerer boxes;
        page.click("Button17");
        QCOMPARE(filters, QStringList({"文本文件 (*.txt)"}));
        QCOMPARE(suffix, QStringLiteral("txt"));
        QCOMPARE(dir.read("names.txt"), "Intro\r\n" + kLotusGb);

        // An existing file is replaced without a question, a final line break is kept.
        page.memo->setPlainText("a\n\nb\n");
        chosen = QString::fromStdString(dir.path() + "/old.txt");
        page.click("Button17");
        QCOMPARE(dir.read("old.txt"), std::string("a\r\n\r\nb\r\n"));
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(page.memo->toPlainText(), QStringLiteral("a\n\nb\n"));
        // The dialog offers the file chosen last time.
        QCOMPARE(offered.value(1), QString::fromStdString(dir.path() + "/names.txt"));
    }

    void save_error_names_the_file() {
        TempFolder dir;
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("a");
        const QString target = QString::fromStdString(dir.path() + "/missing/names.txt");
        DialogAnswerer dialogs([&](QDialog *dialog) {
            control<QLineEdit>(dialog, "fileNameEdit")->setText(target);
            dialog->accept();
        });
        BoxAnswerer boxes;
        page.click("Button17");
        QCOMPARE(boxes.texts, QStringList({"找不到文件：\"" + target + "\""}));
        QCOMPARE(page.memo->toPlainText(), QStringLiteral("a"));
    }

    void save_cancelled_writes_nothing() {
        TempFolder dir;
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText("a");
        DialogAnswerer dialogs([&](QDialog *dialog) {
            control<QLineEdit>(dialog, "fileNameEdit")
                ->setText(QString::fromStdString(dir.path() + "/names.txt"));
            dialog->reject();
        });
        page.click("Button17");
        QCOMPARE(dialogs.answered, 1);
        QVERIFY(!dir.exists("names.txt"));
    }

    void create_folders_data() {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QStringList>("created");
        QTest::addColumn<QStringList>("absent");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty line stops")
            << "CD1\n\nCD2" << QStringList({"CD1"}) << QStringList({"CD2"}) << "名称或操作无效";
        QTest::newRow("blank line stops")
            << "CD1\n   \nCD2" << QStringList({"CD1"}) << QStringList({"CD2", "   "})
            << "名称或操作无效：\"   \"";
        QTest::newRow("control byte stops")
            << "CD1\nA\tB\nCD2" << QStringList({"CD1"}) << QStringList({"CD2", "A\tB"})
            << "名称或操作无效：\"A\\tB\"";
        QTest::newRow("empty last level stops")
            << "CD1\nCD1/\nCD2" << QStringList({"CD1"}) << QStringList({"CD2"})
            << "名称或操作无效：\"CD1/\"";
        QTest::newRow("missing parent stops")
            << "CD1\nno/CD3\nCD2" << QStringList({"CD1"}) << QStringList({"CD2", "no"})
            << "找不到文件：\"no/CD3\"";
        QTest::newRow("file of that name stops")
            << "a.txt\nCD2" << QStringList() << QStringList({"CD2"}) << "目标已存在：\"a.txt\"";
        QTest::newRow("all created")
            << "CD1\n CD2 \n" + kLotus + "\nCD1/sub\n"
            << QStringList({"CD1", " CD2 ", kLotus, "CD1/sub"}) << QStringList() << QString();
        QTest::newRow("existing folders and the current one")
            << "old\n.\nold" << QStringList({"old"}) << QStringList() << QString();
        QTest::newRow("empty list") << "" << QStringList() << QStringList() << QString();
    }

    void create_folders() {
        QFETCH(QString, lines);
        QFETCH(QStringList, created);
        QFETCH(QStringList, absent);
        QFETCH(QString, error);
        TempFolder dir;
        dir.file("a.txt");
        dir.folder("old");
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText(lines);
        BoxAnswerer boxes;
        page.click("Button2");
        for (const QString &name : created)
            QVERIFY2(is_folder(dir, name.toStdString()), qPrintable(name));
        for (const QString &name : absent)
            QVERIFY2(!dir.exists(name.toStdString()), qPrintable(name));
        QCOMPARE(boxes.texts, QStringList({error.isNull() ? QStringLiteral("创建成功！") : error}));
        QCOMPARE(boxes.icons.value(0),
                 error.isNull() ? QMessageBox::Information : QMessageBox::Critical);
    }

    void create_folders_takes_absolute_paths() {
        TempFolder dir;
        dir.folder("other");
        auto w = start_windows();
        Page page(*w);
        page.memo->setPlainText(QString::fromStdString(dir.path() + "/other/made"));
        BoxAnswerer boxes;
        page.click("Button2");
        QVERIFY(is_folder(dir, "other/made"));
        QCOMPARE(boxes.texts, QStringList({"创建成功！"}));
    }
};

QTEST_MAIN(NameListPageTest)
#include "name_list_page_test.moc"
