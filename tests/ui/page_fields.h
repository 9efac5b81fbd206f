#pragma once
// What the tests of the rule pages share: the two lists, clicking a button by name, filling a
// page's fields by name and setting the check states of the working list.

#include "ui_test_support.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringList>

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

} // namespace tarvendi::test
