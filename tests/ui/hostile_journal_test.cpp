// The journal as hostile users, crashes and clocks leave it, undone through either front end:
// each case is laid out twice, once for "tarvendi-cli undo --execute" and once for the window's
// N14, and both must leave the same names and tell the same thing.

#include "journal_format.h"
#include "ui_test_support.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/wait.h>

namespace fs = std::filesystem;
using namespace tarvendi::test;
using tarvendi::core::JournalStep;
using tarvendi::core::StepKind;

namespace {

const std::string kTagOld = "TAG" + std::string(125, 'o');
const std::string kTagWritten = "TAG" + std::string(125, 'w');
const std::string kTagChanged = "TAG" + std::string(125, 'c');

// A record of steps as a run writes it; end: its last line (finished, cut, none).
std::string record(const std::vector<JournalStep> &steps, const std::string &end) {
    std::string text = tarvendi::core::journal_header("2026-12-08T10:00:00Z", "cli", "wildcard");
    for (const JournalStep &step : steps)
        tarvendi::core::append_step_line(step, text);
    return text + end;
}

JournalStep renamed(const TempFolder &dir, const std::string &from, const std::string &to) {
    return {StepKind::Rename, dir / from, dir / to, {}};
}

void put_record(const TempFolder &dir, const std::string &name, const std::string &text) {
    fs::create_directories(dir.journal_folder());
    std::ofstream(dir.journal_folder() + "/" + name) << text;
}

struct Hostile {
    const char *what;
    // The files and records as the hostile act left them.
    std::function<void(const TempFolder &)> arrange;
    QStringList after; // the folder's names once undone
    QString told;      // what both front ends say
};

const std::vector<Hostile> &cases() {
    static const std::vector<Hostile> all = {
        {"a cut last line, then 否 at the start",
         [](const TempFolder &dir) {
             dir.file("b");
             put_record(dir, "s000000000001-x.jsonl",
                        record({renamed(dir, "a", "b")}, "{\"rename\":\"/m/c\",\"t"));
         },
         {"a"},
         {}},
        {"garbage and an empty record before an older one",
         [](const TempFolder &dir) {
             dir.file("b");
             put_record(dir, "s000000000001-x.jsonl",
                        record({renamed(dir, "a", "b")}, tarvendi::core::finished_line({})));
             put_record(dir, "s000000000002-x.jsonl", "");
             put_record(dir, "s000000000003-x.jsonl", "garbage\n");
         },
         {"a"},
         "撤销记录已损坏"},
        {"a clock set back: the later number first",
         [](const TempFolder &dir) {
             dir.file("b");
             dir.file("d");
             put_record(dir, "s000000000001-29991231T000000Z-1.jsonl",
                        record({renamed(dir, "c", "d")}, tarvendi::core::finished_line({})));
             put_record(dir, "s000000000002-20000101T000000Z-1.jsonl",
                        record({renamed(dir, "a", "b")}, tarvendi::core::finished_line({})));
         },
         {"a", "d"},
         {}},
        {"a tag changed after it was written",
         [](const TempFolder &dir) {
             dir.file("a.mp3", "audio" + kTagChanged);
             put_record(dir, "s000000000001-x.jsonl",
                        record({{StepKind::Tag, dir / "a.mp3", {}, kTagOld}},
                               tarvendi::core::written_tag_line(0, kTagWritten) +
                                   tarvendi::core::finished_line({})));
         },
         {"a.mp3"},
         "标签已被再次修改"},
        {"a swap's member moved beside its name",
         [](const TempFolder &dir) {
             dir.file("a", "B");
             dir.file("a (1)", "A");
             dir.file("b", "intruder");
             put_record(dir, "s000000000001-x.jsonl",
                        record({renamed(dir, "a", ".tarvendi-1-0"), renamed(dir, "b", "a"),
                                renamed(dir, ".tarvendi-1-0", "b"), renamed(dir, "a", "a (1)")},
                               tarvendi::core::finished_line({2})));
         },
         {"a", "a (1)", "b"},
         "目标已存在"},
    };
    return all;
}

// Both outputs of "tarvendi-cli undo --execute" in Chinese.
QString cli_undo(const TempFolder &dir) {
    const std::string command =
        "cd '" + dir.path() + "' && TARVENDI_LANG=zh " CLI_PATH " undo --execute </dev/null 2>&1";
    std::string out;
    std::FILE *pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    ::pclose(pipe);
    return QString::fromStdString(out);
}

// What the window says while it starts (answering 否 to its question) and undoes once.
QString window_undo() {
    QStringList told;
    std::unique_ptr<ApplicationWindows> w;
    {
        BoxAnswerer no(QMessageBox::No);
        w = start_windows();
        told << no.texts;
    }
    BoxAnswerer yes;
    control<QAction>(&w->Form1, "N14")->trigger();
    told << yes.texts << control<QLabel>(&w->Form1, "Label26")->text();
    return told.join('\n');
}

} // namespace

class HostileJournalTest : public QObject {
    Q_OBJECT

private slots:
    void both_front_ends_alike() {
        for (const Hostile &c : cases()) {
            for (const bool window : {false, true}) {
                const QString how = QString(window ? "window: " : "cli: ") + c.what;
                TempFolder dir;
                c.arrange(dir);
                const QString told = window ? window_undo() : cli_undo(dir);
                QVERIFY2(names_in(dir) == c.after,
                         qPrintable(how + " → " + names_in(dir).join(", ")));
                QVERIFY2(told.contains(c.told), qPrintable(how + " said " + told));
            }
        }
    }
};

QTEST_MAIN(HostileJournalTest)

#include "hostile_journal_test.moc"
