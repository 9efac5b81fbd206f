// The working list as the user fills it: start folder, selections, check states, directory and
// accumulate mode, filter changes and the path field.

#include "page_fields.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

using namespace tarvendi::test;

class WorkingListTest : public QObject {
    Q_OBJECT

private:
    // A folder with three files, a hidden file, a read-only file and a sub-folder.
    void populate(const TempFolder &dir) {
        dir.file("b.txt");
        dir.file("A.mp3");
        dir.file("c.doc");
        dir.folder("sub");
    }

private slots:
    void start_fills_every_entry_checked() {
        TempFolder dir;
        populate(dir);
        auto w = start_windows();
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        QCOMPARE(texts_of(list), QStringList({"A.mp3", "b.txt", "c.doc"}));
        QCOMPARE(checks_of(list), QList<int>({2, 2, 2}));
        QVERIFY(texts_of(control<QListView>(&w->Form1, "ListBox2")).isEmpty());
        QCOMPARE(control<QLineEdit>(&w->Form1, "Edit16")->text(),
                 QString::fromStdString(dir.path() + "/"));
    }

    void windows_and_objects_exist_at_start() {
        TempFolder dir;
        auto w = start_windows();
        QCOMPARE(w->Form1.windowTitle(),
                 QStringLiteral("Tarvendi（含mp3标签自动操作）7.1  绿色版"));
        QCOMPARE(w->Form2.objectName(), QStringLiteral("Form2"));
        QVERIFY(!w->Form2.isVisible());
        QCOMPARE(w->Fabout.objectName(), QStringLiteral("Fabout"));
        QCOMPARE(w->Fpara.objectName(), QStringLiteral("Fpara"));
        QCOMPARE(w->Fpara2.objectName(), QStringLiteral("Fpara2"));
        QObject *tags = w->Form1.findChild<QObject *>(QStringLiteral("MP3Info1"));
        QVERIFY(tags);
        QCOMPARE(tags->property("GenreID").toInt(), 12);
        QCOMPARE(tags->property("Genre").toByteArray(), QByteArray("Other"));
        auto *pages = control<QTabWidget>(&w->Form1, "PageControl1");
        QStringList captions;
        for (int i = 0; i < pages->count(); ++i)
            captions << pages->tabText(i);
        QCOMPARE(captions, QStringList({"文本换名", "通配符改名", "替换", "字符模糊替换",
                                        "序号替换", "特殊改名", "修改扩展名", "mp3标签",
                                        "mp3通配符换名", "数字位补0", "正则替换"}));
        QCOMPARE(pages->currentIndex(), 0);
    }

