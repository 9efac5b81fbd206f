// What the window opens from outside: the paths of its command line, files and folders dropped
// from a file manager, and --help and --version of the real program without a display.

#include "display_text.h"
#include "open_paths.h"
#include "ui_test_support.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUrl>
#include <sstream>

using namespace tarvendi::test;
using tarvendi::ui::CommandLine;

Q_DECLARE_METATYPE(CommandLine::Action)

namespace {

// The start folder holds a.txt, b.txt and c.txt; "sub" holds x.txt, y.txt and 歌.txt; "other"
// holds w.txt.
void populate(const TempFolder &dir) {
    for (const char *name :
         {"a.txt", "b.txt", "c.txt", "sub/x.txt", "sub/y.txt", "sub/歌.txt", "other/w.txt"}) {
        const std::string path(name);
        if (path.find('/') != std::string::npos)
            dir.folder(path.substr(0, path.find('/')));
        dir.file(name);
    }
}

QString under(const TempFolder &dir, const QString &relative) {
    const QString root = QString::fromStdString(dir.path());
    return relative.isEmpty() ? root : root + QLatin1Char('/') + relative;
}

// The selected entries of a list view, in its order.
QStringList selected_texts(const QAbstractItemView *view) {
    QStringList out;
    const QAbstractItemModel *model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (view->selectionModel()->isSelected(index))
            out << index.data().toString();
    }
    return out;
}

std::vector<std::string> to_strings(const QStringList &texts) {
    std::vector<std::string> out;
    for (const QString &text : texts)
        out.push_back(text.toStdString());
    return out;
}

QStringList sorted(QStringList texts) {
    texts.sort();
    return texts;
}

// Sends a drag of file URLs (paths relative to dir; any other URL as it stands) to a list's
// viewport as a file manager's drag arrives: it enters, and unless `enter_only` it is dropped.
// Returns whether the list took every step as a copy.
bool drop_on(QAbstractItemView *list, const TempFolder &dir, const QStringList &paths,
             bool enter_only = false) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << (path.contains(QLatin1Char(':')) ? QUrl(path)
                                                 : QUrl::fromLocalFile(under(dir, path)));
    data.setUrls(urls);
    const QPoint at = list->viewport()->rect().center();
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(Qt::MoveAction);
    enter.ignore();
    QCoreApplication::sendEvent(list->viewport(), &enter);
    const bool entered = enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
    if (enter_only || !entered)
        return entered;
    QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    drop.ignore();
    QCoreApplication::sendEvent(list->viewport(), &drop);
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// The real program, in folder, with the environment changed by `set` (a value of "" removes).
Run run_program(const QStringList &args, const QList<QPair<QString, QString>> &set) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto &[name, value] : set) {
        if (value.isEmpty())
            environment.remove(name);
        else
            environment.insert(name, value);
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TARVENDI_PATH), args);
    Run run;
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.status = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    run.err = QString::fromUtf8(program.readAllStandardError());
    return run;
}

// No display of any kind: a program that made a window would fail here.
const QList<QPair<QString, QString>> kNoDisplay = {
    {QStringLiteral("DISPLAY"), {}},
    {QStringLiteral("WAYLAND_DISPLAY"), {}},
    {QStringLiteral("QT_QPA_PLATFORM"), {}},
};

} // namespace

