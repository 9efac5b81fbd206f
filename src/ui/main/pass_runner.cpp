#include "check_list.h"
#include "display_text.h"
#include "file_list.h"
#include "gb_text.h"
#include "main_window.h"
#include "pass_progress.h"
#include "path_edit.h"
#include "preview_list.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <exception>
#include <malloc.h>

using namespace tarvendi;
using namespace tarvendi::ui;

namespace {

constexpr std::size_t kReportLines = 20;

// Each refusal is one line, and two different names never look alike.
QString escaped(const std::string &name) {
    return QString::fromStdString(platform::escaped_text(name));
}

} // namespace

void TForm1::act(const std::function<void()> &action) {
    actions_.run(action);
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
    const CheckListModel &list = *ListBox1->list();
    std::vector<PassItem> items;
    items.reserve(list.size());
    for (std::size_t row = 0; row < list.size(); ++row)
        items.push_back(
            {list.name(row), list.check(row) == Qt::Checked, list.kind(row) == ItemKind::DotEntry});
    return items;
}

std::vector<std::string> TForm1::working_texts() const {
    const CheckListModel &list = *ListBox1->list();
    std::vector<std::string> texts;
    texts.reserve(list.size());
    for (std::size_t row = 0; row < list.size(); ++row)
        texts.push_back(list.item(row).text());
    return texts;
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
    std::vector<PassItem> items;
    items.reserve(FileListBox1->entries().size());
    for (const platform::Entry &entry : FileListBox1->entries())
        items.push_back({entry.name, true, entry.is_dot_entry()});
    return items;
}

void TForm1::set_preview(core::Plan &plan) {
    preview_model_->show_plan(plan);
    const std::size_t refusals = preview_model_->refusals();
    Label26->setText(refusals == 0 ? QString() : QStringLiteral("%1 个将无法改名").arg(refusals));
}

void TForm1::clear_preview() {
    preview_model_->clear();
    Label26->clear();
}

void TForm1::run_pass(const PassDescription &description, const std::vector<PassItem> &items,
                      bool execute, Refresh after) {
    run_pass_in({}, description, items, execute, after);
}

void TForm1::run_pass_in(std::string_view folder, const PassDescription &description,
                         const std::vector<PassItem> &items, bool execute, Refresh after) {
    clear_preview();
    core::Plan plan;
    core::PassContext context;
    context.execute = execute;
    context.folder = folder;
    std::string last_status;
    bool status_written = false;
    context.status = [&](const std::string &name) {
        last_status = name;
        status_written = true;
    };
    // An execute plans, then renames: two steps per item.
    PassProgress progress(this, items.size(), items.size() * (execute ? 2 : 1));
    context.progress = [&](std::size_t done, std::size_t) {
        progress.step(done);
    };
    // An error ends the planning (and skips the refresh), but an execute still renames what was
    // planned before it, and what was refused is still reported, also when it is the refresh
    // that fails (the folder shown went away).
    std::exception_ptr failure;
    try {
        core::plan_pass(description, items, context, plan);
    } catch (...) {
        failure = std::current_exception();
    }
    std::vector<core::RefusedRename> refused = plan.refused;
    if (execute) {
        refused =
            core::apply_plan(plan, [&](std::size_t done) { progress.step(items.size() + done); });
    }
    progress.finish();
    // A full refresh empties the preview list: its lines are not made at all, which spares a
    // huge folder the memory of holding them beside the lists being read again.
    const bool full = after == Refresh::Full && !failure;
    if (!full)
        set_preview(plan);
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
    // A pass over a huge folder frees hundreds of megabytes of small blocks; give them back,
    // so that the program does not keep the most a pass ever needed.
    malloc_trim(0);
    report_refused(refused);
    if (failure)
        std::rethrow_exception(failure);
}

void TForm1::report_refused(const std::vector<core::RefusedRename> &refused) {
    if (refused.empty())
        return;
    QString text = QStringLiteral("以下 %1 个文件没有改名：\n\n").arg(refused.size());
    for (std::size_t i = 0; i < refused.size() && i < kReportLines; ++i) {
        const core::RefusedRename &r = refused[i];
        text += escaped(r.source) + QStringLiteral(" → ") + escaped(r.new_name) +
                QStringLiteral("（") + QString::fromUtf8(r.reason) + QStringLiteral("）\n");
    }
    if (refused.size() > kReportLines)
        text += QStringLiteral("\n另有 %1 个文件没有改名。").arg(refused.size() - kReportLines);
    QMessageBox::warning(this, QStringLiteral("未改名的文件"), text);
}
