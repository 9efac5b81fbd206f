// An execute stopped from its progress dialog, and "刷新" reading a folder that changed from
// outside.

#include "pass_progress.h"
#include "ui_test_support.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>

namespace fs = std::filesystem;
using namespace tarvendi::test;
using tarvendi::ui::PassProgress;

namespace {

QStringList sorted(QStringList texts) {
    texts.sort();
    return texts;
}

// Every pass of the test shows its dialog, and at the step given the stop is clicked.
class StopAtStep {
public:
    StopAtStep(QWidget *window, std::size_t step) {
        PassProgress::watch_for_tests(1, [window, step, this](std::size_t done) {
            if (done == step) {
                control<QPushButton>(window, "ButtonStop")->click();
                ++clicks;
            }
        });
    }
    ~StopAtStep() { PassProgress::watch_for_tests(3000, {}); }
    int clicks = 0;
};

} // namespace

class StopAndRefreshTest : public QObject {
    Q_OBJECT

private slots:
    // Stopped in its middle, an execute keeps the renames it made, reports no file it did not
    // reach, refreshes the lists and is undone whole.
    void execute_stopped_in_its_middle() {
        constexpr int kFiles = 300;
        constexpr int kStopAt = 120;
        TempFolder dir;
        for (int i = 0; i < kFiles; ++i)
            dir.file(QString::asprintf("f%03d.txt", i).toStdString(), std::to_string(i));
        const QStringList before = names_in(dir);
        auto w = start_windows();
        // An execute plans (a step per item), then renames (a step per rename).
        StopAtStep stop(&w->Form1, kFiles + kStopAt);
        control<QComboBox>(&w->Form1, "edit10")->setCurrentText("###-*");
        BoxAnswerer boxes;
        control<QPushButton>(&w->Form1, "Button6")->click();
        QCOMPARE(stop.clicks, 1);
        QCOMPARE(boxes.texts, QStringList());
        QCOMPARE(control<QLabel>(&w->Form1, "Label26")->text(), QString("已改名 120 个，已停止"));
        const QStringList after = names_in(dir);
        QCOMPARE(after.filter(QRegularExpression("^\\d{3}-f\\d{3}\\.txt$")).size(), kStopAt);
        QCOMPARE(after.filter(QRegularExpression("^f\\d{3}\\.txt$")).size(), kFiles - kStopAt);
        // The first files in list order were renamed, each keeping its content.
        QVERIFY(after.contains("001-f000.txt") && after.contains("120-f119.txt"));
        QCOMPARE(dir.read("120-f119.txt"), std::string("119"));
        QVERIFY(after.contains("f120.txt"));
        QCOMPARE(sorted(texts_of(control<QListView>(&w->Form1, "ListBox1"))), after);

        // Undo asks about the renames made, and takes back every one.
        control<QAction>(&w->Form1, "N14")->trigger();
        QVERIFY2(boxes.texts.value(0).endsWith(" 的 120 个改名？"),
                 qPrintable(boxes.texts.join('|')));
        QCOMPARE(names_in(dir), before);
        QCOMPARE(dir.read("f119.txt"), std::string("119"));
    }

    // "刷新" reads the folder shown again: files added and renamed from outside show in both
    // lists.
    void refresh_reads_what_changed_outside() {
        TempFolder dir;
        dir.file("a.txt");
        dir.file("b.txt");
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        QCOMPARE(texts_of(files), QStringList({"a.txt", "b.txt"}));
        dir.file("c.txt");
        fs::rename(dir / "b.txt", dir / "z.txt");
        control<QPushButton>(&w->Form1, "Button34")->click();
        QCOMPARE(texts_of(files), QStringList({"a.txt", "c.txt", "z.txt"}));
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "ListBox1")),
                 QStringList({"a.txt", "c.txt", "z.txt"}));
    }
};

QTEST_MAIN(StopAndRefreshTest)
#include "stop_and_refresh_test.moc"
