#include "plan.h"

#include "filesystem.h"
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

std::vector<RefusedRename> apply_plan(Plan &plan,
                                      const std::function<void(std::size_t done)> &progress) {
    std::vector<RefusedRename> refused = plan.refused;
    for (std::size_t i = 0; i < plan.renames.size(); ++i) {
        PlannedRename &r = plan.renames[i];
        if (progress)
            progress(i);
        if (r.verdict == Verdict::Invalid) {
            refused.push_back(
                {plan.source(r), std::string(plan.new_name(r)), std::string(r.reason)});
        } else if (r.verdict != Verdict::Unchanged) {
            // A name in use may be free by now, and one that seemed free may not be: the
            // file system decides, as it did for a rename that was never planned.
            const std::string source = plan.source(r);
            const platform::RenameResult result =
                platform::rename_entry(source, plan.target_folder(r), plan.target_name(r));
            if (result.ok()) {
                r.verdict = Verdict::Rename;
                r.reason = {};
            } else {
                refused.push_back(
                    {source, std::string(plan.new_name(r)), platform::refusal_text(result)});
                const bool taken = result.refusal == platform::RenameRefusal::TargetExists;
                r.verdict = taken ? Verdict::Exists : Verdict::Invalid;
                r.reason = platform::refusal_reason(result.refusal);
            }
        }
    }
    return refused;
}

} // namespace tarvendi::core
