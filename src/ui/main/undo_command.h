#pragma once
// "撤销上次改名" (N14): takes back the newest execute of the journal not undone yet, after saying
// what it is, and at a start offers to take back an execute that a crash cut short.

#include "journal.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QWidget;

namespace tarvendi::ui {

class UndoCommand : public QObject {
    Q_OBJECT
public:
    // refresh: the window's full refresh, after an undo; tell: shows a line of what was done.
    UndoCommand(QWidget *window, QAction *action, std::function<void()> refresh,
                std::function<void(const QString &)> tell);

    core::Journal &journal() { return journal_; }
    // Enables the menu item when there is an execute to take back.
    void update();
    void undo_newest();
    // Asks whether to take back an execute that never reached its end.
    void offer_interrupted();

    // The question before an undo: when, where and what, e.g. "撤销 12月8日 10:14 在 /x 的 3
    // 个改名？".
    static QString question(const core::JournalRecord &record);

    // What a person knows an execute by, the question's parts, shared with the history: when it
    // began (local time), the folder of its first step, what the given steps of it are ("3
    // 个改名、1 个创建的文件夹"), and a mark when the command line wrote it.
    static QString when(const core::JournalRecord &record);
    static QString where(const core::JournalRecord &record);
    static QString what(const core::JournalRecord &record, const std::vector<std::size_t> &steps);
    static QString by(const core::JournalRecord &record);

private:
    // The newest record not undone, read while holding the journal's lock; records that cannot
    // be read are set aside and reported. Nothing when another process holds the lock (said).
    std::optional<core::Journal::Entry> newest(const core::Journal::Lock &lock);
    void undo(const core::Journal::Entry &entry);

    QWidget *window_;
    QAction *action_;
    std::function<void()> refresh_;
    std::function<void(const QString &)> tell_;
    core::Journal journal_;
};

} // namespace tarvendi::ui
