#include "check_list.h"
#include "file_list.h"
#include "gb_text.h"
#include "history_window.h"
#include "main_window.h"
#include "memory.h"
#include "options.h"
#include "pass_progress.h"
#include "pass_run.h"
#include "path_edit.h"
#include "preview_panel.h"
#include "refusal_report.h"
#include "undo_command.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <algorithm>
#include <exception>
#include <stdexcept>

using namespace tarvendi;
using namespace tarvendi::ui;

void TForm1::act(const std::function<void()> &action) {
    actions_.run(action);
    // A page's action may have written a record (folders made, tags written): Ctrl+Z must take
    // it back at once, not only once the menu was opened.
    undo_->update();
}

bool TForm1::has_items(const QString &message) {
    if (ListBox1->list()->rowCount() > 0)
        return true;
    inform(this, message);
    return false;
}

bool TForm1::directory_mode() const {
    return CheckBox13->isChecked();
}

std::vector<PassItem> TForm1::working_items() const {
    return ListBox1->list()->pass_items();
}

std::vector<std::string> TForm1::working_texts() const {
    return ListBox1->list()->texts();
}

std::string TForm1::focused_item() const {
    return std::string(ListBox1->list()->name(static_cast<std::size_t>(ListBox1->focused_row())));
}

std::string TForm1::shown_folder() const {
    return FileListBox1->folder();
}

QString TForm1::path_text() const {
    return Edit16->text();
}

void TForm1::clear_working_list() {
    ListBox1->list()->clear();
}

std::vector<PassItem> TForm1::all_file_list_items() {
    FileListBox1->select_all_entries();
    return FileListBox1->pass_items();
}

core::Journal &TForm1::journal() {
    return undo_->journal();
}

void TForm1::N14Click() {
    actions_.run([&] { undo_->undo_newest(); });
    refresh_history();
}

void TForm1::N21Click() {
    actions_.run([&] {
        if (!history_)
            history_ = new HistoryWindow(this, undo_->journal(),
                                         [this] { actions_.run([&] { undo_->undo_newest(); }); });
        history_->open_anew();
    });
}

void TForm1::refresh_history() {
    if (history_ && history_->isVisible())
        history_->refresh();
}

void TForm1::clear_preview() {
    preview_->clear();
}

void TForm1::run_pass(const PassDescription &description, const std::vector<PassItem> &items,
                      bool execute, Refresh after) {
    run_pass_in({}, description, items, execute, after);
}

void TForm1::run_pass_in(std::string_view folder, const PassDescription &description,
                         const std::vector<PassItem> &items, bool execute, Refresh after) {
    clear_preview();
    // The history names a run by the menu item that started it; a page names its own.
    if (const auto *action = qobject_cast<const QAction *>(sender()))
        journal().describe_next(QString(action->text()).remove(QLatin1Char('&')).toStdString());
    core::Plan plan;
    core::PassContext context;
    context.execute = execute;
    context.order = N15->isChecked();
    // Entries of the file list are names in its folder; the working list's items are paths, a
    // relative one in the folder shown.
    const std::string shown = shown_folder();
    context.folder = folder.empty() ? std::string_view(shown) : folder;
    context.entries = !folder.empty();
    std::string last_status;
    bool status_written = false;
    context.status = [&](const std::string &name) {
        last_status = name;
        status_written = true;
    };
    // An execute plans, then renames: two steps per item. Its renames can be stopped between
    // two of them; tags are written while planning, which runs to its end.
    PassProgress progress(this, items.size(), items.size() * (execute ? 2 : 1),
                          execute && !description.writes_tags);
    context.progress = [&](std::size_t done, std::size_t) {
        progress.step(done);
    };
    // An error ends the planning (and skips the refresh), but an execute still renames what was
    // planned before it, and what was refused is still reported, also when it is the refresh
    // that fails (the folder shown went away).
    core::PassRun run = core::run_pass(
        description, items, context, plan, journal(),
        [&](std::size_t done) { progress.step(items.size() + done); }, progress.stop());
    std::exception_ptr failure = run.failure;
    std::vector<core::RefusedRename> refused = std::move(run.refused);
    if (execute || description.writes_tags)
        undo_->update();
    progress.finish();
    // After the run each rename's verdict is what the disk did with it; a stopped run keeps
    // only the renames it reached.
    const auto renamed =
        std::count_if(plan.renames.begin(), plan.renames.end(), [](const core::PlannedRename &r) {
            return r.verdict == core::Verdict::Rename;
        });
    // A full refresh empties the preview list: its lines are not made at all, which spares a
    // huge folder the memory of holding them beside the lists being read again.
    const bool full = after == Refresh::Full && !failure;
    // A preview shows what the rules refused as lines of their own, where the items stand, and
    // opens no box; an execute and a tag write report them in the box, beside the renames that
    // failed, and their lines would only repeat it.
    const bool preview_only = !execute && !description.writes_tags;
    if (!preview_only)
        plan.refused.clear();
    if (!full)
        preview_->show_plan(plan);
    plan = {};
    if (status_written)
        StatusBar1Panel0->setText(gb_to_qt(last_status));
    if (!failure) {
        try {
            if (after == Refresh::FileList)
                reread_file_list();
            else if (after == Refresh::Full)
                full_refresh();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    // Said after the refresh, which empties the preview column, and kept until the next preview.
    if (execute && !run.stopped)
        preview_->tell(refused.empty()
                           ? tr("已改名 %1 个").arg(renamed)
                           : tr("已改名 %1 个，%2 个未改名").arg(renamed).arg(refused.size()));
    else if (execute)
        preview_->tell(
            refused.empty()
                ? tr("已改名 %1 个，已停止").arg(renamed)
                : tr("已改名 %1 个，%2 个未改名，已停止").arg(renamed).arg(refused.size()));
    if (execute || description.writes_tags)
        refresh_history();
    // A pass over a huge folder frees hundreds of megabytes of small blocks; give them back,
    // so that the program does not keep the most a pass ever needed.
    platform::hand_back_free_memory();
    const std::size_t changed = preview_only ? 0 : static_cast<std::size_t>(renamed);
    if (!preview_only)
        report_refused(this, refused, changed);
    if (!failure)
        return;
    if (changed == 0)
        std::rethrow_exception(failure);
    // The error ends the action as any other; its box adds what undo takes back.
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception &) {
        std::throw_with_nested(std::runtime_error(undo_hint(changed).toStdString()));
    }
}
