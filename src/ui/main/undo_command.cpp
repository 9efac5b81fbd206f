#include "undo_command.h"

#include "encoding.h"
#include "messages.h"
#include "refusal_report.h"
#include "state_files.h"
#include "undo.h"

#include <QAction>
#include <QDateTime>
#include <QWidget>

namespace tarvendi::ui {

namespace {

QString disk_text(const std::string &disk_path) {
    return QString::fromUtf8(disk_path.data(), static_cast<qsizetype>(disk_path.size()));
}

QString folder_of(const std::string &disk_path) {
    const std::size_t slash = disk_path.rfind('/');
    return disk_text(slash == 0 ? std::string("/") : disk_path.substr(0, slash));
}

} // namespace

UndoCommand::UndoCommand(QWidget *window, QAction *action, std::function<void()> refresh,
                         std::function<void(const QString &)> tell)
    : QObject(window)
    , window_(window)
    , action_(action)
    , refresh_(std::move(refresh))
    , tell_(std::move(tell))
    , journal_(platform::journal_folder(), "window") {
    update();
}

void UndoCommand::update() {
    action_->setEnabled(journal_.has_newest());
}

QString UndoCommand::when(const core::JournalRecord &record) {
    const QDateTime started =
        QDateTime::fromString(QString::fromStdString(record.started), Qt::ISODate).toLocalTime();
    return started.isValid() ? started.toString(tr("M月d日 HH:mm")) : tr("某时");
}

QString UndoCommand::where(const core::JournalRecord &record) {
    return record.steps.empty() ? QString() : folder_of(record.steps.front().path);
}

QString UndoCommand::what(const core::JournalRecord &record,
                          const std::vector<std::size_t> &steps) {
    std::size_t renames = 0;
    std::size_t tags = 0;
    std::size_t folders = 0;
    for (const std::size_t index : steps) {
        switch (record.steps[index].kind) {
        case core::StepKind::Rename:
            ++renames;
            break;
        case core::StepKind::Tag:
            ++tags;
            break;
        case core::StepKind::Folder:
            ++folders;
            break;
        }
    }
    QStringList parts;
    if (renames)
        parts << tr("%1 个改名").arg(renames);
    if (tags)
        parts << tr("%1 个标签写入").arg(tags);
    if (folders)
        parts << tr("%1 个创建的文件夹").arg(folders);
    if (parts.isEmpty())
        parts << tr("0 个改名");
    return parts.join(tr("、"));
}

QString UndoCommand::by(const core::JournalRecord &record) {
    return record.by == "cli" ? tr("（命令行）") : QString();
}

QString UndoCommand::question(const core::JournalRecord &record) {
    return tr("撤销 %1 在 %2 的 %3%4？")
        .arg(when(record), where(record), what(record, core::steps_to_undo(record)), by(record));
}

std::optional<core::Journal::Entry> UndoCommand::newest(const core::Journal::Lock &lock) {
    if (!lock) {
        inform(window_, tr("另一个改名还在进行"));
        return std::nullopt;
    }
    std::vector<core::Journal::SetAside> set_aside;
    std::optional<core::Journal::Entry> entry = journal_.newest(&set_aside);
    for (const core::Journal::SetAside &record : set_aside)
        inform(window_, tr("撤销记录已损坏，无法撤销，已放到一旁：%1（第 %2 行）")
                            .arg(QString::fromStdString(journal_.folder() + "/" + record.name))
                            .arg(record.line));
    update();
    return entry;
}

void UndoCommand::undo_newest() {
    if (!journal_.has_newest())
        return update();
    const core::Journal::Lock lock = journal_.lock(false);
    const std::optional<core::Journal::Entry> entry = newest(lock);
    if (entry && confirm(window_, question(entry->record)))
        undo(*entry);
}

void UndoCommand::offer_interrupted() {
    // Nothing to look at: the journal's folder is not made only to look.
    if (!journal_.has_newest())
        return;
    const core::Journal::Lock lock = journal_.lock(false);
    if (!lock)
        return; // another process is writing it: not cut short
    // A damaged record asks nothing here: its undo tells, when the user asks for it.
    const std::optional<core::Journal::Entry> run = journal_.newest(nullptr);
    if (!run || run->record.finished || run->record.interrupted || run->record.steps.empty())
        return;
    if (confirm(window_, tr("上次改名没有完成（程序被中断）。\r\r是否撤销已经完成的部分？")))
        undo(*run);
    else
        journal_.mark_interrupted(run->name);
}

void UndoCommand::undo(const core::Journal::Entry &entry) {
    const core::UndoResult result = core::undo_entry(journal_, entry);
    update();
    refresh_();
    tell_(tr("已撤销 %1 项").arg(result.undone));
    report_refused(window_, result.refused);
}

} // namespace tarvendi::ui
