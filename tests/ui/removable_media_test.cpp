// Renames through the window where the file system has neither RENAME_NOREPLACE nor hard links,
// as on a USB stick or a camera card mounted through FUSE: each new name is reserved first, and
// folders either take a reserved empty folder or are checked first. Both ways are run on the
// temporary folder, and a real exFAT image adds names that fold case or that the media refuses.
// No file may be lost, replaced or left under a placeholder's name, and undo must bring every
// name back.

#include "page_fields.h"
#include "removable_image.h"
#include "safe_rename.h"
#include "ui_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <optional>
#include <utility>

using namespace tarvendi::test;
using tarvendi::testing::ImageFormat;
using tarvendi::testing::RemovableImage;

namespace fs = std::filesystem;
namespace platform = tarvendi::platform;

namespace {

const QString kTargetExists = QStringLiteral("目标已存在");
const QString kNotAllowedHere = QStringLiteral("此文件系统不允许该名称");
const QString kReportTitle = QStringLiteral("未改名的文件");

// Every rename of the process takes the way of a file system without RENAME_NOREPLACE and hard
// links while this lives. The simulation is the process's, so it must end with the test.
class WithoutNoReplace {
public:
    explicit WithoutNoReplace(bool folders_checked_first) {
        platform::simulate_no_noreplace(
            platform::MissingFeatures{.hard_links = true, .folder_replace = folders_checked_first});
    }
    ~WithoutNoReplace() { platform::simulate_no_noreplace(std::nullopt); }
    WithoutNoReplace(const WithoutNoReplace &) = delete;
    WithoutNoReplace &operator=(const WithoutNoReplace &) = delete;
};

// The two ways of the fallback, one row each for every case of a table.
const std::pair<const char *, bool> kWays[] = {{"placeholders", false},
                                               {"folders checked first", true}};

// Sets N15 (swaps and shifts) for one test. The option is remembered across starts, so it is
// switched off again for the tests after this one.
class SwapsAndShifts {
public:
    SwapsAndShifts(ApplicationWindows &w, bool on)
        : option_(control<QAction>(&w.Form1, "N15")) {
        option_->setChecked(on);
    }
    ~SwapsAndShifts() { option_->setChecked(false); }
    SwapsAndShifts(const SwapsAndShifts &) = delete;
    SwapsAndShifts &operator=(const SwapsAndShifts &) = delete;

private:
    QAction *option_;
};

// Everything under root, sorted: "name=content" a file, "name/" a folder, inner entries as
// "folder/name".
QStringList tree(const std::string &root) {
    QStringList out;
    for (const fs::directory_entry &it : fs::recursive_directory_iterator(root)) {
        const QString rel = QString::fromStdString(it.path().lexically_relative(root).string());
        if (it.is_directory()) {
            out << rel + "/";
        } else {
            std::ifstream in(it.path(), std::ios::binary);
            const std::string content{std::istreambuf_iterator<char>(in), {}};
            out << rel + "=" + QString::fromStdString(content);
        }
    }
    out.sort();
    return out;
}

QStringList sorted(QStringList entries) {
    entries.sort();
    return entries;
}

// Creates entries written as tree() shows them.
void make(const std::string &root, const QStringList &entries) {
    for (const QString &entry : entries) {
        const std::string path = root + "/" + entry.section('=', 0, 0).toStdString();
        if (entry.endsWith('/')) {
            fs::create_directories(path);
        } else {
            std::ofstream out(path, std::ios::binary);
            out << entry.section('=', 1).toStdString();
        }
    }
}

// A line of the report: "source → new name（reason）".
QString refused(const QString &source, const QString &new_name, const QString &reason) {
    return source + QStringLiteral(" → ") + new_name + QStringLiteral("（") + reason +
           QStringLiteral("）");
}

// What an action showed in message boxes, each answered: the lines of the report of refused
// renames, and the texts of every other box.
struct Shown {
    QStringList report;
    QStringList others;
};

template <class Action> Shown answering(Action action) {
    BoxAnswerer boxes;
    action();
    Shown out;
    for (qsizetype i = 0; i < boxes.texts.size(); ++i) {
        if (boxes.titles[i] != kReportTitle) {
            out.others << boxes.texts[i];
            continue;
        }
        for (const QString &line : boxes.texts[i].split('\n')) {
            if (line.contains(QStringLiteral(" → ")))
                out.report << line;
        }
    }
    return out;
}

void uncheck(ApplicationWindows &w, const QStringList &items) {
    QListView *list = working_list(w);
    const QStringList texts = texts_of(list);
    for (const QString &item : items) {
        QVERIFY2(texts.contains(item), qPrintable(item));
        set_check(list, static_cast<int>(texts.indexOf(item)), Qt::Unchecked);
    }
}

// The preview's lines as "new name verdict reason" (no reason for a plain rename).
QStringList preview_lines(ApplicationWindows &w) {
    const QAbstractItemModel *model = preview_list(w)->model();
    QStringList out;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        QString line =
            index.data(Qt::DisplayRole).toString() + " " + index.data(Qt::UserRole + 1).toString();
        const QString reason = index.data(Qt::ToolTipRole).toString();
        if (!reason.isEmpty())
            line += " " + reason;
        out << line;
    }
    return out;
}

