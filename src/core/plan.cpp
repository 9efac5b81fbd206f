#include "plan.h"

#include "errors.h"
#include "filesystem.h"
#include "journal.h"
#include "state_files.h"
#include "text.h"

#include <algorithm>

namespace tarvendi::core {

namespace {

std::string join(std::string_view folder, std::string_view name) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path += folder;
    if (!folder.empty())
        path += rules::kSeparator;
    path += name;
    return path;
}

} // namespace

std::string_view verdict_word(Verdict verdict) {
    switch (verdict) {
    case Verdict::Rename:
        return "rename";
    case Verdict::Unchanged:
        return "unchanged";
    case Verdict::Exists:
        return "exists";
    case Verdict::Duplicate:
        return "duplicate";
    case Verdict::Invalid:
        break;
    }
    return "invalid";
}

std::string Plan::source(const PlannedRename &r) const {
    const PassItem &item = (*items)[r.item];
    return join(items_folder, item.name);
}

std::string Plan::target_folder(const PlannedRename &r) const {
    switch (r.folder) {
    case TargetFolder::Current:
        return {};
    case TargetFolder::Plan:
        return folder;
    case TargetFolder::Source:
        break;
    }
    return rules::folder_part(source(r));
}

std::string Plan::shown(const PlannedRename &r) const {
    return r.full_shown ? join(target_folder(r), target_name(r)) : std::string(new_name(r));
}

std::size_t Plan::refusals() const {
    return static_cast<std::size_t>(
        std::count_if(renames.begin(), renames.end(),
                      [](const PlannedRename &r) { return is_refusal(r.verdict); }));
}

std::vector<RefusedRename>
apply_plan(Plan &plan, const std::function<void(std::size_t done)> &progress, Journal *journal) {
    // Each rename to try, as the disk spells it, worked out twice (for the journal, then for the
    // rename) rather than held: a million paths would double what the plan holds.
    platform::DiskRename disk;
    std::string here;
    bool folder_gone = false;
    const auto tried = [&](const PlannedRename &r) {
        if (r.verdict == Verdict::Invalid || r.verdict == Verdict::Unchanged)
            return false;
        platform::disk_rename(plan.source(r), plan.target_folder(r), plan.target_name(r), disk);
        // Nothing is left to rename in a current directory that was removed.
        if (folder_gone && disk.refusal == platform::RenameRefusal::None &&
            !(disk.source.starts_with('/') && disk.folder.starts_with('/')))
            disk.refusal = platform::RenameRefusal::NotFound;
        return disk.refusal == platform::RenameRefusal::None;
    };
    const auto absolute = [&](const std::string &path) {
        return path.starts_with('/') ? path : here + "/" + path;
    };
    const auto target = [&] {
        return absolute(disk.folder.empty() ? disk.name : disk.folder + "/" + disk.name);
    };

    std::unique_ptr<Journal::Run> run;
    if (journal) {
        try {
            here = platform::current_disk_folder();
        } catch (const platform::IoError &) {
            folder_gone = true;
        }
        for (const PlannedRename &r : plan.renames) {
            if (!tried(r))
                continue;
            if (!run)
                run = journal->begin();
            run->add({StepKind::Rename, absolute(disk.source), target(), {}});
        }
        if (run)
            run->commit();
    }

    std::vector<RefusedRename> refused = plan.refused;
    std::vector<std::size_t> failed;
    std::size_t step = 0;
    for (std::size_t i = 0; i < plan.renames.size(); ++i) {
        PlannedRename &r = plan.renames[i];
        if (progress)
            progress(i);
        if (r.verdict == Verdict::Unchanged)
            continue;
        if (r.verdict == Verdict::Invalid) {
            refused.push_back(
                {plan.source(r), std::string(plan.new_name(r)), std::string(r.reason)});
            continue;
        }
        // A name in use may be free by now, and one that seemed free may not be: the file
        // system decides, as it did for a rename that was never planned.
        platform::RenameResult result;
        if (tried(r)) {
            // The paths as given: the journal's absolute ones would cost the kernel a longer walk
            // on every rename.
            result = platform::rename_disk(disk.source, disk.folder.empty()
                                                            ? disk.name
                                                            : disk.folder + "/" + disk.name);
            if (!result.ok())
                failed.push_back(step);
            ++step;
        } else {
            result.refusal = disk.refusal;
        }
        if (result.ok()) {
            r.verdict = Verdict::Rename;
            r.reason = {};
        } else {
            refused.push_back(
                {plan.source(r), std::string(plan.new_name(r)), platform::refusal_text(result)});
            const bool taken = result.refusal == platform::RenameRefusal::TargetExists;
            r.verdict = taken ? Verdict::Exists : Verdict::Invalid;
            r.reason = platform::refusal_reason(result.refusal);
        }
    }
    if (run)
        run->finish(failed);
    return refused;
}

} // namespace tarvendi::core
