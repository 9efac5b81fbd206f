// The help menu: the about window and the user guide installed with the program.

#include "main_window.h"
#include "uabout.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

// The guide lies under share/tarvendi beside the installed program, or in the source tree when
// the program runs from its build folder.
QString guide_path() {
    const QString installed = QCoreApplication::applicationDirPath() +
                              QStringLiteral("/../share/tarvendi/guide/index.html");
    if (QFileInfo::exists(installed))
        return QDir::cleanPath(installed);
    return QStringLiteral(TARVENDI_SOURCE_GUIDE);
}

} // namespace

void TForm1::N5Click() {
    Fabout->move(geometry().center() - Fabout->rect().center());
    Fabout->exec();
}

void TForm1::N13Click() {
    QDesktopServices::openUrl(QUrl::fromLocalFile(guide_path()));
}
