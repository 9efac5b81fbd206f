#include "undo_command.h"

#include "messages.h"
#include "refusal_report.h"
#include "state_files.h"
#include "undo.h"

#include <QAction>
#include <QWidget>

namespace tarvendi::ui {

UndoCommand::UndoCommand(QWidget *window, QAction *action, std::function<void()> refresh)
    : QObject(window)
    , window_(window)
    , action_(action)
    , refresh_(std::move(refresh))
    , journal_(platform::journal_folder()) {
    update();
}

void UndoCommand::update() {
    action_->setEnabled(journal_.newest().has_value());
}

void UndoCommand::undo_newest() {
    const std::optional<std::string> name = journal_.newest();
    if (!name)
        return;
    core::JournalRecord record;
    try {
        record = journal_.load(*name);
    } catch (const std::exception &error) {
        // A damaged record must not stand in front of the older ones for ever: it is set aside
        // like an undone one, where a person can still read it.
        journal_.mark_undone(*name);
        update();
        throw core::JournalError("撤销记录已损坏，无法撤销，已放到一旁：" + *name + "（" +
                                 error.what() + "）");
    }
    undo(*name, record);
}

void UndoCommand::offer_interrupted() {
    const std::optional<std::string> name = journal_.newest();
    if (!name)
        return;
    core::JournalRecord record;
    try {
        record = journal_.load(*name);
    } catch (const std::exception &) {
        return; // the undo of it tells, when the user asks for it
    }
    if (record.finished || record.interrupted)
        return;
    if (confirm(window_,
                QStringLiteral("上次改名没有完成（程序被中断）。\r\r是否撤销已经完成的部分？")))
        undo(*name, record);
    else
        journal_.mark_interrupted(*name);
}

void UndoCommand::undo(const std::string &name, const core::JournalRecord &record) {
    const std::vector<core::RefusedRename> refused = core::undo(record);
    // Taken back as far as it could be: what is left is reported, and the next undo goes further
    // back instead of trying the same again.
    journal_.mark_undone(name);
    update();
    refresh_();
    report_refused(window_, refused);
}

} // namespace tarvendi::ui
