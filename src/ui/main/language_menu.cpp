#include "language_menu.h"

#include "language.h"
#include "messages.h"
#include "options.h"

#include <QActionGroup>
#include <QMenu>

namespace tarvendi::ui {

namespace {

// Told in the chosen language: a user who picks English may not read the Chinese windows.
QString restart_note(Language language) {
    return language == Language::English
               ? QStringLiteral("Tarvendi will show its windows in English from the next start.")
               : QStringLiteral("下次启动时，窗口将使用中文。");
}

} // namespace

void add_language_menu(QMenu *help, QWidget *owner) {
    // Named in both languages: whoever cannot read the one finds it by the other.
    QMenu *menu = help->addMenu(QStringLiteral("语言 / Language"));
    menu->setObjectName(QStringLiteral("N18"));
    auto *group = new QActionGroup(menu);
    auto choice = [&](const char *name, const QString &caption, Language language) {
        QAction *action = group->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        action->setChecked(current_language() == language);
        menu->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [owner, language] {
            set_saved_language(language);
            if (current_language() != language)
                inform(owner, restart_note(language));
        });
    };
    choice("N19", QStringLiteral("中文"), Language::Chinese);
    choice("N20", QStringLiteral("English"), Language::English);
}

} // namespace tarvendi::ui