class OpenPathsTest : public QObject {
    Q_OBJECT

private slots:
    void command_line_opens_paths_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("box");
        QTest::newRow("a folder") << QStringList{"sub"} << "sub"
                                  << QStringList{"x.txt", "y.txt", "歌.txt"} << QStringList{};
        QTest::newRow("files of one folder, in their order")
            << QStringList{"sub/歌.txt", "sub/x.txt"} << "sub" << QStringList{"歌.txt", "x.txt"}
            << QStringList{};
        QTest::newRow("files given twice are taken once")
            << QStringList{"sub/y.txt", "./sub/x.txt", "sub/y.txt"} << "sub"
            << QStringList{"y.txt", "x.txt"} << QStringList{};
        QTest::newRow("files of the start folder")
            << QStringList{"c.txt", "a.txt"} << "" << QStringList{"c.txt", "a.txt"}
            << QStringList{};
        QTest::newRow("files of two folders take the first folder's")
            << QStringList{"sub/y.txt", "b.txt", "sub/x.txt", "other/w.txt"} << "sub"
            << QStringList{"y.txt", "x.txt"}
            << QStringList{"只取了文件夹", "/b.txt", "/other/w.txt"};
        QTest::newRow("a folder before files")
            << QStringList{"other", "a.txt"} << "other" << QStringList{"w.txt"}
            << QStringList{"只打开了文件夹", "/a.txt"};
        QTest::newRow("a missing path opens the start folder")
            << QStringList{"nothing.txt"} << "" << QStringList{"a.txt", "b.txt", "c.txt"}
            << QStringList{"找不到", "/nothing.txt"};
        QTest::newRow("a missing path beside a file")
            << QStringList{"sub/none", "sub/x.txt"} << "sub" << QStringList{"x.txt"}
            << QStringList{"找不到", "/sub/none"};
    }

    void command_line_opens_paths() {
        QFETCH(QStringList, args);
        QFETCH(QString, folder);
        QFETCH(QStringList, list);
        QFETCH(QStringList, box);
        TempFolder dir;
        populate(dir);
        // As the program does: relative paths count from the start folder, before any window.
        const tarvendi::ui::PathRequest request =
            tarvendi::ui::sort_paths(tarvendi::ui::absolute_paths(to_strings(args)));
        auto w = start_windows();
        BoxAnswerer boxes;
        w->Form1.open_paths(request);

        QCOMPARE(control<QLineEdit>(&w->Form1, "Edit16")->text(), under(dir, folder) + "/");
        auto *working = control<QListView>(&w->Form1, "ListBox1");
        QCOMPARE(texts_of(working), list);
        QCOMPARE(checks_of(working), QList<int>(list.size(), 2));
        QCOMPARE(selected_texts(control<QListView>(&w->Form1, "FileListBox1")), sorted(list));
        QVERIFY(control<QCheckBox>(&w->Form1, "CheckBox12")->isChecked());
        QCOMPARE(boxes.texts.size(), box.isEmpty() ? 0 : 1);
        for (const QString &part : box)
            QVERIFY2(boxes.texts.front().contains(part), qPrintable(boxes.texts.front()));
    }

    // Each missing path is one line on standard error, quoted so that any name reads as one line.
    void missing_paths_are_reported_one_line_each() {
        tarvendi::ui::PathRequest request;
        // Paths are GB18030 here, as the window holds them.
        request.missing = {"/tmp/gone\nline.txt", tarvendi::platform::typed_text("/tmp/歌")};
        std::ostringstream out;
        tarvendi::ui::report_missing(out, request);
        QCOMPARE(QString::fromStdString(out.str()),
                 QStringLiteral("tarvendi: 找不到文件或文件夹: \"/tmp/gone\\nline.txt\"\n"
                                "tarvendi: 找不到文件或文件夹: \"/tmp/歌\"\n"));
    }

    void command_line_arguments_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<CommandLine::Action>("action");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("bad");
        using Action = CommandLine::Action;
        QTest::newRow("paths") << QStringList{"a", "b/c"} << Action::Open << QStringList{"a", "b/c"}
                               << "";
        QTest::newRow("help") << QStringList{"a", "--help"} << Action::Help << QStringList{"a"}
                              << "";
        QTest::newRow("short help") << QStringList{"-h"} << Action::Help << QStringList{} << "";
        QTest::newRow("version") << QStringList{"--version", "a"} << Action::Version
                                 << QStringList{} << "";
        QTest::newRow("help wins over an unknown option")
            << QStringList{"--bogus", "--help"} << Action::Help << QStringList{} << "--bogus";
        QTest::newRow("unknown option")
            << QStringList{"a", "-x", "-y"} << Action::BadOption << QStringList{"a"} << "-x";
        QTest::newRow("after -- everything is a path")
            << QStringList{"--", "--help", "-x"} << Action::Open << QStringList{"--help", "-x"}
            << "";
        QTest::newRow("a lone dash is a path")
            << QStringList{"-"} << Action::Open << QStringList{"-"} << "";
    }

    void command_line_arguments() {
        QFETCH(QStringList, args);
        QFETCH(CommandLine::Action, action);
        QFETCH(QStringList, paths);
        QFETCH(QString, bad);
        const CommandLine line = tarvendi::ui::parse_command_line(to_strings(args));
        QCOMPARE(line.action, action);
        QCOMPARE(line.paths, to_strings(paths));
        QCOMPARE(QString::fromStdString(line.bad_option), bad);
    }

    void help_and_version_need_no_display_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("starts");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("help in Chinese") << "--help"
                                         << "zh"
                                         << "用法：tarvendi [Qt 选项] [文件夹 | 文件...]"
                                         << "--version";
        QTest::newRow("help in English") << "--help"
                                         << "en"
                                         << "Usage: tarvendi [Qt options] [FOLDER | FILE...]"
                                         << "--version";
        QTest::newRow("short help") << "-h"
                                    << "zh"
                                    << "用法："
                                    << "--help";
        QTest::newRow("version") << "--version"
                                 << "en"
                                 << "tarvendi " TARVENDI_VERSION "\n"
                                 << "tarvendi";
    }

    void help_and_version_need_no_display() {
        QFETCH(QString, option);
        QFETCH(QString, language);
        QFETCH(QString, starts);
        QFETCH(QString, mentions);
        QList<QPair<QString, QString>> environment = kNoDisplay;
        environment.append({QStringLiteral("TARVENDI_LANG"), language});
        const Run run = run_program({option}, environment);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.startsWith(starts), qPrintable(run.out));
        QVERIFY(run.out.contains(mentions));
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    }

    void unknown_option_fails_without_opening() {
        const Run run =
            run_program({QStringLiteral("--bogus"), QStringLiteral("a.txt")},
                        {{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")},
                         {QStringLiteral("TARVENDI_LANG"), QStringLiteral("zh")}});
        QCOMPARE(run.status, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(QStringLiteral("--bogus")), qPrintable(run.err));
    }

    void drops_open_and_take_files_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QList<int>>("checks");
        QTest::addColumn<QStringList>("box");
        // Before each drop the working list holds a.txt alone, unchecked.
        for (const char *target : {"FileListBox1", "ListBox1"}) {
            QTest::addRow("a folder on %s", target)
                << target << QStringList{"sub"} << "sub" << QStringList{"x.txt", "y.txt", "歌.txt"}
                << QList<int>{2, 2, 2} << QStringList{};
            QTest::addRow("files of the folder shown are added on %s", target)
                << target << QStringList{"c.txt", "a.txt", "b.txt", "c.txt"} << ""
                << QStringList{"a.txt", "c.txt", "b.txt"} << QList<int>{0, 2, 2} << QStringList{};
            QTest::addRow("files of another folder open it on %s", target)
                << target << QStringList{"sub/歌.txt", "sub/x.txt"} << "sub"
                << QStringList{"歌.txt", "x.txt"} << QList<int>{2, 2} << QStringList{};
            QTest::addRow("files of two folders on %s", target)
                << target << QStringList{"b.txt", "sub/x.txt"} << ""
                << QStringList{"a.txt", "b.txt"} << QList<int>{0, 2}
                << QStringList{"只取了文件夹", "/sub/x.txt"};
            QTest::addRow("a missing file on %s", target)
                << target << QStringList{"gone.txt"} << "" << QStringList{"a.txt"} << QList<int>{0}
                << QStringList{"找不到", "/gone.txt"};
        }
    }

    void drops_open_and_take_files() {
        QFETCH(QString, target);
        QFETCH(QStringList, dropped);
        QFETCH(QString, folder);
        QFETCH(QStringList, list);
        QFETCH(QList<int>, checks);
        QFETCH(QStringList, box);
        TempFolder dir;
        populate(dir);
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        auto *working = control<QListView>(&w->Form1, "ListBox1");
        select_rows(files, {0});
        working->model()->setData(working->model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
        QCOMPARE(texts_of(working), QStringList({"a.txt"}));

        BoxAnswerer boxes;
        QVERIFY(drop_on(control<QAbstractItemView>(&w->Form1, qPrintable(target)), dir, dropped));
        QTRY_COMPARE(texts_of(working), list);
        QTRY_COMPARE(boxes.texts.size(), box.isEmpty() ? 0 : 1);
        QCOMPARE(checks_of(working), checks);
        QCOMPARE(control<QLineEdit>(&w->Form1, "Edit16")->text(), under(dir, folder) + "/");
        for (const QString &part : box)
            QVERIFY2(boxes.texts.front().contains(part), qPrintable(boxes.texts.front()));
    }

    // A file already in the working list as a full path (accumulate mode) is not added again.
    void drop_skips_files_held_as_full_paths() {
        TempFolder dir;
        populate(dir);
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        auto *working = control<QListView>(&w->Form1, "ListBox1");
        select_rows(files, {2});
        control<QCheckBox>(&w->Form1, "CheckBox1")->setChecked(true);
        click_row(files, 1);
        const QString b = under(dir, "b.txt");
        QCOMPARE(texts_of(working), QStringList({"c.txt", b}));
        QVERIFY(drop_on(working, dir, {"b.txt", "a.txt", "c.txt"}));
        QTRY_COMPARE(texts_of(working), QStringList({"c.txt", b, "a.txt"}));
    }

    void only_local_files_are_taken_data() {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<bool>("taken");
        QTest::newRow("a local file") << QStringList{"a.txt"} << true;
        QTest::newRow("a web link") << QStringList{"https://example.org/a.txt"} << false;
        QTest::newRow("a web link and a local file")
            << QStringList{"https://example.org/a.txt", "b.txt"} << true;
        // As a drag of the working list's own items: it goes on to the reordering, which refuses
        // it here, as it comes from no list of the window.
        QTest::newRow("no URL") << QStringList{} << false;
    }

    // What a drag carries decides over its acceptance, before anything is dropped; a drag that
    // is not taken leaves the lists as they were.
    void only_local_files_are_taken() {
        QFETCH(QStringList, urls);
        QFETCH(bool, taken);
        TempFolder dir;
        populate(dir);
        auto w = start_windows();
        auto *working = control<QListView>(&w->Form1, "ListBox1");
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        select_rows(files, {2});
        QCOMPARE(drop_on(files, dir, urls, true), taken);
        QCOMPARE(drop_on(working, dir, urls), taken);
        QCoreApplication::processEvents(); // the drop is taken once it has ended
        QCOMPARE(texts_of(working).size(), taken ? 2 : 1);
        QCOMPARE(texts_of(working).front(), QStringLiteral("c.txt"));
    }
};

QTEST_MAIN(OpenPathsTest)
#include "open_paths_test.moc"
