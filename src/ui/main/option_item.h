#pragma once
// A checkable menu item that stands for one remembered option.

#include <QString>
#include <functional>

class QAction;
class QMenu;

namespace tarvendi::ui {

// Adds the item `name` to `menu`, checked as `on`; each toggle calls `changed` with the new state.
QAction *option_item(QMenu *menu, const char *name, const QString &caption, bool on,
                     std::function<void(bool)> changed);

} // namespace tarvendi::ui
