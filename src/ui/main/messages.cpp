#include "messages.h"

#include "core_text.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

namespace tarvendi::ui {

namespace {

QString with_line_breaks(QString text) {
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// The sink of the innermost QuietMessages, none while boxes open.
const std::function<void(const QString &)> *quiet_sink = nullptr;

// Hands text to the quiet sink; false when boxes open.
bool told_quietly(const QString &text) {
    if (!quiet_sink)
        return false;
    (*quiet_sink)(with_line_breaks(text));
    return true;
}

} // namespace

QuietMessages::QuietMessages(std::function<void(const QString &)> sink)
    : sink_(std::move(sink))
    , outer_(quiet_sink) {
    quiet_sink = &sink_;
}

QuietMessages::~QuietMessages() {
    quiet_sink = outer_;
}

void inform(QWidget *parent, const QString &text) {
    if (told_quietly(text))
        return;
    QMessageBox::information(parent, QGuiApplication::applicationName(), with_line_breaks(text));
}

bool confirm(QWidget *parent, const QString &question) {
    if (quiet_sink)
        return false;
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Messages", "确认"),
                    with_line_breaks(question), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void show_error(QWidget *parent, const std::exception &error) {
    QString text = core_text(error.what());
    try {
        std::rethrow_if_nested(error);
    } catch (const std::exception &cause) {
        text =
            core_text(cause.what()) + QStringLiteral("\n\n") + QString::fromStdString(error.what());
    }
    if (told_quietly(text))
        return;
    QMessageBox::critical(parent, QGuiApplication::applicationName(), text);
}

} // namespace tarvendi::ui
