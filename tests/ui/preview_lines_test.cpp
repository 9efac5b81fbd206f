// The preview's lines beyond the plan's renames: an item its rule refused stands at its place,
// read as "invalid" with the reason, instead of a box; the verdict colours stay readable on a
// light and a dark list; the preview and the working list scroll together.

#include "page_fields.h"
#include "preview_list.h"
#include "preview_panel.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QPalette>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace tarvendi::test;
using tarvendi::ui::PreviewModel;
using tarvendi::ui::PreviewPanel;

namespace {

// Gives the regex "(a+)+$" far too much to try before the "!" makes it fail: the rule gives up.
QString runaway(const QString &lead) {
    return lead + QString(36, QLatin1Char('a')) + QStringLiteral("!.txt");
}

const QStringList kPattern = {"Edit24=(a+)+$|x", "Edit25=y"};
const QString kGaveUp = QStringLiteral("正则表达式匹配超出限制");

// The windows in dir holding ax.txt, b…!.txt and cc.txt, the runaway pattern set and button
// clicked: a rename, a refusal of the rule and an unchanged name.
std::unique_ptr<ApplicationWindows> previewed_three(const TempFolder &dir, const QString &button) {
    for (const QString &file : {QStringLiteral("ax.txt"), runaway("b"), QStringLiteral("cc.txt")})
        dir.file(file.toStdString());
    auto w = start_windows();
    set_fields(&w->Form1, kPattern);
    click(*w, button);
    return w;
}

// WCAG 2 relative luminance and contrast ratio, worked out here from the definition.
double luminance(const QColor &colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrast(const QColor &a, const QColor &b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QStringList column(const QAbstractItemView *view, int role) {
    QStringList out;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        out << view->model()->index(row, 0).data(role).toString();
    return out;
}

QColor foreground(const QAbstractItemView *view, int row) {
    return view->model()->index(row, 0).data(Qt::ForegroundRole).value<QBrush>().color();
}

PreviewPanel *panel(ApplicationWindows &w) {
    auto *found = w.Form1.findChild<PreviewPanel *>();
    if (!found)
        qFatal("no preview panel");
    return found;
}

int top_row(const QAbstractItemView *view) {
    return view->indexAt(QPoint(1, 1)).row();
}

// The application's palette for one test, the one before it given back afterwards.
class PaletteFor {
public:
    explicit PaletteFor(const QPalette &palette)
        : before_(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~PaletteFor() { QApplication::setPalette(before_); }

private:
    QPalette before_;
};

} // namespace

class PreviewLinesTest : public QObject {
    Q_OBJECT

private slots:
    void rule_refusals_are_lines_in_item_order_data() {
        QTest::addColumn<QList<int>>("unchecked");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("verdicts");
        QTest::addColumn<QString>("count");
        // The working list: ax.txt, b…!.txt, bx.txt, cc.txt, d…!.txt.
        QTest::newRow("between and after the renames")
            << QList<int>{} << QStringList{"ay.txt", runaway("b"), "by.txt", "cc.txt", runaway("d")}
            << QStringList{"rename", "invalid", "rename", "unchanged", "invalid"}
            << QStringLiteral("2 个将无法改名");
        QTest::newRow("first, an unchecked item left out")
            << QList<int>{0, 3} << QStringList{runaway("b"), "by.txt", runaway("d")}
            << QStringList{"invalid", "rename", "invalid"} << QStringLiteral("2 个将无法改名");
        QTest::newRow("refusals only")
            << QList<int>{0, 2, 3} << QStringList{runaway("b"), runaway("d")}
            << QStringList{"invalid", "invalid"} << QStringLiteral("2 个将无法改名");
        QTest::newRow("no refusal") << QList<int>{1, 4} << QStringList{"ay.txt", "by.txt", "cc.txt"}
                                    << QStringList{"rename", "rename", "unchanged"} << QString();
    }

    void rule_refusals_are_lines_in_item_order() {
        QFETCH(QList<int>, unchecked);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, verdicts);
        QFETCH(QString, count);
        TempFolder dir;
        const QStringList files = {"ax.txt", runaway("b"), "bx.txt", "cc.txt", runaway("d")};
        for (const QString &file : files)
            dir.file(file.toStdString());
        auto w = start_windows();
        QCOMPARE(texts_of(working_list(*w)), files);
        set_checks(working_list(*w), unchecked, {});
        set_fields(&w->Form1, kPattern);
        BoxAnswerer boxes;
        click(*w, "Button41");
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join('\n')));
        QListView *preview = preview_list(*w);
        QCOMPARE(texts_of(preview), lines);
        QCOMPARE(column(preview, PreviewModel::kVerdictRole), verdicts);
        for (int row = 0; row < verdicts.size(); ++row) {
            const QString tip = preview->model()->index(row, 0).data(Qt::ToolTipRole).toString();
            if (verdicts[row] == "invalid") {
                QCOMPARE(tip, kGaveUp);
                QCOMPARE(foreground(preview, row), QColor(0xC0, 0x00, 0x00));
            } else if (verdicts[row] == "rename") {
                QVERIFY(tip.isEmpty());
                QVERIFY(!preview->model()->index(row, 0).data(Qt::ForegroundRole).isValid());
            }
        }
        QCOMPARE(control<QLabel>(&w->Form1, "Label26")->text(), count);
        for (const QString &file : files)
            QVERIFY(dir.exists(file.toStdString()));
    }

