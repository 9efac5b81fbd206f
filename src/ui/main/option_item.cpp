#include "option_item.h"

#include <QAction>
#include <QMenu>

namespace tarvendi::ui {

QAction *option_item(QMenu *menu, const char *name, const QString &caption, bool on,
                     std::function<void(bool)> changed) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(true);
    action->setChecked(on);
    QObject::connect(action, &QAction::toggled, menu, std::move(changed));
    return action;
}

} // namespace tarvendi::ui