// Undoes the newest run, answering Yes to the question that names it.
void undo(ApplicationWindows &w) {
    const Shown shown = answering([&] { control<QAction>(&w.Form1, "N14")->trigger(); });
    QCOMPARE(shown.report, QStringList{});
    QCOMPARE(shown.others.size(), 1);
    QVERIFY2(shown.others.front().startsWith(QStringLiteral("撤销 ")),
             qPrintable(shown.others.front()));
}

} // namespace

class RemovableMediaTest : public QObject {
    Q_OBJECT

private slots:
    void thousands_of_files_renamed_and_undone_data() {
        QTest::addColumn<bool>("folders_checked_first");
        for (const auto &[way, checked_first] : kWays)
            QTest::newRow(way) << checked_first;
    }

    // Large enough for the renames to be shared between threads.
    void thousands_of_files_renamed_and_undone() {
        QFETCH(bool, folders_checked_first);
        constexpr int kFiles = 2000;
        TempFolder dir;
        QStringList before;
        QStringList after;
        for (int i = 0; i < kFiles; ++i) {
            const QString entry =
                QStringLiteral("f%1.txt=content %2").arg(i, 4, 10, QLatin1Char('0')).arg(i);
            before << entry;
            after << QStringLiteral("%1-").arg(i + 1, 4, 10, QLatin1Char('0')) + entry;
        }
        make(dir.path(), before);
        auto w = start_windows();
        WithoutNoReplace fallback(folders_checked_first);
        set_fields(&w->Form1, {"edit10=####-*"});
        const Shown shown = answering([&] { click(*w, "Button6"); });
        QCOMPARE(shown.report, QStringList{});
        QCOMPARE(shown.others, QStringList{});
        QCOMPARE(tree(dir.path()), sorted(after));
        undo(*w);
        QCOMPARE(tree(dir.path()), sorted(before));
    }

    void name_list_renames_undone_data() {
        QTest::addColumn<bool>("folders_checked_first");
        QTest::addColumn<bool>("swaps");
        QTest::addColumn<bool>("directory_mode");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QStringList>("after");
        QStringList numbered;
        QStringList shifted;
        QString shift_lines;
        for (int i = 1; i <= 10; ++i) {
            numbered << QStringLiteral("%1.txt=%2").arg(i, 2, 10, QLatin1Char('0')).arg(i);
            shifted << QStringLiteral("%1.txt=%2").arg(i + 1, 2, 10, QLatin1Char('0')).arg(i);
            shift_lines += QStringLiteral("%1\n").arg(i + 1, 2, 10, QLatin1Char('0'));
        }
        for (const auto &[way, checked_first] : kWays) {
            QTest::addRow("a few files, %s", way)
                << checked_first << false << false
                << QStringList{"a.mp3=a", "b.mp3=b", "c.mp3=c", "CD1/", "CD1/in.txt=in"}
                << "Intro\nSong\nOutro"
                << QStringList{"Intro.mp3=a", "Song.mp3=b", "Outro.mp3=c", "CD1/", "CD1/in.txt=in"};
            QTest::addRow("a folder with its contents, %s", way)
                << checked_first << false << true
                << QStringList{"CD1/", "CD1/in.txt=in", "CD1/sub/", "CD1/sub/deep.txt=deep",
                               "a.mp3=a"}
                << "Disc 1"
                << QStringList{"Disc 1/", "Disc 1/in.txt=in", "Disc 1/sub/",
                               "Disc 1/sub/deep.txt=deep", "a.mp3=a"};
            QTest::addRow("two files swapped, %s", way)
                << checked_first << true << false << QStringList{"a.txt=alpha", "b.txt=beta"}
                << "b\na" << QStringList{"a.txt=beta", "b.txt=alpha"};
            QTest::addRow("ten files shifted, %s", way)
                << checked_first << true << false << numbered << shift_lines << shifted;
            QTest::addRow("two folders swapped, %s", way)
                << checked_first << true << true
                << QStringList{"CD1/", "CD1/one=1", "CD2/", "CD2/two=2"} << "CD2\nCD1"
                << QStringList{"CD1/", "CD1/two=2", "CD2/", "CD2/one=1"};
        }
    }

