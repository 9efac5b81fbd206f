#include "page_widgets.h"

#include "errors.h"
#include "gb_text.h"
#include "integer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace tarvendi::ui {

std::int32_t read_number(const QLineEdit *field) {
    if (const auto value = rules::parse_int(qt_to_gb(field->text())))
        return *value;
    throw platform::ConversionError(field->text().toStdString());
}

passes::Number number_in(const QLineEdit *field) {
    return [field] {
        return read_number(field);
    };
}

QLineEdit *line_edit(const char *name, const QString &text) {
    return named(new QLineEdit(text), name);
}

QPushButton *push_button(const char *name, const QString &caption) {
    return named(new QPushButton(caption), name);
}

QCheckBox *check_box(const char *name, const QString &caption) {
    return named(new QCheckBox(caption), name);
}

QComboBox *template_box(const char *name, const QStringList &entries, int current) {
    auto *box = named(new QComboBox, name);
    box->setEditable(true);
    box->addItems(entries);
    box->setCurrentIndex(current);
    box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    box->completer()->setCaseSensitivity(Qt::CaseSensitive);
    return box;
}

QComboBox *template_box(const char *name) {
    return template_box(name,
                        {QString(), QStringLiteral("##-"), QStringLiteral("###-"),
                         QStringLiteral("####-"), QStringLiteral("##."), QStringLiteral("###."),
                         QStringLiteral("####.")},
                        1);
}

QPlainTextEdit *help_memo(const char *name, const QStringList &lines, bool editable) {
    auto *memo = named(new QPlainTextEdit(lines.join(QLatin1Char('\n'))), name);
    memo->setReadOnly(!editable);
    return memo;
}

QString raw_text(const QPlainTextEdit *memo) {
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void rule_page(QWidget *page, QWidget *fields, QWidget *help) {
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(fields);
    if (help)
        layout->addWidget(help, 1);
    else
        layout->addStretch(1);
}

} // namespace tarvendi::ui
