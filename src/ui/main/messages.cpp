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

} // namespace

void inform(QWidget *parent, const QString &text) {
    QMessageBox::information(parent, QGuiApplication::applicationName(), with_line_breaks(text));
}

bool confirm(QWidget *parent, const QString &question) {
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("Messages", "确认"),
                    with_line_breaks(question), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void show_error(QWidget *parent, const std::exception &error) {
    QMessageBox::critical(parent, QGuiApplication::applicationName(), core_text(error.what()));
}

} // namespace tarvendi::ui