    void name_list_renames_undone() {
        QFETCH(bool, folders_checked_first);
        QFETCH(bool, swaps);
        QFETCH(bool, directory_mode);
        QFETCH(QStringList, before);
        QFETCH(QString, lines);
        QFETCH(QStringList, after);
        TempFolder dir;
        make(dir.path(), before);
        auto w = start_windows();
        SwapsAndShifts option(*w, swaps);
        WithoutNoReplace fallback(folders_checked_first);
        if (directory_mode)
            control<QCheckBox>(&w->Form1, "CheckBox13")->click();
        control<QPlainTextEdit>(&w->Form1, "Memo6")->setPlainText(lines);
        set_fields(&w->Form1, {"ComboBox1="});
        const Shown shown = answering([&] { click(*w, "Button14"); });
        QCOMPARE(shown.report, QStringList{});
        QCOMPARE(shown.others, QStringList{});
        QCOMPARE(tree(dir.path()), sorted(after));
        undo(*w);
        QCOMPARE(tree(dir.path()), sorted(before));
    }

    // exFAT through FUSE, as a card or stick is mounted on many systems: one name in another
    // case is the same entry, and a few characters are refused by the media.
    void exfat_card() {
        TempFolder journal_and_start;
        RemovableImage image(ImageFormat::Exfat);
        if (!image.mounted())
            QSKIP(image.why().c_str());
        const QStringList before = {"Song.MP3=song", "x.mp3=x"};
        make(image.path(), before);
        auto w = start_windows();
        auto *path = control<QLineEdit>(&w->Form1, "Edit16");
        path->setText(QString::fromStdString(image.path()));
        QTest::keyClick(path, Qt::Key_Return);
        QCOMPARE(texts_of(working_list(*w)), QStringList({"Song.MP3", "x.mp3"}));

        // Only the case of the extension changes: the name is held by the file itself.
        set_fields(&w->Form1, {"Edit12=mp3"});
        click(*w, "Button7");
        QCOMPARE(preview_lines(*w), QStringList({"Song.mp3 rename", "x.mp3 unchanged 名称未变"}));
        Shown shown = answering([&] { click(*w, "Button5"); });
        QCOMPARE(shown.report, QStringList{});
        QCOMPARE(shown.others, QStringList{});
        const QStringList renamed = {"Song.mp3=song", "x.mp3=x"};
        QCOMPARE(tree(image.path()), renamed);

        const struct {
            const char *tmpl;
            QString new_name;
            QString verdict;
            QString reason;
        } refusals[] = {{"SONG", "SONG.mp3", "exists", kTargetExists},
                        {"what?", "what?.mp3", "invalid", kNotAllowedHere}};
        for (const auto &r : refusals) {
            uncheck(*w, {"Song.mp3"});
            set_fields(&w->Form1, {QStringLiteral("edit10=") + r.tmpl});
            click(*w, "Button3");
            QCOMPARE(preview_lines(*w), QStringList{r.new_name + " " + r.verdict + " " + r.reason});
            shown = answering([&] { click(*w, "Button6"); });
            QCOMPARE(shown.report, QStringList{refused("x.mp3", r.new_name, r.reason)});
            QCOMPARE(shown.others, QStringList{});
            QCOMPARE(tree(image.path()), renamed);
        }

        // An execute that the disk refused whole leaves no record: the next undo is the
        // extension change.
        undo(*w);
        QVERIFY(!control<QAction>(&w->Form1, "N14")->isEnabled());
        QCOMPARE(tree(image.path()), before);
    }
};

QTEST_MAIN(RemovableMediaTest)
#include "removable_media_test.moc"
