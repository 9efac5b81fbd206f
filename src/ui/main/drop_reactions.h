#pragma once
// Hands the drag events of a list's viewport to the window: drags inside the window to its two
// drag reactions, files dropped from a file manager to the opening of paths. The view's own drop
// handling stays off, so nothing but those reactions changes a list.

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

// Takes the drags that carry local file URLs, as a copy, and hands their paths to the window
// once the drop has ended; lets every other drag pass on to the filters installed before it.
// Owned by parent; install it on a list's viewport after its DropReactions.
class FileDrops : public QObject {
public:
    FileDrops(TForm1 *form, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TForm1 *form_;
};

} // namespace tarvendi::ui
