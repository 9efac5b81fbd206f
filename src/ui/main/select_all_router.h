#pragma once
// Ctrl+A belongs to the popup menu of the file list and the working list while they have the
// focus, and to the main menu everywhere else in the window, edit fields included: the menu's
// shortcut wins over a field's own select-all.

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace tarvendi::ui {

// An application-wide event filter owned by window.
class SelectAllRouter : public QObject {
public:
    SelectAllRouter(QWidget *window, QAction *popup_item, QAction *menu_item,
                    QList<QWidget *> popup_owners);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
    QAction *popup_item_;
    QAction *menu_item_;
    QList<QWidget *> popup_owners_;
};

} // namespace tarvendi::ui
