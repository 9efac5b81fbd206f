// "撤销上次改名": executes of the pages taken back through the window, one after another, the
// journal that cannot be written, and an execute killed in its middle and undone at the next
// start. That last test runs this executable a second time as the program that is killed.

#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace tarvendi::test;

namespace {

constexpr int kCrashFiles = 20000;

void execute_wildcard(ApplicationWindows &w, const QString &tmpl) {
    control<QComboBox>(&w.Form1, "edit10")->setCurrentText(tmpl);
    BoxAnswerer boxes;
    control<QPushButton>(&w.Form1, "Button6")->click();
}

// Triggers N14 (or what does, given), answering Yes; returns the texts of the boxes shown.
QStringList undo_answering(ApplicationWindows &w, const std::function<void()> &trigger = {}) {
    BoxAnswerer boxes;
    if (trigger)
        trigger();
    else
        control<QAction>(&w.Form1, "N14")->trigger();
    return boxes.texts;
}

// The child of crash_in_the_middle: opens the folder and numbers every file.
int execute_in(int argc, char **argv) {
    QApplication app(argc, argv);
    fs::current_path(argv[2]);
    auto w = start_windows();
    execute_wildcard(*w, "#####-*");
    return 0;
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void renames_taken_back_one_execute_after_another() {
        TempFolder dir;
        dir.file("a.txt", "alpha");
        dir.file("b.txt", "beta");
        auto w = start_windows();
        auto *undo = control<QAction>(&w->Form1, "N14");
        QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
        QVERIFY(!undo->isEnabled());
        execute_wildcard(*w, "#-*");
        execute_wildcard(*w, "x*");
        QCOMPARE(names_in(dir), QStringList({"x1-a.txt", "x2-b.txt"}));
        // Ctrl+Z in a text field is the field's own; elsewhere it undoes.
        w->Form1.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w->Form1));
        auto *path = control<QLineEdit>(&w->Form1, "Edit16");
        path->setFocus();
        QTest::keyClick(path, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(names_in(dir), QStringList({"x1-a.txt", "x2-b.txt"}));
        auto *list = control<QListView>(&w->Form1, "ListBox1");
        list->setFocus();
        // It says what it will take back first, and what it did after.
        const QStringList asked =
            undo_answering(*w, [&] { QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier); });
        QCOMPARE(asked.size(), 1);
        QVERIFY2(
            asked[0].startsWith("撤销 ") &&
                asked[0].endsWith(" 在 " + QString::fromStdString(dir.path()) + " 的 2 个改名？"),
            qPrintable(asked[0]));
        QCOMPARE(control<QLabel>(&w->Form1, "Label26")->text(), QString("已撤销 2 项"));
        QCOMPARE(names_in(dir), QStringList({"1-a.txt", "2-b.txt"}));
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox1")),
                 QStringList({"1-a.txt", "2-b.txt"}));
        undo_answering(*w);
        QCOMPARE(names_in(dir), QStringList({"a.txt", "b.txt"}));
        QCOMPARE(dir.read("a.txt"), std::string("alpha"));
        QVERIFY(!undo->isEnabled());
    }

    // The execute of every renaming page is taken back to the names before it.
    void each_page_undone() {
        struct Page {
            const char *execute;
            std::vector<std::pair<const char *, QString>> fields;
            QStringList files = {"track 01.mp3", "track 02.mp3"};
        };
        const Page pages[] = {
            {"Button6", {{"edit10", "##-*"}}},
            {"Button32", {{"Edit5", "track"}, {"Edit6", "song"}}},
            {"Button1", {{"Edit1", "0"}, {"Edit2", "-"}, {"edit7", "#-"}}},
            {"Button25", {{"Edit17", "1"}, {"Edit18", "5"}, {"edit19", "##-"}}},
            {"Button5", {{"Edit12", "wav"}}},
            {"Button39", {{"Edit21", "4"}}, {"1.mp3", "2.mp3"}},
            {"Button18", {{"CheckBox7", "on"}}},
            {"Button14", {{"Memo6", "one\ntwo"}, {"ComboBox1", ""}}},
        };
        for (const Page &page : pages) {
            TempFolder dir;
            for (const QString &file : page.files)
                dir.file(file.toStdString(), file.toStdString());
            auto w = start_windows();
            for (const auto &[name, value] : page.fields) {
                QObject *field = w->Form1.findChild<QObject *>(QLatin1String(name));
                if (auto *edit = qobject_cast<QLineEdit *>(field))
                    edit->setText(value);
                else if (auto *box = qobject_cast<QComboBox *>(field))
                    box->setCurrentText(value);
                else if (auto *memo = qobject_cast<QPlainTextEdit *>(field))
                    memo->setPlainText(value);
                else
                    control<QCheckBox>(&w->Form1, name)->setChecked(true);
            }
            {
                BoxAnswerer boxes;
                control<QPushButton>(&w->Form1, page.execute)->click();
            }
            QVERIFY2(names_in(dir) != page.files, page.execute);
            undo_answering(*w);
            QCOMPARE(names_in(dir), page.files);
            for (const QString &file : page.files)
                QCOMPARE(dir.read(file.toStdString()), file.toStdString());
        }
    }

    // What cannot be undone is reported in the box of an execute, and nothing is overwritten.
    void undo_refused_where_a_name_changed_since() {
        TempFolder dir;
        dir.file("a.txt", "alpha");
        dir.file("b.txt", "beta");
        auto w = start_windows();
        execute_wildcard(*w, "#-*");
        fs::rename(dir / "2-b.txt", dir / "other.txt");
        dir.file("a.txt", "new");
        BoxAnswerer boxes;
        control<QAction>(&w->Form1, "N14")->trigger();
        QCOMPARE(boxes.titles, QStringList({"确认", "未改名的文件"}));
        QVERIFY(boxes.texts.value(1).startsWith("以下 2 个文件没有改名"));
        QCOMPARE(names_in(dir), QStringList({"1-a.txt", "a.txt", "other.txt"}));
        QCOMPARE(dir.read("a.txt"), std::string("new"));
    }

    // While another process writes or undoes a record, undo takes nothing back and says why;
    // once that process is gone (killed: the kernel frees its lock), it does.
    void undo_waits_for_another_run() {
        TempFolder dir;
        dir.file("a.txt");
        auto w = start_windows();
        execute_wildcard(*w, "#-*");
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const pid_t holder = ::fork();
        QVERIFY(holder >= 0);
        if (holder == 0) {
            const int fd = ::open((dir.journal_folder() + "/lock").c_str(), O_RDWR);
            const char byte = 1;
            if (fd < 0 || ::flock(fd, LOCK_EX) != 0 || ::write(ready[1], &byte, 1) != 1)
                ::_exit(1);
            ::pause();
            ::_exit(0);
        }
        char byte = 0;
        QCOMPARE(::read(ready[0], &byte, 1), ssize_t(1));
        QCOMPARE(undo_answering(*w), QStringList({"另一个改名还在进行"}));
        QCOMPARE(names_in(dir), QStringList({"1-a.txt"}));
        ::kill(holder, SIGKILL);
        ::waitpid(holder, nullptr, 0);
        ::close(ready[0]);
        ::close(ready[1]);
        undo_answering(*w);
        QCOMPARE(names_in(dir), QStringList({"a.txt"}));
    }

    // Ctrl+Z works at once after folders were made, without the menu opened first.
    void made_folders_enable_undo_at_once() {
        TempFolder dir;
        auto w = start_windows();
        auto *undo = control<QAction>(&w->Form1, "N14");
        QVERIFY(!undo->isEnabled());
        control<QPlainTextEdit>(&w->Form1, "Memo6")->setPlainText("made");
        {
            BoxAnswerer boxes;
            control<QPushButton>(&w->Form1, "Button2")->click();
        }
        QVERIFY(fs::is_directory(dir / "made"));
        QVERIFY(undo->isEnabled());
    }

    void tags_and_folders_taken_back() {
        TempFolder dir;
        const std::string tagged = std::string(200, 'x') + "TAG" + std::string(125, 'o');
        dir.file("a.mp3", tagged);
        dir.file("b.mp3", std::string(200, 'y'));
        auto w = start_windows();
        control<QLineEdit>(&w->Form1, "Edit8")->setText("Title");
        {
            BoxAnswerer boxes;
            control<QPushButton>(&w->Form1, "Button8")->click();
        }
        QVERIFY(dir.read("a.mp3") != tagged);
        QCOMPARE(dir.read("b.mp3").size(), std::size_t{328});
        control<QPlainTextEdit>(&w->Form1, "Memo6")->setPlainText("made\nmade too");
        {
            BoxAnswerer boxes;
            control<QPushButton>(&w->Form1, "Button2")->click();
        }
        QVERIFY(fs::is_directory(dir / "made too"));
        QCOMPARE(undo_answering(*w).value(0).section(" 的 ", 1), QString("2 个创建的文件夹？"));
        QVERIFY(!fs::exists(dir / "made") && !fs::exists(dir / "made too"));
        QCOMPARE(undo_answering(*w).value(0).section(" 的 ", 1), QString("2 个标签写入？"));
        QCOMPARE(dir.read("a.mp3"), tagged);
        QCOMPARE(dir.read("b.mp3"), std::string(200, 'y'));
    }

    // Two names swapped from the name list: refused in list order, done with the option on, and
    // undone through the journal of both steps.
    void swap_with_the_option_and_undone() {
        TempFolder dir;
        dir.file("a.txt", "alpha");
        dir.file("b.txt", "beta");
        auto w = start_windows();
        auto *option = control<QAction>(&w->Form1, "N15");
        QVERIFY(!option->isChecked());
        const auto swap = [&] {
            control<QPlainTextEdit>(&w->Form1, "Memo6")->setPlainText("b\na");
            control<QComboBox>(&w->Form1, "ComboBox1")->setCurrentText("");
            BoxAnswerer boxes;
            control<QPushButton>(&w->Form1, "Button14")->click();
            return boxes.titles;
        };
        QCOMPARE(swap(), QStringList({"未改名的文件"}));
        QCOMPARE(dir.read("a.txt"), std::string("alpha"));
        option->trigger(); // on, and remembered
        QCOMPARE(swap(), QStringList());
        QCOMPARE(dir.read("a.txt"), std::string("beta"));
        QCOMPARE(dir.read("b.txt"), std::string("alpha"));
        QCOMPARE(names_in(dir), QStringList({"a.txt", "b.txt"}));
        undo_answering(*w);
        QCOMPARE(dir.read("a.txt"), std::string("alpha"));
        option->trigger(); // off again for the tests after this one
        QVERIFY(!start_windows()->Form1.findChild<QAction *>("N15")->isChecked());
    }

    // A damaged record asks nothing at a start; its undo says so, with its line, sets it aside
    // and goes on to the execute before it.
    void damaged_record_set_aside() {
        TempFolder dir;
        dir.file("a.txt");
        {
            auto w = start_windows();
            execute_wildcard(*w, "#-*");
        }
        fs::create_directories(dir.journal_folder());
        std::ofstream(dir.journal_folder() + "/s999999999999-damaged.jsonl")
            << "{\"tarvendi_journal\":1}\n{\"rename\":\"/a\",\"to\":\"/"
               "b\"}\ngarbage\n{\"folder\":\"/c\"}\n";
        auto w = start_windows();
        const QStringList shown = undo_answering(*w);
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown[0].contains("撤销记录已损坏") &&
                     shown[0].endsWith("s999999999999-damaged.damaged（第 3 行）"),
                 qPrintable(shown[0]));
        QVERIFY(shown[1].startsWith("撤销 "));
        QCOMPARE(names_in(dir), QStringList({"a.txt"}));
    }

    void journal_that_cannot_be_written_stops_the_execute() {
        TempFolder dir;
        dir.file("a.txt");
        // A file where the journal's folder should be.
        ::setenv("XDG_STATE_HOME", (dir.path() + "/a.txt").c_str(), 1);
        auto w = start_windows();
        control<QComboBox>(&w->Form1, "edit10")->setCurrentText("#-*");
        BoxAnswerer boxes;
        control<QPushButton>(&w->Form1, "Button6")->click();
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts[0].contains("无法写入撤销记录"));
        QCOMPARE(names_in(dir), QStringList({"a.txt"}));
    }

    void crash_in_the_middle_undone_at_the_next_start() {
        TempFolder dir;
        for (int i = 0; i < kCrashFiles; ++i)
            dir.file("f" + std::to_string(i), std::to_string(i));
        const std::string self = QCoreApplication::applicationFilePath().toStdString();
        const char *argv[] = {self.c_str(), "--execute-in", dir.path().c_str(), nullptr};
        pid_t child = 0;
        QCOMPARE(
            posix_spawn(&child, self.c_str(), nullptr, nullptr, const_cast<char **>(argv), environ),
            0);
        // Kill it once a part of the folder is renamed.
        const auto renamed = [&] {
            int count = 0;
            for (const auto &entry : fs::directory_iterator(dir.path()))
                count += entry.path().filename().string().find('-') != std::string::npos;
            return count;
        };
        QTRY_VERIFY_WITH_TIMEOUT(renamed() > 100, 60000);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        QVERIFY(renamed() < kCrashFiles);

        BoxAnswerer boxes;
        auto w = start_windows();
        QTRY_COMPARE(boxes.titles, QStringList({"确认"}));
        QCOMPARE(renamed(), 0);
        QCOMPARE(names_in(dir).size(), kCrashFiles);
        for (int i = 0; i < kCrashFiles; i += 997)
            QCOMPARE(dir.read("f" + std::to_string(i)), std::to_string(i));
    }
};

int main(int argc, char **argv) {
    if (argc == 3 && std::string(argv[1]) == "--execute-in")
        return execute_in(argc, argv);
    QApplication app(argc, argv);
    UndoTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "undo_test.moc"
