#pragma once
// "撤销上次改名" (N14): takes back the newest execute of the journal not undone yet, and at a
// start offers to take back an execute that a crash cut short.

#include "journal.h"

#include <QObject>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QWidget;

namespace tarvendi::ui {

class UndoCommand : public QObject {
    Q_OBJECT
public:
    // refresh: the window's full refresh, after an undo.
    UndoCommand(QWidget *window, QAction *action, std::function<void()> refresh);

    core::Journal &journal() { return journal_; }
    // Enables the menu item when there is an execute to take back.
    void update();
    void undo_newest();
    // Asks whether to take back an execute that never reached its end.
    void offer_interrupted();

private:
    struct Newest {
        std::string name;
        core::JournalRecord record;
    };
    // The newest record not undone, read. A damaged one counts as none, or is set aside and
    // reported (JournalError) when set_damaged_aside.
    std::optional<Newest> newest(bool set_damaged_aside);
    void undo(const std::string &name, const core::JournalRecord &record);

    QWidget *window_;
    QAction *action_;
    std::function<void()> refresh_;
    core::Journal journal_;
};

} // namespace tarvendi::ui