    // The execute of the same pass still lists what the rule refused, in the box.
    void execute_reports_rule_refusals_in_the_box() {
        TempFolder dir;
        BoxAnswerer boxes;
        auto w = previewed_three(dir, "Button42");
        QCOMPARE(boxes.titles, QStringList({"未改名的文件"}));
        QVERIFY(boxes.texts[0].contains(runaway("b") + " → "));
        QVERIFY(boxes.texts[0].contains(kGaveUp));
        QVERIFY(dir.exists("ay.txt"));
        QVERIFY(dir.exists(runaway("b").toStdString()));
        QCOMPARE(control<QLabel>(&w->Form1, "Label26")->text(),
                 QStringLiteral("已改名 1 个，1 个未改名"));
    }

    void verdict_colours_read_on_the_list_data() {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("red_kept");
        QTest::newRow("white") << QColor(Qt::white) << QColor(0xEF, 0xEF, 0xEF) << QColor(Qt::black)
                               << true;
        QTest::newRow("light grey, red too dark")
            << QColor(0xD0, 0xD0, 0xD0) << QColor(0xC8, 0xC8, 0xC8) << QColor(Qt::black) << false;
        QTest::newRow("dark grey") << QColor(0x1E, 0x1E, 0x1E) << QColor(0x2D, 0x2D, 0x2D)
                                   << QColor(0xE0, 0xE0, 0xE0) << false;
        QTest::newRow("black") << QColor(Qt::black) << QColor(Qt::black) << QColor(Qt::white)
                               << false;
        QTest::newRow("dark blue") << QColor(0x1B, 0x28, 0x38) << QColor(0x22, 0x33, 0x44)
                                   << QColor(0xDD, 0xDD, 0xDD) << false;
    }

