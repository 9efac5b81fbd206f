#pragma once
// Building blocks of the notebook pages. Every control gets the object name that tests and the
// handlers know it by; the widgets have no parent until a layout takes them.

#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tarvendi::ui {

// Gives a widget, action or menu the object name it is known by.
template <class W> W *named(W *widget, const char *name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit *line_edit(const char *name, const QString &text = {});
QPushButton *push_button(const char *name, const QString &caption);
QCheckBox *check_box(const char *name, const QString &caption);

// The editable drop-down of numbering templates shared by the range and sequence pages, showing
// "##-".
QComboBox *template_box(const char *name);

// A help text of fixed lines; a disabled one is only shown, an enabled one may be edited.
QPlainTextEdit *help_memo(const char *name, const QStringList &lines, bool enabled);

// The page shape: the rule's fields in a group on the left, the help beside them taking the rest
// of the width (or empty room when help is null). The page takes ownership of both.
QWidget *rule_page(QWidget *fields, QWidget *help);

} // namespace tarvendi::ui
