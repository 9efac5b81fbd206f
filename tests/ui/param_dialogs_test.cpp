// The parameter dialogs Fpara and Fpara2 on their own, and the two rules of the page "特殊改名"
// that ask for their positions in them: substring move (Button20) and tail-to-front (Button27).

#include "page_fields.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <tuple>

using namespace tarvendi::test;

namespace {

QDialog *dialog_named(ApplicationWindows &w, const QString &name) {
    if (name == QLatin1String("Fpara"))
        return &w.Fpara;
    return &w.Fpara2;
}

// Test files hold more than an MP3 tag's 128 bytes, so that showing the tag of one never fails.
void make(const TempFolder &dir, const QString &name) {
    dir.file(name.toStdString(), std::string(200, 'x'));
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// How a test ends a parameter dialog: it types `fields` ("Edit1=3"), then presses `button`
// ("Button1", "Button2"), or the close box when button is empty. Each opening is recorded as the
// dialog's name followed by the texts its fields showed when it opened.
struct DialogAnswer {
    QStringList fields;
    QString button;
    QList<QStringList> *openings = nullptr;

    void operator()(QDialog *dialog) const {
        if (openings) {
            QStringList seen{dialog->objectName()};
            for (const char *name : {"Edit1", "Edit2", "Edit3"})
                if (auto *edit = dialog->findChild<QLineEdit *>(QLatin1String(name)))
                    seen << edit->text();
            openings->push_back(seen);
        }
        set_fields(dialog, fields);
        if (button.isEmpty())
            dialog->close();
        else
            control<QPushButton>(dialog, button.toLatin1().constData())->click();
    }
};

// The tab-focus order of a window's fields and buttons.
QStringList tab_order(QWidget *window) {
    QStringList order;
    QWidget *w = window->nextInFocusChain();
    while (w != window) {
        if ((w->focusPolicy() & Qt::TabFocus) && !order.contains(w->objectName()))
            order << w->objectName();
        w = w->nextInFocusChain();
    }
    return order;
}

} // namespace

class ParamDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void dialog_fields_follow_their_tab_order() {
        TempFolder dir;
        auto w = start_windows();
        QCOMPARE(tab_order(&w->Fpara2),
                 QStringList({"Edit1", "Edit2", "Button1", "Button2", "Edit3"}));
        QCOMPARE(tab_order(&w->Fpara), QStringList({"Edit1", "Edit2", "Button1", "Button2"}));
    }

