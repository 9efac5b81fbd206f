#include "select_all_router.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace tarvendi::ui {

SelectAllRouter::SelectAllRouter(QWidget *window, QAction *popup_item, QAction *menu_item,
                                 QList<QWidget *> popup_owners)
    : QObject(window)
    , window_(window)
    , popup_item_(popup_item)
    , menu_item_(menu_item)
    , popup_owners_(std::move(popup_owners)) {}

bool SelectAllRouter::eventFilter(QObject *watched, QEvent *event) {
    const bool override_event = event->type() == QEvent::ShortcutOverride;
    if (!override_event && event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!key->matches(QKeySequence::SelectAll) || !widget || widget->window() != window_)
        return false;
    key->accept();
    if (!override_event) {
        const bool popup = popup_owners_.contains(widget);
        (popup ? popup_item_ : menu_item_)->trigger();
    }
    return true;
}

} // namespace tarvendi::ui
