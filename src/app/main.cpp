#include "language.h"
#include "memory.h"
#include "windows.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    tarvendi::platform::return_large_blocks_on_free();
    QApplication app(argc, argv);
    tarvendi::ui::use_language(tarvendi::ui::chosen_language());
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvendi"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvendi-128.png")));

    ApplicationWindows windows;
    windows.Form1.show();
    return QApplication::exec();
}
