#pragma once
// Building blocks of the notebook pages. Every control gets the object name that tests and the
// handlers know it by; the widgets have no parent until a layout takes them.

#include "rule_passes.h"

#include <QString>
#include <QStringList>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace tarvendi::ui {

// A whole-number field's value; throws platform::ConversionError with the field's text.
std::int32_t read_number(const QLineEdit *field);
// The same, read when the pass asks for it.
passes::Number number_in(const QLineEdit *field);

// Gives a widget, action or menu the object name it is known by.
template <class W> W *named(W *widget, const char *name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit *line_edit(const char *name, const QString &text = {});
QPushButton *push_button(const char *name, const QString &caption);
QCheckBox *check_box(const char *name, const QString &caption);

// An editable drop-down of templates showing entries[current]. Typing completes through a popup
// only: the field holds what the user typed, never a longer entry it happens to begin.
QComboBox *template_box(const char *name, const QStringList &entries, int current);

// The editable drop-down of numbering templates shared by the range, sequence and name-list
// pages, showing "##-".
QComboBox *template_box(const char *name);

// A help text of fixed lines: a read-only one is only shown (in normal text, scrollable), an
// editable one may be changed.
QPlainTextEdit *help_memo(const char *name, const QStringList &lines, bool editable);

// The text of a memo exactly as it holds it: a no-break space stays one (toPlainText() would
// turn it into a blank), paragraphs are joined with "\n".
QString raw_text(const QPlainTextEdit *memo);

// Lays page out in the shape of the rule pages: the rule's fields in a group on the left, the
// help beside them taking the rest of the width (or empty room when help is null). The page
// takes ownership of both.
void rule_page(QWidget *page, QWidget *fields, QWidget *help);

} // namespace tarvendi::ui
