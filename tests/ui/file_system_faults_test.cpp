// File-system faults met by a rename pass of the window (the wildcard page): entries that vanish
// or appear between listing and execute, a folder that may not be changed, names that grow past
// the length limit or are not UTF-8, folders renamed in directory mode, and the shown folder
// itself moved away. No file may be lost or changed, and every refused rename must be listed in
// the report box.

#include "ui_test_support.h"
#include "unprivileged.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <sys/stat.h>

using namespace tarvendi::test;
using tarvendi::testing::may_write_into;
using tarvendi::testing::Unprivileged;

namespace fs = std::filesystem;

namespace {

struct Page {
    explicit Page(ApplicationWindows &w)
        : files(control<QListView>(&w.Form1, "FileListBox1"))
        , list(control<QListView>(&w.Form1, "ListBox1"))
        , preview(control<QListView>(&w.Form1, "ListBox2"))
        , tmpl(control<QComboBox>(&w.Form1, "edit10"))
        , preview_button(control<QPushButton>(&w.Form1, "Button3"))
        , execute_button(control<QPushButton>(&w.Form1, "Button6"))
        , directory_mode(control<QCheckBox>(&w.Form1, "CheckBox13")) {}

    QListView *files;
    QListView *list;
    QListView *preview;
    QComboBox *tmpl;
    QPushButton *preview_button;
    QPushButton *execute_button;
    QCheckBox *directory_mode;
};

// A name as the test tables write it: UTF-8 as it is, a name that is not UTF-8 with every byte
// above 0x7F as "\xNN", so that it never reads like the valid name that displays the same.
QString readable(const std::string &name) {
    const QString text = QString::fromUtf8(name);
    if (text.toUtf8().toStdString() == name)
        return text;
    QString out;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte < 0x80 ? QString(QChar(byte))
                           : QStringLiteral("\\x") + QString::number(byte, 16).toUpper();
    }
    return out;
}

// Everything under the folder, sorted: "name=content" a file, "name/" a folder, "name->target"
// a symbolic link; inner entries as "folder/name".
QStringList tree(const TempFolder &dir) {
    QStringList out;
    for (const fs::directory_entry &it : fs::recursive_directory_iterator(dir.path())) {
        const std::string rel = it.path().lexically_relative(dir.path()).string();
        if (it.is_symlink())
            out << readable(rel) + "->" + QString::fromStdString(fs::read_symlink(it).string());
        else if (it.is_directory())
            out << readable(rel) + "/";
        else
            out << readable(rel) + "=" + QString::fromStdString(dir.read(rel));
    }
    out.sort();
    return out;
}

// Creates entries written as tree() shows them (UTF-8 names).
void make(const TempFolder &dir, const QStringList &entries) {
    for (const QString &entry : entries) {
        if (entry.endsWith('/'))
            dir.folder(entry.chopped(1).toStdString());
        else
            dir.file(entry.section('=', 0, 0).toStdString(), entry.section('=', 1).toStdString());
    }
}

// What another program does to the folder behind the window's back: "rm name", "mv from to",
// "mkdir name", "write name content", "link name target".
void outside(const TempFolder &dir, const QStringList &commands) {
    for (const QString &command : commands) {
        const QStringList word = command.split(' ');
        const fs::path first = dir.path() + "/" + word.value(1).toStdString();
        const fs::path second = dir.path() + "/" + word.value(2).toStdString();
        if (word[0] == "rm")
            fs::remove_all(first);
        else if (word[0] == "mv")
            fs::rename(first, second);
        else if (word[0] == "mkdir")
            fs::create_directory(first);
        else if (word[0] == "write")
            dir.file(word[1].toStdString(), word[2].toStdString());
        else if (word[0] == "link")
            fs::create_symlink(word[2].toStdString(), first);
        else
            qFatal("unknown command %s", qPrintable(command));
    }
}

// A line of the report: "source → new name（reason）".
QString refused(const QString &source, const QString &new_name, const QString &reason) {
    return source + QStringLiteral(" → ") + new_name + QStringLiteral("（") + reason +
           QStringLiteral("）");
}

