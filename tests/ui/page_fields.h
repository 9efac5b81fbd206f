#pragma once
// What the tests of the rule pages share: the two lists, clicking a button by name, filling a
// page's fields by name and setting the check states of the working list.

#include "ui_test_support.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>

namespace tarvendi::test {

inline QListView *working_list(ApplicationWindows &w) {
    return control<QListView>(&w.Form1, "ListBox1");
}

inline QListView *preview_list(ApplicationWindows &w) {
    return control<QListView>(&w.Form1, "ListBox2");
}

inline void click(ApplicationWindows &w, const QString &button) {
    control<QPushButton>(&w.Form1, button.toLatin1().constData())->click();
}

// Each entry is "name=value": a line edit or drop-down gets value as its text, a check box is
// checked for "1" and unchecked for "0".
inline void set_fields(QObject *window, const QStringList &fields) {
    for (const QString &field : fields) {
        const qsizetype eq = field.indexOf(QLatin1Char('='));
        const QByteArray name = field.left(eq).toLatin1();
        const QString value = field.mid(eq + 1);
        QObject *found = window->findChild<QObject *>(QLatin1String(name));
        if (auto *edit = qobject_cast<QLineEdit *>(found))
            edit->setText(value);
        else if (auto *box = qobject_cast<QComboBox *>(found))
            box->setCurrentText(value);
        else if (auto *check = qobject_cast<QCheckBox *>(found))
            check->setChecked(value == QLatin1String("1"));
        else
            qFatal("no field %s", name.constData());
    }
}

inline void set_check(QAbstractItemView *list, int row, Qt::CheckState state) {
    list->model()->setData(list->model()->index(row, 0), state, Qt::CheckStateRole);
}

// Unchecks the rows in unchecked and grays the rows in grayed.
inline void set_checks(QAbstractItemView *list, const QList<int> &unchecked,
                       const QList<int> &grayed) {
    for (int row : unchecked)
        set_check(list, row, Qt::Unchecked);
    for (int row : grayed)
        set_check(list, row, Qt::PartiallyChecked);
}

// The files (each holding its own name) in dir, the windows started there, the given items
// unchecked and grayed, the fields set and the preview button clicked: the preview shows
// expected and every file is still there. Status panel 0 reads "before" until a rule writes it.
inline std::unique_ptr<ApplicationWindows>
preview_case(const TempFolder &dir, const QStringList &files, const QList<int> &unchecked,
             const QList<int> &grayed, const QStringList &fields, const QString &button,
             const QStringList &expected) {
    for (const QString &file : files)
        dir.file(file.toStdString(), file.toStdString());
    auto w = start_windows();
    set_checks(working_list(*w), unchecked, grayed);
    set_fields(&w->Form1, fields);
    control<QLabel>(&w->Form1, "StatusBar1Panel0")->setText(QStringLiteral("before"));
    click(*w, button);
    [&] {
        QCOMPARE(texts_of(preview_list(*w)), expected);
        for (const QString &file : files)
            QVERIFY(dir.exists(file.toStdString()));
    }();
    return w;
}

// Two files renamed by the execute button: no report, an empty preview, the working list
// refilled with the new names, all checked, each file's content moved with it.
inline void execute_case(const TempFolder &dir, const QStringList &files, const QStringList &fields,
                         const QString &button, const QStringList &renamed) {
    for (const QString &file : files)
        dir.file(file.toStdString(), file.toStdString());
    auto w = start_windows();
    set_fields(&w->Form1, fields);
    BoxAnswerer boxes;
    click(*w, button);
    QVERIFY(boxes.texts.isEmpty());
    QVERIFY(texts_of(preview_list(*w)).isEmpty());
    QCOMPARE(texts_of(working_list(*w)), renamed);
    QCOMPARE(checks_of(working_list(*w)), QList<int>(files.size(), 2));
    for (qsizetype i = 0; i < files.size(); ++i) {
        QCOMPARE(dir.read(renamed[i].toStdString()), files[i].toStdString());
        QVERIFY(!dir.exists(files[i].toStdString()));
    }
}

} // namespace tarvendi::test
