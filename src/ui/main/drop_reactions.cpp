#include "drop_reactions.h"

#include "main_window.h"
#include "open_paths.h"

#include <QAbstractItemView>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

namespace tarvendi::ui {

namespace {

// The event as a drag over a viewport or its drop (a drag-enter and a drag-move event are drop
// events too), or null for any other.
QDropEvent *drag_event(QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return nullptr;
    return static_cast<QDropEvent *>(event);
}

} // namespace

DropReactions::DropReactions(TForm1 *form, QAbstractItemView *list)
    : QObject(list)
    , form_(form)
    , list_(list) {}

bool DropReactions::eventFilter(QObject *, QEvent *event) {
    QDropEvent *drop = drag_event(event);
    if (!drop)
        return false;
    const QEvent::Type type = event->type();
    const QPoint at = drop->position().toPoint();
    if (!form_->CheckListBox1DragOver(list_, drop->source(), at.x(), at.y())) {
        drop->ignore();
        return true;
    }
    // A copy, never a move: the dragging view must not remove anything itself.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        form_->CheckListBox1DragDrop(list_, drop->source(), at.x(), at.y());
    return true;
}

FileDrops::FileDrops(TForm1 *form, QObject *parent)
    : QObject(parent)
    , form_(form) {}

bool FileDrops::eventFilter(QObject *, QEvent *event) {
    QDropEvent *drop = drag_event(event);
    if (!drop)
        return false;
    const QEvent::Type type = event->type();
    const QMimeData *data = drop->mimeData();
    if (!data || !data->hasUrls())
        return false;
    const QList<QUrl> urls = data->urls();
    if (std::none_of(urls.begin(), urls.end(), [](const QUrl &url) { return url.isLocalFile(); }))
        return false;
    // Always a copy: a file manager told that its files were moved would delete them.
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // Taken once the drop has ended, so that a message box never keeps the file manager
        // waiting for the drop's answer.
        QMetaObject::invokeMethod(
            form_, [form = form_, paths = dropped_paths(data)] { form->drop_paths(paths); },
            Qt::QueuedConnection);
    }
    return true;
}

} // namespace tarvendi::ui
