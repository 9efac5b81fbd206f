#include "change_journal.h"

#include "disk_path.h"
#include "errors.h"
#include "file_io.h"
#include "filesystem.h"
#include "state_files.h"
#include "tag_template.h"

namespace tarvendi::core {

namespace {

// The tag a file ends with, if any; a file that cannot be read has none to keep.
std::optional<std::string> tag_at_end(const std::string &path) {
    try {
        platform::File file(path, platform::File::Mode::Read);
        std::string tail = file.read_tail(kTagSize);
        if (tail.starts_with("TAG"))
            return tail;
    } catch (const platform::IoError &) {
    }
    return std::nullopt;
}

} // namespace

TagJournal::TagJournal(Journal &journal, const std::vector<PassItem> &items,
                       std::string_view folder, std::string_view here) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const PassItem &item = items[i];
        if (item.dot_entry || !rules::is_mp3_name(item.name))
            continue;
        const std::string path = from_root(here, join(folder, item.name));
        std::string disk;
        try {
            disk = platform::disk_path(path);
        } catch (const platform::IoError &) {
            continue; // a name that does not convert is never written either
        }
        if (!run_)
            run_ = journal.begin();
        run_->add({StepKind::Tag, std::move(disk), {}, tag_at_end(path)});
        step_items_.push_back(static_cast<std::uint32_t>(i));
        paths_.push_back(path);
    }
    if (run_)
        run_->commit();
}

void TagJournal::finish(const Plan &plan) {
    if (!run_)
        return;
    std::vector<bool> written(plan.items ? plan.items->size() : 0);
    for (const PlannedRename &r : plan.renames)
        written[r.item] = true;
    std::vector<std::size_t> failed;
    for (std::size_t step = 0; step < step_items_.size(); ++step) {
        if (!written[step_items_[step]]) {
            failed.push_back(step);
            continue;
        }
        // What was written, so that undo can tell a tag changed since from its own.
        if (const std::optional<std::string> tail = tag_at_end(paths_[step]))
            run_->note(written_tag_line(step, *tail));
    }
    run_->finish(failed);
}

std::unique_ptr<Journal::Run> journal_folders(Journal &journal, std::string_view here,
                                              const std::vector<std::string> &folders) {
    if (folders.empty())
        return nullptr;
    std::unique_ptr<Journal::Run> run = journal.begin();
    for (const std::string &folder : folders)
        run->add({StepKind::Folder, platform::disk_path(from_root(here, folder)), {}, {}});
    run->commit();
    return run;
}

} // namespace tarvendi::core