    // "按数字大小排序" sorts the file list, and so the working list, by the value of the digits at
    // once, and is remembered.
    void numeric_order_is_applied_at_once_and_remembered() {
        TempFolder dir;
        for (const char *name : {"t10.txt", "t9.txt", "T2.txt"})
            dir.file(name);
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        auto *picked = control<QListView>(&w->Form1, "ListBox1");
        QCOMPARE(texts_of(files), QStringList({"t10.txt", "T2.txt", "t9.txt"}));
        auto *option = w->Form1.findChild<QAction *>("N17");
        QVERIFY(option && option->isCheckable() && !option->isChecked());
        option->trigger();
        QCOMPARE(texts_of(files), QStringList({"T2.txt", "t9.txt", "t10.txt"}));
        QCOMPARE(texts_of(picked), QStringList({"T2.txt", "t9.txt", "t10.txt"}));
        w.reset();
        w = start_windows();
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "FileListBox1")),
                 QStringList({"T2.txt", "t9.txt", "t10.txt"}));
        w->Form1.findChild<QAction *>("N17")->trigger(); // off again for the tests after this one
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "FileListBox1")),
                 QStringList({"t10.txt", "T2.txt", "t9.txt"}));
    }

    void start_in_a_folder_that_is_gone_begins_at_home() {
        TempFolder dir;
        dir.folder("gone");
        std::filesystem::current_path(dir.path() + "/gone");
        std::filesystem::remove(dir.path() + "/gone");
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", QByteArray::fromStdString(dir.path()));
        auto w = start_windows();
        qputenv("HOME", home);
        QCOMPARE(control<QLineEdit>(&w->Form1, "Edit16")->text(),
                 QString::fromStdString(dir.path()));
        QCOMPARE(std::filesystem::current_path().string(), dir.path());
    }

    void empty_start_folder_leaves_lists_empty() {
        TempFolder dir;
        dir.folder("only-a-folder");
        auto w = start_windows();
        QVERIFY(texts_of(control<QListView>(&w->Form1, "ListBox1")).isEmpty());
    }

    void selection_rebuilds_working_list() {
        TempFolder dir;
        populate(dir);
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        control<QLineEdit>(&w->Form1, "Edit1")->clear();

        select_rows(files, {0, 2});
        QCOMPARE(texts_of(list), QStringList({"A.mp3", "c.doc"}));
        QCOMPARE(checks_of(list), QList<int>({2, 2}));
        const QString folder = QString::fromStdString(dir.path() + "/");
        QCOMPARE(control<QLabel>(&w->Form1, "StatusBar1Panel0")->text(), folder);
        QCOMPARE(control<QLineEdit>(&w->Form1, "Edit16")->text(), folder);
        QCOMPARE(control<QLineEdit>(&w->Form1, "Edit1")->text(), QStringLiteral("c"));

        select_rows(files, {});
        QVERIFY(texts_of(list).isEmpty());
        QCOMPARE(control<QLabel>(&w->Form1, "StatusBar1Panel0")->text(),
                 QStringLiteral("选中文件数：0"));
    }

    void check_states_step_and_check_all() {
        TempFolder dir;
        populate(dir);
        auto w = start_windows();
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        list->setFocus();
        list->setCurrentIndex(list->model()->index(1, 0));
        // Checked -> unchecked -> grayed -> checked, by the space bar.
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(checks_of(list), QList<int>({2, 0, 2}));
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(checks_of(list), QList<int>({2, 1, 2}));

        auto *all = control<QCheckBox>(&w->Form1, "CheckBox12");
        all->click();
        QCOMPARE(checks_of(list), QList<int>({0, 1, 0}));
        all->click();
        QCOMPARE(checks_of(list), QList<int>({2, 2, 2}));

        list->selectionModel()->select(list->model()->index(0, 0),
                                       QItemSelectionModel::ClearAndSelect);
        invoke(&w->Form1, "ListBox1DblClick");
        QCOMPARE(checks_of(list), QList<int>({0, 2, 2}));
    }

    void take_out_removes_focused_item() {
        TempFolder dir;
        populate(dir);
        auto w = start_windows();
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        list->setCurrentIndex(list->model()->index(1, 0));
        control<QPushButton>(&w->Form1, "Button28")->click();
        QCOMPARE(texts_of(list), QStringList({"A.mp3", "c.doc"}));
    }

    void directory_mode_lists_folders_with_dot_entries_unchecked() {
        TempFolder dir;
        populate(dir);
        dir.file("ro.txt");
        std::filesystem::permissions(dir.path() + "/ro.txt", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        auto w = start_windows();
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        control<QCheckBox>(&w->Form1, "CheckBox13")->click();
        // Folders, and files only when read-only or hidden; "[" sorts before letters.
        QCOMPARE(texts_of(list), QStringList({"[..]", "[.]", "[sub]", "ro.txt"}));
        QCOMPARE(checks_of(list), QList<int>({0, 0, 2, 2}));
        QCOMPARE(control<QComboBox>(&w->Form1, "FilterComboBox1")->itemText(0),
                 QStringLiteral("所有 (*.*)"));

        control<QCheckBox>(&w->Form1, "CheckBox13")->click();
        QCOMPARE(texts_of(list), QStringList({"A.mp3", "b.txt", "c.doc", "ro.txt"}));
    }

    void accumulate_mode_appends_full_paths() {
        TempFolder dir;
        populate(dir);
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        control<QCheckBox>(&w->Form1, "CheckBox1")->setChecked(true);
        select_rows(files, {1});
        select_rows(files, {2});
        const QString folder = QString::fromStdString(dir.path());
        QCOMPARE(texts_of(list),
                 QStringList({"A.mp3", "b.txt", "c.doc", folder + "/b.txt", folder + "/c.doc"}));
    }

    // Each click is one pick, also when it leaves the selection as it was.
    void every_click_in_the_file_list_is_one_pick() {
        TempFolder dir;
        dir.file("a.txt", "a");
        dir.file("b.txt", "b");
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        select_rows(files, {0});
        control<QCheckBox>(&w->Form1, "CheckBox1")->setChecked(true);
        const QString a = QString::fromStdString(dir.path() + "/a.txt");
        const QString b = QString::fromStdString(dir.path() + "/b.txt");

        click_row(files, 0); // already the only selected entry
        click_row(files, 0);
        QCOMPARE(texts_of(list), QStringList({"a.txt", a, a}));
        click_row(files, 1); // changes the selection: still one pick
        QCOMPARE(texts_of(list), QStringList({"a.txt", a, a, b}));
        files->setFocus();
        QTest::keyClick(files, Qt::Key_Up);
        QCOMPARE(texts_of(list), QStringList({"a.txt", a, a, b, a}));

        // A rule works on an item added that way.
        set_checks(list, {0, 2, 3, 4}, {});
        set_fields(&w->Form1, {"Edit5=.txt", "Edit6=.wav"});
        click(*w, "Button32");
        QCOMPARE(dir.read("a.wav"), std::string("a"));
    }

    // "." and ".." are known by kind wherever they sort, and a file listed in directory mode
    // keeps its whole name.
    void directory_mode_renames_entries_by_kind_and_real_name() {
        TempFolder dir;
        dir.folder("-old");
        dir.folder("sub");
        dir.file("~ro.txt", "ro");
        dir.file("ro.tx", "other");
        std::filesystem::permissions(dir.path() + "/~ro.txt", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        auto w = start_windows();
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        control<QCheckBox>(&w->Form1, "CheckBox13")->click();
        QCOMPARE(texts_of(list), QStringList({"[-old]", "[..]", "[.]", "[sub]", "~ro.txt"}));
        QCOMPARE(checks_of(list), QList<int>({2, 0, 0, 2, 2}));
        auto *filter = control<QComboBox>(&w->Form1, "FilterComboBox1");
        emit filter->activated(0);
        set_check(list, 1, Qt::Checked);
        QCOMPARE(checks_of(list), QList<int>({2, 0, 0, 2, 2}));
        QVERIFY(texts_of(control<QListView>(&w->Form1, "DirectoryListBox1")).contains("sub"));

        set_fields(&w->Form1, {"edit10=*_#", "Edit11=1"});
        click(*w, "Button6");
        QVERIFY(dir.is_folder("-old_1") && dir.is_folder("sub_2"));
        QCOMPARE(dir.read("~ro_3.txt"), std::string("ro"));
        QCOMPARE(dir.read("ro.tx"), std::string("other"));
    }

    void path_field_tells_folders_apart_by_letter_case() {
        TempFolder dir;
        dir.folder("sub");
        dir.folder("SUB");
        dir.file("sub/lower.txt");
        dir.file("SUB/upper.txt");
        std::filesystem::current_path(dir.path() + "/sub");
        auto w = start_windows();
        auto *path = control<QLineEdit>(&w->Form1, "Edit16");
        path->setText(QString::fromStdString(dir.path() + "/SUB"));
        invoke(&w->Form1, "Edit16KeyPress");
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox1")), QStringList({"upper.txt"}));
    }

    void a_taller_window_gives_the_lists_the_room() {
        TempFolder dir;
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        auto *pages = control<QTabWidget>(&w->Form1, "PageControl1");
        const int files_height = files->height();
        const int pages_height = pages->height();
        w->Form1.resize(w->Form1.width(), w->Form1.height() + 200);
        QApplication::processEvents();
        QCOMPARE(pages->height(), pages_height);
        QCOMPARE(files->height(), files_height + 200);
    }

    void help_opens_the_guide_or_tells_where_it_is() {
        TempFolder dir;
        auto w = start_windows();
        // The offscreen platform has no desktop opener, as a bare session has none.
        BoxAnswerer boxes;
        invoke(&w->Form1, "N13Click");
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts[0].contains(QStringLiteral("guide/index.html")));
    }

    void filter_change_replaces_working_list() {
        TempFolder dir;
        populate(dir);
        auto w = start_windows();
        auto *filter = control<QComboBox>(&w->Form1, "FilterComboBox1");
        const int txt = filter->findText(QStringLiteral("TXT"));
        filter->setCurrentIndex(txt);
        emit filter->activated(txt);
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox1")), QStringList({"b.txt"}));
        const int music = filter->findText(QStringLiteral("音乐"));
        filter->setCurrentIndex(music);
        emit filter->activated(music);
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox1")), QStringList({"A.mp3"}));
    }

    void path_field_opens_folders_and_reports_bad_paths() {
        TempFolder dir;
        populate(dir);
        dir.file("sub/inner.txt");
        auto w = start_windows();
        auto *path = control<QLineEdit>(&w->Form1, "Edit16");
        auto *list = control<QListView>(&w->Form1, "ListBox1");

        {
            BoxAnswerer boxes;
            path->setText(QStringLiteral("/no/such/folder"));
            invoke(&w->Form1, "Edit16KeyPress");
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY(boxes.texts[0].startsWith(QStringLiteral("找不到文件：")));
            QCOMPARE(texts_of(list), QStringList({"A.mp3", "b.txt", "c.doc"}));

            // Enter in the focused field: the error box takes the focus, which is no new exit.
            QApplication::setActiveWindow(&w->Form1);
            path->setFocus();
            QTest::keyClick(path, Qt::Key_Return);
            QCOMPARE(boxes.texts.size(), 2);
        }
        path->setText(QStringLiteral("sub"));
        invoke(&w->Form1, "Edit16KeyPress");
        QCOMPARE(texts_of(list), QStringList({"inner.txt"}));
        QCOMPARE(path->text(), QString::fromStdString(dir.path() + "/sub/"));

        // A file's path opens the folder that holds it.
        path->setText(QString::fromStdString(dir.path() + "/b.txt"));
        invoke(&w->Form1, "Edit16Exit");
        QCOMPARE(texts_of(list), QStringList({"A.mp3", "b.txt", "c.doc"}));
    }

    void folder_names_differing_inside_a_character_are_different_folders() {
        TempFolder dir;
        // 語 is D5 5A and 誾 is D5 7A in GB18030: only the case of their second byte differs.
        dir.folder("語");
        dir.folder("誾");
        dir.file("語/in-yu.txt");
        dir.file("誾/in-yin.txt");
        std::filesystem::current_path(dir.path() + "/語");
        auto w = start_windows();
        auto *path = control<QLineEdit>(&w->Form1, "Edit16");
        path->setText(QString::fromStdString(dir.path() + "/誾"));
        invoke(&w->Form1, "Edit16KeyPress");
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox1")), QStringList({"in-yin.txt"}));
    }

    void select_all_shortcut_goes_to_focused_list() {
        TempFolder dir;
        populate(dir);
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        select_rows(files, {1});
        QCOMPARE(texts_of(list).size(), 1);
        w->Form1.activateWindow();
        files->setFocus();
        QTest::keyClick(files, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(texts_of(list), QStringList({"A.mp3", "b.txt", "c.doc"}));

        // Anywhere else the main menu's item takes it, and it also selects the name list.
        select_rows(files, {1});
        auto *names = control<QPlainTextEdit>(&w->Form1, "Memo6");
        names->setPlainText("one\ntwo");
        names->setFocus();
        QTest::keyClick(names, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(texts_of(list), QStringList({"A.mp3", "b.txt", "c.doc"}));
        QCOMPARE(names->textCursor().selectedText(), QStringLiteral("one\u2029two"));
    }

    // "刷新" reads the folder again although the program changed nothing there: a file added
    // from outside joins the list, and stays there after the next button.
    void refresh_takes_entries_added_outside() {
        TempFolder dir;
        populate(dir);
        auto w = start_windows();
        dir.file("added-later.txt");
        control<QPushButton>(&w->Form1, "Button34")->click();
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox1")).size(), 4);
        control<QPushButton>(&w->Form1, "Button26")->click();
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox1")).size(), 4);
    }
};

QTEST_MAIN(WorkingListTest)
#include "working_list_test.moc"
