// "改名记录": the history window over the executes of a run, its undo, and the count of an
// execute in Label26.

#include "ui_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>

using namespace tarvendi::test;

namespace {

// Label26 afterwards; box_texts (may be null) gets the texts of the boxes shown.
QString execute_wildcard(ApplicationWindows &w, const QString &tmpl,
                         QStringList *box_texts = nullptr) {
    control<QComboBox>(&w.Form1, "edit10")->setCurrentText(tmpl);
    BoxAnswerer boxes;
    control<QPushButton>(&w.Form1, "Button6")->click();
    if (box_texts)
        *box_texts = boxes.texts;
    return control<QLabel>(&w.Form1, "Label26")->text();
}

} // namespace

class HistoryTest : public QObject {
    Q_OBJECT

private slots:
    void executes_listed_newest_first_and_undone_from_the_window() {
        TempFolder dir;
        dir.file("a.txt");
        dir.file("b.txt");
        auto w = start_windows();
        execute_wildcard(*w, "#-*");
        QCOMPARE(execute_wildcard(*w, "x*"), QString("已改名 2 个"));

        control<QAction>(&w->Form1, "N21")->trigger();
        auto *history = control<QDialog>(&w->Form1, "FHistory");
        QCOMPARE(history->windowTitle(), QString("改名记录"));
        const QRegularExpression row(
            "^\\d+月\\d+日 \\d\\d:\\d\\d  " +
            QRegularExpression::escape(QString::fromStdString(dir.path())) +
            "  通配符改名：2 个改名  (可撤销|已撤销)$");
        const auto states = [&] {
            QStringList out;
            for (const QString &text : texts_of(control<QListWidget>(history, "HistoryList")))
                out << (row.match(text).hasMatch() ? row.match(text).captured(1) : text);
            return out;
        };
        QCOMPARE(states(), QStringList({"可撤销", "可撤销"}));
        BoxAnswerer boxes;
        control<QPushButton>(history, "ButtonUndo")->click();
        QCOMPARE(boxes.titles, QStringList({"确认"}));
        QCOMPARE(states(), QStringList({"已撤销", "可撤销"}));
        QVERIFY(dir.exists("1-a.txt") && dir.exists("2-b.txt"));
    }

    void execute_with_a_refusal_counted() {
        TempFolder dir;
        dir.file("a.txt");
        dir.file("b.txt");
        std::filesystem::create_directory(dir / "2-b.txt"); // not listed, but the name is taken
        auto w = start_windows();
        QStringList boxes;
        QCOMPARE(execute_wildcard(*w, "#-*", &boxes), QString("已改名 1 个，1 个未改名"));
        QVERIFY(dir.exists("1-a.txt") && dir.exists("b.txt"));
        // The box of what was refused says that undo takes back what was done.
        QVERIFY2(!boxes.isEmpty() &&
                     boxes.last().endsWith("已做的 1 项改动可用“撤销上次改名”（Ctrl+Z）复原。"),
                 qPrintable(boxes.join(" | ")));
        // The refused rename is in the record, marked failed: the row leaves it out.
        control<QAction>(&w->Form1, "N21")->trigger();
        QVERIFY(texts_of(control<QListWidget>(&w->Form1, "HistoryList"))
                    .value(0)
                    .endsWith("  通配符改名：1 个改名  可撤销"));
    }
};

QTEST_MAIN(HistoryTest)

#include "history_test.moc"
