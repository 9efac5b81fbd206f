// The live preview "实时预览": with the option on, the page shown previews on its own once a burst
// of changes is over, says in Label26 what would be a message box, leaves huge working lists to
// the buttons, and is remembered.

#include "live_preview.h"
#include "notebook.h"
#include "options.h"
#include "page_fields.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolTip>
#include <functional>

using namespace tarvendi::test;
using tarvendi::ui::LivePreview;

using Change = std::function<void(ApplicationWindows &)>;
Q_DECLARE_METATYPE(Change)

namespace {

void show_page(ApplicationWindows &w, const char *page) {
    control<QTabWidget>(&w.Form1, "PageControl1")
        ->setCurrentWidget(control<QWidget>(&w.Form1, page));
}

QString caption(ApplicationWindows &w) {
    return control<QLabel>(&w.Form1, "Label26")->text();
}

// A burst: several changes with no pause between them.
Change typing(const char *page, const QStringList &fields) {
    return [page, fields](ApplicationWindows &w) {
        show_page(w, page);
        set_fields(&w.Form1, fields);
    };
}

} // namespace

class LivePreviewTest : public QObject {
    Q_OBJECT
    QTemporaryDir config_;

private slots:
    void initTestCase() {
        // A configuration of this run's own, so that the option starts as a first start has it.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    }

    void cleanup() { tarvendi::ui::set_live_preview(false); }

    // Off at first start; switched on or off, so it is in the next window.
    void option_is_remembered() {
        TempFolder dir;
        bool remembered = false;
        for (bool on : {true, false, false}) {
            auto w = start_windows();
            auto *item = control<QAction>(&w->Form1, "N22");
            QVERIFY(item->isCheckable());
            QCOMPARE(item->isChecked(), remembered);
            QCOMPARE(control<LivePreview>(&w->Form1, "LivePreview")->is_on(), remembered);
            item->setChecked(on);
            remembered = on;
        }
    }

    // Every page with a rule previews through its own preview button; the tag page has none.
    void pages_name_their_preview_buttons() {
        TempFolder dir;
        auto w = start_windows();
        auto *notebook = control<tarvendi::ui::Notebook>(&w->Form1, "PageControl1");
        for (int index = 0; index < notebook->count(); ++index) {
            const QPushButton *button = notebook->preview_button(index);
            const QString page = notebook->widget(index)->objectName();
            QCOMPARE(button == nullptr, page == QStringLiteral("TabSheet3"));
            if (button) {
                QCOMPARE(button->text(), QStringLiteral("预览"));
                QVERIFY(notebook->widget(index)->isAncestorOf(button));
            }
        }
    }

    void previews_once_after_a_burst_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("limit"); // 0: the program's own
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("button"); // whose previews are counted
        QTest::addColumn<int>("previews");
        QTest::addColumn<QStringList>("expected");
        // Label26 says what the button says in a box with the option off, or holds this text.
        QTest::addColumn<bool>("as_box");
        QTest::addColumn<QString>("said");

        const QStringList ab{"a.txt", "b.txt"};
        const QStringList by_hand{"01-a.txt", "02-b.txt"};
        const Change typed = [](ApplicationWindows &w) {
            auto *tmpl = control<QComboBox>(&w.Form1, "edit10");
            tmpl->lineEdit()->clear();
            QTest::keyClicks(tmpl->lineEdit(), QStringLiteral("x-#"));
            control<QLineEdit>(&w.Form1, "Edit11")->setText(QStringLiteral("5"));
        };
        QTest::newRow("off: typing changes nothing")
            << ab << false << 0 << typed << "Button3" << 0 << by_hand << false << "";
        QTest::newRow("on: typing previews once")
            << ab << true << 0 << typed << "Button3" << 1 << QStringList{"x-5.txt", "x-6.txt"}
            << false << "";
        QTest::newRow("checks of the working list")
            << ab << true << 0 << Change([](ApplicationWindows &w) {
                   set_checks(working_list(w), {0, 1}, {});
                   set_check(working_list(w), 1, Qt::Checked);
               })
            << "Button3" << 1 << QStringList{"01-b.txt"} << false << "";
        QTest::newRow("content of the working list")
            << ab << true << 0 << Change([](ApplicationWindows &w) {
                   select_rows(control<QListView>(&w.Form1, "FileListBox1"), {1});
               })
            << "Button3" << 1 << QStringList{"01-b.txt"} << false << "";
        // Fields of a page not shown are taken when it shows.
        const Change to_regex = [](ApplicationWindows &w) {
            set_fields(&w.Form1, {"Edit24=a", "Edit25=z"});
            show_page(w, "TabSheet11");
        };
        QTest::newRow("switching pages") << ab << true << 0 << to_regex << "Button41" << 1
                                         << QStringList{"z.txt", "b.txt"} << false << "";
        QTest::newRow("bad number") << ab << true << 0 << typing("TabSheet5", {"Edit11=1x"})
                                    << "Button3" << 1 << QStringList{} << true << "";
        QTest::newRow("no items") << QStringList{} << true << 0
                                  << typing("TabSheet5", {"edit10=*-#"}) << "Button3" << 1
                                  << QStringList{} << true << "";
        QTest::newRow("bad pattern") << ab << true << 0 << typing("TabSheet11", {"Edit24=(a"})
                                     << "Button41" << 1 << QStringList{} << true << "";
        QTest::newRow("above the limit only the button previews")
            << ab << true << 1 << typed << "Button3" << 0 << by_hand << false << "超过 1 个文件";
        // The working list that an execute fills anew is its outcome, not a change to preview.
        QTest::newRow("after an execute")
            << ab << true << 0 << Change([](ApplicationWindows &w) { click(w, "Button6"); })
            << "Button3" << 0 << QStringList{} << false << "已改名 2 个";
    }