    void dialogs_end_with_the_result_of_their_button_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        for (const char *dialog : {"Fpara", "Fpara2"}) {
            QTest::addRow("%s preview", dialog) << dialog << "Button1" << 1;
            QTest::addRow("%s execute", dialog) << dialog << "Button2" << 2;
            QTest::addRow("%s close box", dialog) << dialog << "" << 0;
        }
    }

    void dialogs_end_with_the_result_of_their_button() {
        QFETCH(QString, dialog);
        QFETCH(QString, button);
        QFETCH(int, result);
        TempFolder dir;
        auto w = start_windows();
        QDialog *d = dialog_named(*w, dialog);
        DialogAnswerer answerer(DialogAnswer{{}, button});
        QCOMPARE(d->exec(), result);
        QCOMPARE(d->result(), result);
        QVERIFY(!d->isVisible());
    }

    void enter_and_escape_close_neither_dialog() {
        TempFolder dir;
        auto w = start_windows();
        for (QDialog *d : std::initializer_list<QDialog *>{&w->Fpara, &w->Fpara2}) {
            d->show();
            auto *edit = control<QLineEdit>(d, "Edit1");
            for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
                QTest::keyClick(edit, key);
                QTest::keyClick(control<QPushButton>(d, "Button1"), key);
                QVERIFY2(d->isVisible(), qPrintable(d->objectName()));
            }
            d->hide();
        }
    }

    void a_click_selects_the_whole_field_of_fpara_only() {
        TempFolder dir;
        auto w = start_windows();
        w->Fpara.show();
        for (const char *name : {"Edit1", "Edit2"}) {
            auto *edit = control<QLineEdit>(&w->Fpara, name);
            edit->setText("123");
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, edit->height() / 2));
            QCOMPARE(edit->selectedText(), QStringLiteral("123"));
        }
        w->Fpara.hide();
        w->Fpara2.show();
        auto *edit = control<QLineEdit>(&w->Fpara2, "Edit1");
        edit->setText("123");
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, edit->height() / 2));
        QVERIFY(edit->selectedText().isEmpty());
        w->Fpara2.hide();
    }

    void reorder_rules_run_over_every_item_data() {
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("olds");
        QTest::addColumn<QStringList>("news");

        const QStringList move_fields{"Edit1=1", "Edit2=2", "Edit3=999"};
        const QStringList move_olds{"ABCDEFGH.txt", "01歌曲.mp3", "abc.mp3 cd.mp3"};
        const QStringList move_news{"CDEFGHAB.txt", "歌曲01.mp3", "cab.mp3 cd.mp3"};
        QTest::newRow("move, preview")
            << "Button20" << move_fields << "Button1" << move_olds << move_news;
        QTest::newRow("move, execute")
            << "Button20" << move_fields << "Button2" << move_olds << move_news;
        QTest::newRow("move, close box")
            << "Button20" << move_fields << "" << move_olds << move_olds;
        QTest::newRow("move with the defaults")
            << "Button20" << QStringList{} << "Button2" << QStringList{"ABCDEFGH.txt"}
            << QStringList{"GHABCDEF.txt"};
        QTest::newRow("move to the front")
            << "Button20" << QStringList{"Edit1=4", "Edit2=2", "Edit3=0"} << "Button2"
            << QStringList{"ABCDEFGH.txt"} << QStringList{"DEABCFGH.txt"};
        QTest::newRow("move with start 0")
            << "Button20" << QStringList{"Edit1=0", "Edit2=3", "Edit3=4"} << "Button2"
            << QStringList{"ABCDEF"} << QStringList{"CABDEF"};

        const QStringList tail_olds{"song001.mp3", "abcdef", "ab.txt"};
        const QStringList tail_news{"001song.mp3", "defabc", "ab.txt"};
        QTest::newRow("tail, preview")
            << "Button27" << QStringList{} << "Button1" << tail_olds << tail_news;
        QTest::newRow("tail, execute")
            << "Button27" << QStringList{} << "Button2" << tail_olds << tail_news;
        QTest::newRow("tail, close box")
            << "Button27" << QStringList{} << "" << tail_olds << tail_olds;
        QTest::newRow("tail ending before the last byte")
            << "Button27" << QStringList{"Edit1=2", "Edit2=3"} << "Button2"
            << QStringList{"abc123.txt"} << QStringList{"12abc3.txt"};
        QTest::newRow("tail before the first extension")
            << "Button27" << QStringList{"Edit1=1", "Edit2=2"} << "Button2"
            << QStringList{"abcd.mp3 live.mp3"} << QStringList{"cdab.mp3 live.mp3"};
    }

    void reorder_rules_run_over_every_item() {
        QFETCH(QString, handler);
        QFETCH(QStringList, fields);
        QFETCH(QString, button);
        QFETCH(QStringList, olds);
        QFETCH(QStringList, news);
        TempFolder dir;
        for (const QString &name : olds)
            make(dir, name);
        auto w = start_windows();
        // A preview of the panel stands in the list first; the close box must leave it.
        click_button(*w, "Button4");
        const QStringList earlier = texts_of(preview_list(*w));
        set_checks(working_list(*w), {0}, {});
        const QStringList items = texts_of(working_list(*w));
        dir.file("later.txt");

        QList<QStringList> openings;
        DialogAnswerer answerer(DialogAnswer{fields, button, &openings});
        BoxAnswerer boxes;
        click_button(*w, handler.toLatin1().constData());

        QCOMPARE(openings.size(), 1);
        QCOMPARE(openings[0].value(0), QString(handler == "Button20" ? "Fpara2" : "Fpara"));
        QVERIFY(boxes.texts.isEmpty());
        const bool closed = button.isEmpty();
        const bool execute = button == "Button2";
        QStringList expected;
        for (const QString &item : items)
            expected << news[olds.indexOf(item)];
        QCOMPARE(texts_of(preview_list(*w)), closed ? earlier : expected);
        for (qsizetype i = 0; i < olds.size(); ++i) {
            QVERIFY(dir.exists((execute ? news : olds)[i].toStdString()));
            if (olds[i] != news[i])
                QVERIFY(!dir.exists((execute ? olds : news)[i].toStdString()));
        }
        // The file list is read again unless the dialog was closed; the working list stays.
        QCOMPARE(sorted(texts_of(control<QListView>(&w->Form1, "FileListBox1"))),
                 closed ? sorted(olds) : sorted((execute ? news : olds) << "later.txt"));
        QCOMPARE(texts_of(working_list(*w)), items);
    }

    void typed_values_are_offered_again() {
        TempFolder dir;
        dir.file("abcdef.txt");
        auto w = start_windows();
        QList<QStringList> openings;
        {
            DialogAnswerer answerer(
                DialogAnswer{{"Edit1=3", "Edit2=1", "Edit3=0"}, "Button1", &openings});
            click_button(*w, "Button20");
            QCOMPARE(texts_of(preview_list(*w)), QStringList{"cabdef.txt"});
        }
        {
            DialogAnswerer answerer(DialogAnswer{{"Edit1=2", "Edit2=4"}, "", &openings});
            click_button(*w, "Button27");
        }
        {
            DialogAnswerer answerer(DialogAnswer{{}, "Button1", &openings});
            click_button(*w, "Button20");
            click_button(*w, "Button27");
        }
        QCOMPARE(openings, QList<QStringList>({{"Fpara2", "1", "6", "999"},
                                               {"Fpara", "1", "3"},
                                               {"Fpara2", "3", "1", "0"},
                                               {"Fpara", "2", "4"}}));
        QCOMPARE(texts_of(preview_list(*w)), QStringList{"cdeabf.txt"});
    }

    void a_field_that_is_no_number_stops_before_any_rename() {
        TempFolder dir;
        make(dir, "song001.mp3");
        auto w = start_windows();
        click_button(*w, "Button4");
        dir.file("later.txt");
        {
            DialogAnswerer answerer(DialogAnswer{{"Edit2=abc"}, "Button2"});
            BoxAnswerer boxes;
            click_button(*w, "Button27");
            QCOMPARE(boxes.texts, QStringList{"'abc' is not a valid integer value"});
            QCOMPARE(boxes.icons.value(0), QMessageBox::Critical);
        }
        QVERIFY(texts_of(preview_list(*w)).isEmpty());
        QVERIFY(dir.exists("song001.mp3"));
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "FileListBox1")),
                 QStringList{"song001.mp3"});

        // With no item the fields are never read: no error, and the file list is read again.
        click_button(*w, "Button28");
        DialogAnswerer answerer(DialogAnswer{{}, "Button2"});
        BoxAnswerer boxes;
        click_button(*w, "Button27");
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(texts_of(control<QListView>(&w->Form1, "FileListBox1")),
                 QStringList({"later.txt", "song001.mp3"}));
    }

    void a_full_path_keeps_its_folder() {
        TempFolder dir;
        dir.file("song001.txt", "data");
        auto w = start_windows();
        auto *files = control<QListView>(&w->Form1, "FileListBox1");
        select_rows(files, {});
        control<QCheckBox>(&w->Form1, "CheckBox1")->setChecked(true);
        select_rows(files, {0});
        const QString path = QString::fromStdString(dir.path()) + "/song001.txt";
        QCOMPARE(texts_of(working_list(*w)), QStringList{path});
        {
            // Tail-to-front puts the file's last bytes before the folder: refused, reported.
            DialogAnswerer answerer(DialogAnswer{{}, "Button2"});
            BoxAnswerer boxes;
            click_button(*w, "Button27");
            QCOMPARE(texts_of(preview_list(*w)), QStringList{"001" + path.chopped(7) + ".txt"});
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY(boxes.texts[0].contains(path + " → 001"));
            QVERIFY(dir.exists("song001.txt"));
        }
        // A move inside the file's own name renames it where it is.
        const int name_start = static_cast<int>(dir.path().size()) + 2;
        DialogAnswerer answerer(DialogAnswer{
            {"Edit1=" + QString::number(name_start), "Edit2=4", "Edit3=999"}, "Button2"});
        BoxAnswerer boxes;
        click_button(*w, "Button20");
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(dir.read("001song.txt"), std::string("data"));
    }

private:
    void click_button(ApplicationWindows &w, const char *button) {
        control<QPushButton>(&w.Form1, button)->click();
    }
};

QTEST_MAIN(ParamDialogsTest)
#include "param_dialogs_test.moc"
