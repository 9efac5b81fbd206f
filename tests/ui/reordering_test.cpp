// Reordering the working list by dropping its selected items on another item or below the last.

#include "ui_test_support.h"

#include <QCheckBox>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace tarvendi::test;

namespace {

struct Lists {
    explicit Lists(ApplicationWindows &w)
        : form(&w.Form1)
        , list(control<QListView>(form, "ListBox1"))
        , preview(control<QListView>(form, "ListBox2")) {}

    void select(const QList<int> &rows) {
        list->selectionModel()->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select);
    }
    QList<int> selected() const {
        QList<int> rows;
        for (int row = 0; row < list->model()->rowCount(); ++row)
            if (list->selectionModel()->isSelected(list->model()->index(row, 0)))
                rows << row;
        return rows;
    }
    // A point over the item at row, or below the last item for -1.
    QPoint point(int row) const {
        if (row >= 0)
            return list->visualRect(list->model()->index(row, 0)).center();
        const QRect last = list->visualRect(list->model()->index(list->model()->rowCount() - 1, 0));
        return QPoint(last.center().x(), last.bottom() + 20);
    }
    void drop(QObject *on, QObject *from, int row) {
        const QPoint at = point(row);
        QVERIFY(QMetaObject::invokeMethod(form, "CheckListBox1DragDrop", Q_ARG(QObject *, on),
                                          Q_ARG(QObject *, from), Q_ARG(int, at.x()),
                                          Q_ARG(int, at.y())));
    }

    QObject *form;
    QListView *list;
    QListView *preview;
};

} // namespace

class ReorderingTest : public QObject {
    Q_OBJECT

private slots:
    void drops_move_the_selection_data() {
        QTest::addColumn<QList<int>>("selection");
        QTest::addColumn<int>("target");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QList<int>>("selected_after");
        QTest::newRow("one item down")
            << QList<int>{1} << 3 << QStringList{"P", "R", "Q", "S", "T"} << QList<int>{3};
        QTest::newRow("one item up")
            << QList<int>{3} << 1 << QStringList{"P", "S", "Q", "R", "T"} << QList<int>{1};
        QTest::newRow("two items up")
            << QList<int>{1, 3} << 0 << QStringList{"Q", "S", "P", "R", "T"} << QList<int>{0};
        QTest::newRow("two below the last")
            << QList<int>{1, 3} << -1 << QStringList{"P", "R", "T", "Q", "S"} << QList<int>{};
        QTest::newRow("onto itself")
            << QList<int>{1} << 1 << QStringList{"P", "Q", "R", "S", "T"} << QList<int>{1};
        QTest::newRow("nothing selected")
            << QList<int>{} << 2 << QStringList{"P", "Q", "R", "S", "T"} << QList<int>{2};
    }

    void drops_move_the_selection() {
        QFETCH(QList<int>, selection);
        QFETCH(int, target);
        QFETCH(QStringList, order);
        QFETCH(QList<int>, selected_after);
        TempFolder dir;
        for (const char *name : {"P", "Q", "R", "S", "T"})
            dir.file(name);
        auto w = start_windows();
        Lists lists(*w);
        lists.select(selection);
        lists.drop(lists.list, lists.list, target);
        QCOMPARE(texts_of(lists.list), order);
        QCOMPARE(lists.selected(), selected_after);
        QCOMPARE(checks_of(lists.list), QList<int>({2, 2, 2, 2, 2}));
    }

    void check_all_switch_decides_the_checks_after_a_drop() {
        TempFolder dir;
        for (const char *name : {"P", "Q", "R"})
            dir.file(name);
        auto w = start_windows();
        Lists lists(*w);
        auto *model = lists.list->model();
        model->setData(model->index(0, 0), Qt::PartiallyChecked, Qt::CheckStateRole);
        control<QCheckBox>(&w->Form1, "CheckBox12")->click();
        QCOMPARE(checks_of(lists.list), QList<int>({1, 0, 0}));
        model->setData(model->index(2, 0), Qt::Checked, Qt::CheckStateRole);
        lists.select({2});
        lists.drop(lists.list, lists.list, 1);
        QCOMPARE(texts_of(lists.list), QStringList({"P", "R", "Q"}));
        QCOMPARE(checks_of(lists.list), QList<int>({1, 0, 0}));

        control<QCheckBox>(&w->Form1, "CheckBox12")->click();
        lists.select({0});
        lists.drop(lists.list, lists.list, -1);
        QCOMPARE(texts_of(lists.list), QStringList({"R", "Q", "P"}));
        QCOMPARE(checks_of(lists.list), QList<int>({2, 2, 2}));
    }

    void only_drags_within_the_working_list_are_taken() {
        TempFolder dir;
        for (const char *name : {"P", "Q", "R"})
            dir.file(name);
        auto w = start_windows();
        Lists lists(*w);
        control<QPushButton>(&w->Form1, "Button3")->click();
        const QStringList preview = texts_of(lists.preview);
        lists.select({0});
        lists.preview->selectionModel()->select(lists.preview->model()->index(0, 0),
                                                QItemSelectionModel::Select);

        bool accepted = true;
        const QPoint at = lists.point(2);
        QMetaObject::invokeMethod(lists.form, "CheckListBox1DragOver", Q_RETURN_ARG(bool, accepted),
                                  Q_ARG(QObject *, lists.list), Q_ARG(QObject *, lists.preview),
                                  Q_ARG(int, at.x()), Q_ARG(int, at.y()));
        QVERIFY(!accepted);
        QMetaObject::invokeMethod(lists.form, "CheckListBox1DragOver", Q_RETURN_ARG(bool, accepted),
                                  Q_ARG(QObject *, lists.list), Q_ARG(QObject *, lists.list),
                                  Q_ARG(int, at.x()), Q_ARG(int, at.y()));
        QVERIFY(accepted);

        lists.drop(lists.list, lists.preview, 2);
        lists.drop(lists.preview, lists.list, 0);
        lists.drop(lists.preview, lists.preview, 0);
        QCOMPARE(texts_of(lists.list), QStringList({"P", "Q", "R"}));
        QCOMPARE(texts_of(lists.preview), preview);
    }

    void move_buttons_only_say_to_drag() {
        TempFolder dir;
        for (const char *name : {"P", "Q"})
            dir.file(name);
        auto w = start_windows();
        Lists lists(*w);
        lists.select({1});
        BoxAnswerer boxes;
        control<QPushButton>(&w->Form1, "Button29")->click();
        control<QPushButton>(&w->Form1, "Button30")->click();
        QCOMPARE(boxes.texts, QStringList({"请直接拖动文件名称，调整文件的编号顺序！",
                                           "请直接拖动文件名称，调整文件的编号顺序！"}));
        QCOMPARE(texts_of(lists.list), QStringList({"P", "Q"}));
    }

    void about_window_keeps_typed_text() {
        TempFolder dir;
        auto w = start_windows();
        auto *text = control<QTextEdit>(&w->Fabout, "RichEdit1");
        QVERIFY(text->toPlainText().contains(QStringLiteral("主要功能")));
        QTimer::singleShot(50, [&] {
            text->moveCursor(QTextCursor::Start);
            text->insertPlainText(QStringLiteral("我的笔记"));
            w->Fabout.close();
        });
        invoke(&w->Form1, "N5Click");
        QTimer::singleShot(50, [&] { w->Fabout.close(); });
        invoke(&w->Form1, "N5Click");
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("我的笔记")));
        QCOMPARE(w->Fabout.size(), QSize(801, 581));
    }
};

QTEST_MAIN(ReorderingTest)
#include "reordering_test.moc"
