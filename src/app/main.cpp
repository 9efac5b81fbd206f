#include "memory.h"
#include "windows.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[]) {
    tarvendi::platform::return_large_blocks_on_free();
    QApplication app(argc, argv);
    // The application's title; a display name would be appended to every window caption.
    QApplication::setApplicationName(QStringLiteral("Tarvendi（含MP3批量更名）绿色版"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvendi"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tarvendi-128.png")));

    // Standard buttons read 是 and 否 like the rest of the window.
    QTranslator qt_chinese;
    if (qt_chinese.load(QStringLiteral("qtbase_zh_CN"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt_chinese);

    ApplicationWindows windows;
    windows.Form1.show();
    return QApplication::exec();
}
