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

std::optional<UndoCommand::Newest> UndoCommand::newest(bool set_damaged_aside) {
    const std::optional<std::string> name = journal_.newest();
    if (!name)
        return std::nullopt;
    try {
        return Newest{*name, journal_.load(*name)};
    } catch (const std::exception &error) {
        if (!set_damaged_aside)
            return std::nullopt;
        // A damaged record must not stand in front of the older ones for ever: it is set aside
        // like an undone one, where a person can still read it.
        journal_.mark_undone(*name);
        update();
        throw core::JournalError(
            tr("撤销记录已损坏，无法撤销，已放到一旁：%1（%2）")
                .arg(QString::fromStdString(*name), QString::fromUtf8(error.what()))
                .toStdString());
    }
}

void UndoCommand::undo_newest() {
    if (const std::optional<Newest> newest_run = newest(true))
        undo(newest_run->name, newest_run->record);
}

void UndoCommand::offer_interrupted() {
    // A damaged record asks nothing here: its undo tells, when the user asks for it.
    const std::optional<Newest> run = newest(false);
    if (!run || run->record.finished || run->record.interrupted)
        return;
    if (confirm(window_, tr("上次改名没有完成（程序被中断）。\r\r是否撤销已经完成的部分？")))
        undo(run->name, run->record);
    else
        journal_.mark_interrupted(run->name);
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