    // The colour scheme of the desktop the program starts in.
    void verdict_colours_read_on_the_list() {
        QFETCH(QColor, base);
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        QFETCH(bool, red_kept);
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Base, base);
        palette.setColor(QPalette::Window, window);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::WindowText, text);
        PaletteFor scheme(palette);
        TempFolder dir;
        auto w = previewed_three(dir, "Button41");
        QListView *preview = preview_list(*w);
        QCOMPARE(preview->palette().color(QPalette::Base), base);
        QCOMPARE(column(preview, PreviewModel::kVerdictRole),
                 QStringList({"rename", "invalid", "unchanged"}));

        const QColor refused = foreground(preview, 1);
        const QColor unchanged = foreground(preview, 2);
        QVERIFY2(contrast(refused, base) >= 4.5, qPrintable(refused.name()));
        QVERIFY2(contrast(unchanged, base) >= 4.5, qPrintable(unchanged.name()));
        // Still red: lighter or darker, never another colour.
        QVERIFY2(refused.red() > 2 * refused.green() && refused.red() > 2 * refused.blue(),
                 qPrintable(refused.name()));
        QCOMPARE(refused == QColor(0xC0, 0x00, 0x00), red_kept);

        auto *label = control<QLabel>(&w->Form1, "Label26");
        QCOMPARE(label->text(), QStringLiteral("1 个将无法改名"));
        label->ensurePolished();
        const QColor count = label->palette().color(label->foregroundRole());
        const QColor behind = label->palette().color(label->backgroundRole());
        QCOMPARE(behind, window);
        QVERIFY2(contrast(count, behind) >= 4.5, qPrintable(count.name()));
        QVERIFY2(count.red() > 2 * count.green(), qPrintable(count.name()));
    }

    // The list's palette changes after the preview: the lines take colours that read on it.
    void lines_recoloured_with_the_list() {
        TempFolder dir;
        auto w = previewed_three(dir, "Button41");
        QListView *preview = preview_list(*w);
        QCOMPARE(foreground(preview, 1), QColor(0xC0, 0x00, 0x00));
        QPalette dark = preview->palette();
        const QColor base(0x20, 0x20, 0x20);
        dark.setColor(QPalette::Base, base);
        preview->setPalette(dark);
        QVERIFY2(contrast(foreground(preview, 1), base) >= 4.5,
                 qPrintable(foreground(preview, 1).name()));
        QVERIFY2(contrast(foreground(preview, 2), base) >= 4.5,
                 qPrintable(foreground(preview, 2).name()));
    }

    void lists_scroll_together() {
        TempFolder dir;
        QStringList files;
        for (int i = 0; i < 120; ++i)
            files << QStringLiteral("x%1.txt").arg(i, 3, 10, QLatin1Char('0'));
        for (const QString &file : files)
            dir.file(file.toStdString());
        auto w = start_windows();
        QListView *working = working_list(*w);
        QListView *preview = preview_list(*w);
        // Linking again only replaces the link, whether the window made one or not.
        panel(*w)->scroll_with(working);
        set_fields(&w->Form1, {"Edit24=x", "Edit25=y"});
        click(*w, "Button41");
        QApplication::processEvents();
        QCOMPARE(texts_of(preview).size(), files.size());
        QVERIFY(preview->verticalScrollBar()->maximum() > 60);

        struct Move {
            QListView *scrolled;
            int row;
        };
        for (const Move &move : {Move{working, 40}, Move{preview, 10}, Move{preview, 55},
                                 Move{working, 0}, Move{working, 30}}) {
            move.scrolled->verticalScrollBar()->setValue(move.row);
            QApplication::processEvents();
            QCOMPARE(top_row(working), move.row);
            QCOMPARE(top_row(preview), move.row);
        }

        // A fresh preview starts at the rows the working list shows, and leaves them there.
        working->verticalScrollBar()->setValue(60);
        click(*w, "Button41");
        QApplication::processEvents();
        QCOMPARE(top_row(working), 60);
        QCOMPARE(top_row(preview), 60);

        // A shorter preview cannot follow all the way; the working list stays where it was.
        for (int row = 50; row < files.size(); ++row)
            set_check(working, row, Qt::Unchecked);
        working->verticalScrollBar()->setValue(90);
        click(*w, "Button41");
        QApplication::processEvents();
        QCOMPARE(texts_of(preview).size(), 50);
        QVERIFY(preview->verticalScrollBar()->maximum() > 2);
        QVERIFY(preview->verticalScrollBar()->maximum() < 90);
        QCOMPARE(top_row(working), 90);
        QCOMPARE(preview->verticalScrollBar()->value(), preview->verticalScrollBar()->maximum());
        preview->verticalScrollBar()->setValue(2);
        QApplication::processEvents();
        QCOMPARE(top_row(working), 2);
        QCOMPARE(top_row(preview), 2);
    }
};

QTEST_MAIN(PreviewLinesTest)
#include "preview_lines_test.moc"
