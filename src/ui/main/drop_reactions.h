#pragma once
// Hands the drag events of a list's viewport to the window's two drag reactions; the view's own
// drop handling stays off, so nothing but those reactions changes a list.

#include <QObject>

class QAbstractItemView;
class TForm1;

namespace tarvendi::ui {

// Owned by list; install it on the list's viewport.
class DropReactions : public QObject {
public:
    DropReactions(TForm1 *form, QAbstractItemView *list);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TForm1 *form_;
    QAbstractItemView *list_;
};

} // namespace tarvendi::ui