    void previews_once_after_a_burst() {
        QFETCH(QStringList, files);
        QFETCH(bool, on);
        QFETCH(int, limit);
        QFETCH(Change, change);
        QFETCH(QString, button);
        QFETCH(int, previews);
        QFETCH(QStringList, expected);
        QFETCH(bool, as_box);
        QFETCH(QString, said);
        TempFolder dir;
        for (const QString &file : files)
            dir.file(file.toStdString());
        auto w = start_windows();
        if (limit > 0)
            control<LivePreview>(&w->Form1, "LivePreview")->set_item_limit(limit);
        show_page(*w, "TabSheet5");
        control<QAction>(&w->Form1, "N22")->setChecked(on);
        {
            // Pressed by hand, the button previews and leaves no live preview pending.
            BoxAnswerer by_hand;
            click(*w, "Button3");
        }
        QSignalSpy spy(control<QPushButton>(&w->Form1, button.toLatin1().constData()),
                       &QPushButton::clicked);
        BoxAnswerer boxes;
        change(*w);
        QCOMPARE(spy.count(), 0); // not while the burst goes on
        QTRY_COMPARE_WITH_TIMEOUT(spy.count(), previews, 3000);
        QTest::qWait(LivePreview::kDelay + 100);
        QCOMPARE(spy.count(), previews);
        QCOMPARE(texts_of(preview_list(*w)), expected);
        QVERIFY(boxes.texts.isEmpty());
        if (!said.isEmpty())
            QVERIFY2(caption(*w).contains(said), qPrintable(caption(*w)));
        if (as_box) {
            auto *label = control<QLabel>(&w->Form1, "Label26");
            const QString told = label->text();
            // A message too long for the caption ends in "…" and shows whole as its tool tip.
            QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), label->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(label, &hover);
            control<QAction>(&w->Form1, "N22")->setChecked(false);
            click(*w, button);
            QCOMPARE(boxes.texts.size(), 1);
            const QString boxed = boxes.texts[0].replace(QLatin1Char('\n'), QLatin1Char(' '));
            QVERIFY(!told.isEmpty());
            if (told.endsWith(QChar(0x2026))) {
                QVERIFY(boxed.startsWith(told.chopped(1)));
                QCOMPARE(QToolTip::text(), boxed);
            } else {
                QCOMPARE(told, boxed);
            }
        }
    }
};

QTEST_MAIN(LivePreviewTest)
#include "live_preview_test.moc"