const QString kNotFound = QStringLiteral("找不到文件");
const QString kTargetExists = QStringLiteral("目标已存在");
const QString kPermission = QStringLiteral("没有权限");
const QString kTooLong = QStringLiteral("名称过长");
const QString kNotConvertible = QStringLiteral("名称无法转换编码");

// What an execute of the template on the working list showed in message boxes.
struct Outcome {
    QStringList report;    // the lines of the warning boxes that name a refused rename
    qsizetype reports = 0; // warning boxes
    QStringList others;    // the texts of every other box
};

Outcome execute(Page &page, const QString &tmpl) {
    page.tmpl->setCurrentText(tmpl);
    BoxAnswerer boxes;
    page.execute_button->click();
    Outcome out;
    for (qsizetype i = 0; i < boxes.texts.size(); ++i) {
        if (boxes.icons[i] != QMessageBox::Warning) {
            out.others << boxes.texts[i];
            continue;
        }
        ++out.reports;
        for (const QString &line : boxes.texts[i].split('\n')) {
            if (line.contains(QStringLiteral(" → ")))
                out.report << line;
        }
    }
    return out;
}

} // namespace

class FileSystemFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void vanished_file_data() {
        QTest::addColumn<QStringList>("gone");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("report");
        QTest::newRow("middle of three")
            << QStringList{"rm b.txt"} << QStringList{"01-a.txt=alpha", "03-c.txt=gamma"}
            << QStringList{refused("b.txt", "02-b.txt", kNotFound)};
        QTest::newRow("first of three")
            << QStringList{"rm a.txt"} << QStringList{"02-b.txt=beta", "03-c.txt=gamma"}
            << QStringList{refused("a.txt", "01-a.txt", kNotFound)};
        QTest::newRow("every one")
            << QStringList{"rm a.txt", "rm b.txt", "rm c.txt"} << QStringList{}
            << QStringList{refused("a.txt", "01-a.txt", kNotFound),
                           refused("b.txt", "02-b.txt", kNotFound),
                           refused("c.txt", "03-c.txt", kNotFound)};
        QTest::newRow("renamed away")
            << QStringList{"mv b.txt z.txt"}
            << QStringList{"01-a.txt=alpha", "03-c.txt=gamma", "z.txt=beta"}
            << QStringList{refused("b.txt", "02-b.txt", kNotFound)};
    }

    void vanished_file() {
        QFETCH(QStringList, gone);
        QFETCH(QStringList, after);
        QFETCH(QStringList, report);
        TempFolder dir;
        make(dir, {"a.txt=alpha", "b.txt=beta", "c.txt=gamma"});
        auto w = start_windows();
        Page page(*w);
        QCOMPARE(texts_of(page.list), QStringList({"a.txt", "b.txt", "c.txt"}));
        outside(dir, gone);
        const Outcome outcome = execute(page, "##-*");
        QCOMPARE(outcome.report, report);
        QCOMPARE(outcome.reports, report.isEmpty() ? 0 : 1);
        QCOMPARE(outcome.others, QStringList{});
        QCOMPARE(tree(dir), after);
    }

    void read_only_folder_data() {
        QTest::addColumn<QString>("tmpl");
        QTest::addColumn<QStringList>("report");
        QTest::newRow("every rename refused")
            << "##-*"
            << QStringList{refused("a.txt", "01-a.txt", kPermission),
                           refused("b.txt", "02-b.txt", kPermission)};
        QTest::newRow("same names change nothing") << "*" << QStringList{};
    }

    void read_only_folder() {
        QFETCH(QString, tmpl);
        QFETCH(QStringList, report);
        TempFolder dir;
        make(dir, {"a.txt=alpha", "b.txt=beta"});
        auto w = start_windows();
        Page page(*w);
        QCOMPARE(::chmod(dir.path().c_str(), 0555), 0);
        Outcome outcome;
        {
            Unprivileged user;
            if (!user.error().empty())
                QSKIP(qPrintable(QString::fromStdString(user.error())));
            if (may_write_into(dir.path()))
                QSKIP("this file system lets anyone write into a folder without write permission");
            outcome = execute(page, tmpl);
        }
        QCOMPARE(outcome.report, report);
        QCOMPARE(outcome.reports, report.isEmpty() ? 0 : 1);
        QCOMPARE(outcome.others, QStringList{});
        QCOMPARE(tree(dir), QStringList({"a.txt=alpha", "b.txt=beta"}));
        QCOMPARE(texts_of(page.files), QStringList({"a.txt", "b.txt"}));
    }

    void name_past_the_length_limit_data() {
        const QString chinese_83 = QString(83, QChar(u'中'));
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tmpl");
        QTest::addColumn<QString>("new_name");
        QTest::addColumn<bool>("renamed");
        QTest::newRow("255 bytes grow to 257") << QString(251, 'n') + ".txt"
                                               << "*-#" << QString(251, 'n') + "-1.txt" << false;
        QTest::newRow("253 bytes grow to 255") << QString(249, 'n') + ".txt"
                                               << "*-#" << QString(249, 'n') + "-1.txt" << true;
        QTest::newRow("255 bytes keep their name") << QString(251, 'n') + ".txt"
                                                   << "*" << QString(251, 'n') + ".txt" << true;
        // 253 bytes on disk are 170 in GB18030: the limit counts the bytes on disk.
        QTest::newRow("Chinese, 253 bytes on disk grow to 256")
            << chinese_83 + ".txt"
            << "*-##" << chinese_83 + "-01.txt" << false;
        QTest::newRow("Chinese, 253 bytes on disk grow to 255")
            << chinese_83 + ".txt"
            << "*-#" << chinese_83 + "-1.txt" << true;
    }

    void name_past_the_length_limit() {
        QFETCH(QString, name);
        QFETCH(QString, tmpl);
        QFETCH(QString, new_name);
        QFETCH(bool, renamed);
        TempFolder dir;
        dir.file(name.toStdString(), "long");
        auto w = start_windows();
        Page page(*w);
        QCOMPARE(texts_of(page.list), QStringList{name});
        page.tmpl->setCurrentText(tmpl);
        page.preview_button->click();
        QCOMPARE(texts_of(page.preview), QStringList{new_name});
        const QStringList report =
            renamed ? QStringList{} : QStringList{refused(name, new_name, kTooLong)};
        const Outcome outcome = execute(page, tmpl);
        QCOMPARE(outcome.report, report);
        QCOMPARE(outcome.reports, report.isEmpty() ? 0 : 1);
        QCOMPARE(outcome.others, QStringList{});
        QCOMPARE(tree(dir), QStringList{(renamed ? new_name : name) + "=long"});
    }

    void name_that_is_not_utf8_data() {
        const QString shown = QStringLiteral("bad\uFFFD.txt");
        // The report tells the two apart: the byte that is not UTF-8 shows as an escape.
        const QString latin = QStringLiteral("bad\\xFF.txt");
        QTest::addColumn<QString>("tmpl");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("report");
        QTest::newRow("numbered") << "##-*"
                                  << QStringList{"01-" + shown + "=valid", "03-ok.txt=ok",
                                                 "bad\\xFF.txt=latin"}
                                  << QStringList{refused(latin, "02-" + latin, kNotConvertible)};
        QTest::newRow("same names")
            << "*" << QStringList{"bad\\xFF.txt=latin", shown + "=valid", "ok.txt=ok"}
            << QStringList{refused(latin, latin, kNotConvertible)};
        // Every item is to become the name both files show: only the valid one has it already.
        QTest::newRow("the name both show")
            << QStringLiteral("bad\uFFFD")
            << QStringList{"bad\\xFF.txt=latin", shown + "=valid", "ok.txt=ok"}
            << QStringList{refused(latin, shown, kNotConvertible),
                           refused("ok.txt", shown, kTargetExists)};
    }

    void name_that_is_not_utf8() {
        QFETCH(QString, tmpl);
        QFETCH(QStringList, after);
        QFETCH(QStringList, report);
        TempFolder dir;
        dir.file("bad\xFF.txt", "latin");
        dir.file("bad\xEF\xBF\xBD.txt", "valid");
        dir.file("ok.txt", "ok");
        auto w = start_windows();
        Page page(*w);
        const QString shown = QStringLiteral("bad\uFFFD.txt");
        QCOMPARE(texts_of(page.files), QStringList({shown, shown, "ok.txt"}));
        QCOMPARE(texts_of(page.list), QStringList({shown, shown, "ok.txt"}));
        const Outcome outcome = execute(page, tmpl);
        QCOMPARE(outcome.report, report);
        QCOMPARE(outcome.reports, report.isEmpty() ? 0 : 1);
        QCOMPARE(outcome.others, QStringList{});
        QCOMPARE(tree(dir), after);
    }

    void target_that_appears_data() {
        QTest::addColumn<QString>("tmpl");
        QTest::addColumn<QStringList>("previewed");
        QTest::addColumn<QStringList>("appears");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("report");
        const QStringList numbered = {"01-a.txt", "02-b.txt"};
        QTest::newRow("file") << "##-*" << numbered << QStringList{"write 01-a.txt intruder"}
                              << QStringList{"01-a.txt=intruder", "02-b.txt=beta", "a.txt=alpha"}
                              << QStringList{refused("a.txt", "01-a.txt", kTargetExists)};
        QTest::newRow("folder") << "##-*" << numbered << QStringList{"mkdir 01-a.txt"}
                                << QStringList{"01-a.txt/", "02-b.txt=beta", "a.txt=alpha"}
                                << QStringList{refused("a.txt", "01-a.txt", kTargetExists)};
        QTest::newRow("link to nothing")
            << "##-*" << numbered << QStringList{"link 01-a.txt gone"}
            << QStringList{"01-a.txt->gone", "02-b.txt=beta", "a.txt=alpha"}
            << QStringList{refused("a.txt", "01-a.txt", kTargetExists)};
        QTest::newRow("made by the item before")
            << "x" << QStringList{"x.txt", "x.txt"} << QStringList{}
            << QStringList{"b.txt=beta", "x.txt=alpha"}
            << QStringList{refused("b.txt", "x.txt", kTargetExists)};
    }

    void target_that_appears() {
        QFETCH(QString, tmpl);
        QFETCH(QStringList, previewed);
        QFETCH(QStringList, appears);
        QFETCH(QStringList, after);
        QFETCH(QStringList, report);
        TempFolder dir;
        make(dir, {"a.txt=alpha", "b.txt=beta"});
        auto w = start_windows();
        Page page(*w);
        page.tmpl->setCurrentText(tmpl);
        page.preview_button->click();
        QCOMPARE(texts_of(page.preview), previewed);
        outside(dir, appears);
        const Outcome outcome = execute(page, tmpl);
        QCOMPARE(outcome.report, report);
        QCOMPARE(outcome.reports, report.isEmpty() ? 0 : 1);
        QCOMPARE(outcome.others, QStringList{});
        QCOMPARE(tree(dir), after);
    }

    void folder_in_directory_mode_data() {
        QTest::addColumn<QStringList>("meanwhile");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("report");
        QTest::newRow("both renamed with their contents")
            << QStringList{} << QStringList{"abc-01/",     "abc-01/inner.txt=inner",
                                            "abc-01/sub/", "abc-01/sub/deep.txt=deep",
                                            "def-02/",     "def-02/x.txt=x"}
            << QStringList{};
        QTest::newRow("renamed from outside")
            << QStringList{"mv abc moved"} << QStringList{"def-02/",    "def-02/x.txt=x",
                                                          "moved/",     "moved/inner.txt=inner",
                                                          "moved/sub/", "moved/sub/deep.txt=deep"}
            << QStringList{refused("abc", "abc-01", kNotFound)};
        // rename(2) would silently replace an empty folder.
        QTest::newRow("empty folder appears at the target")
            << QStringList{"mkdir abc-01"} << QStringList{"abc-01/",
                                                          "abc/",
                                                          "abc/inner.txt=inner",
                                                          "abc/sub/",
                                                          "abc/sub/deep.txt=deep",
                                                          "def-02/",
                                                          "def-02/x.txt=x"}
            << QStringList{refused("abc", "abc-01", kTargetExists)};
    }

    void folder_in_directory_mode() {
        QFETCH(QStringList, meanwhile);
        QFETCH(QStringList, after);
        QFETCH(QStringList, report);
        TempFolder dir;
        make(dir, {"abc/", "abc/inner.txt=inner", "abc/sub/", "abc/sub/deep.txt=deep", "def/",
                   "def/x.txt=x"});
        auto w = start_windows();
        Page page(*w);
        page.directory_mode->click();
        QCOMPARE(texts_of(page.list), QStringList({"[..]", "[.]", "[abc]", "[def]"}));
        page.tmpl->setCurrentText("*-##");
        page.preview_button->click();
        QCOMPARE(texts_of(page.preview), QStringList({"abc-01", "def-02"}));
        outside(dir, meanwhile);
        const Outcome outcome = execute(page, "*-##");
        QCOMPARE(outcome.report, report);
        QCOMPARE(outcome.reports, report.isEmpty() ? 0 : 1);
        QCOMPARE(outcome.others, QStringList{});
        QCOMPARE(tree(dir), after);
    }

    // The names that no rename may take in directory mode: one that is not UTF-8 and one that
    // cannot grow. The folders keep their names and contents; the third is renamed.
    void folder_names_refused_in_directory_mode() {
        const std::string longest(255, 'f');
        TempFolder dir;
        dir.folder("d\xFF");
        dir.file("d\xFF/inner.txt", "latin");
        dir.folder(longest);
        dir.file(longest + "/inner.txt", "long");
        make(dir, {"ok/", "ok/inner.txt=ok"});
        auto w = start_windows();
        Page page(*w);
        page.directory_mode->click();
        const QString shown = QStringLiteral("d\uFFFD");
        const QString long_name = QString::fromStdString(longest);
        QCOMPARE(texts_of(page.list).mid(2),
                 QStringList({"[" + shown + "]", "[" + long_name + "]", "[ok]"}));
        const Outcome outcome = execute(page, "*-#");
        const QString escaped = QStringLiteral("d\\xFF");
        QCOMPARE(outcome.report, QStringList({refused(escaped, escaped + "-1", kNotConvertible),
                                              refused(long_name, long_name + "-2", kTooLong)}));
        QCOMPARE(outcome.reports, 1);
        QCOMPARE(outcome.others, QStringList{});
        QCOMPARE(tree(dir),
                 QStringList({"d\\xFF/", "d\\xFF/inner.txt=latin", long_name + "/",
                              long_name + "/inner.txt=long", "ok-3/", "ok-3/inner.txt=ok"}));
    }

    // The folder the window shows is moved or removed before execute. The renames name it by
    // its path, so nothing is renamed wherever it went; the refresh that follows fails with an
    // input/output error, and the refused renames must be reported all the same.
    void shown_folder_moved_away_data() {
        QTest::addColumn<QStringList>("meanwhile");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("report");
        QTest::newRow("renamed") << QStringList{"mv shown moved"}
                                 << QStringList{"moved/", "moved/a.txt=alpha", "moved/b.txt=beta"}
                                 << QStringList{refused("a.txt", "x.txt", kNotFound),
                                                refused("b.txt", "x.txt", kNotFound)};
        QTest::newRow("removed") << QStringList{"rm shown"} << QStringList{}
                                 << QStringList{refused("a.txt", "x.txt", kNotFound),
                                                refused("b.txt", "x.txt", kNotFound)};
    }

    void shown_folder_moved_away() {
        QFETCH(QStringList, meanwhile);
        QFETCH(QStringList, after);
        QFETCH(QStringList, report);
        TempFolder dir;
        make(dir, {"shown/", "shown/a.txt=alpha", "shown/b.txt=beta"});
        const std::string shown = fs::canonical(dir.path() + "/shown").string();
        fs::current_path(shown);
        auto w = start_windows();
        Page page(*w);
        QCOMPARE(texts_of(page.list), QStringList({"a.txt", "b.txt"}));
        outside(dir, meanwhile);
        const Outcome outcome = execute(page, "x");
        const QString error =
            QStringLiteral("找不到文件：\"%1\"").arg(QString::fromStdString(shown));
        QCOMPARE(outcome.others, QStringList{error});
        QCOMPARE(outcome.report, report);
        QCOMPARE(outcome.reports, 1);
        QCOMPARE(tree(dir), after);
    }
};

QTEST_MAIN(FileSystemFaultsTest)
#include "file_system_faults_test.moc"
