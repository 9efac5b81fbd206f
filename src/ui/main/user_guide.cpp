#include "user_guide.h"

#include "language.h"
#include "messages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tarvendi::ui {

namespace {

// The guide lies under share/tarvendi beside the installed program, or in the source tree when
// the program runs from its build folder; the English one in a folder of its own.
QString guide_path() {
    const QString page = current_language() == Language::English ? QStringLiteral("en/index.html")
                                                                 : QStringLiteral("index.html");
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tarvendi/guide/") + page;
    if (QFileInfo::exists(installed))
        return QDir::cleanPath(installed);
    return QStringLiteral(TARVENDI_SOURCE_GUIDE) + page;
}

} // namespace

// Without a desktop opener (a bare window manager, a remote session) nothing would happen at
// all; the path lets the user open the guide by hand.
void open_user_guide(QWidget *parent) {
    const QString path = guide_path();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        inform(parent,
               QCoreApplication::translate("UserGuide", "无法打开使用说明，请在浏览器中打开：\n%1")
                   .arg(path));
}

} // namespace tarvendi::ui
