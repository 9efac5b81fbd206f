#include "plan.h"

#include "filesystem.h"

#include <algorithm>

namespace tarvendi::core {

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

std::size_t Plan::refusals() const {
    return static_cast<std::size_t>(
        std::count_if(renames.begin(), renames.end(),
                      [](const PlannedRename &r) { return is_refusal(r.verdict); }));
}

std::vector<RefusedRename> apply_plan(const Plan &plan,
                                      const std::function<void(std::size_t done)> &progress) {
    std::vector<RefusedRename> refused = plan.refused;
    for (std::size_t i = 0; i < plan.renames.size(); ++i) {
        const PlannedRename &r = plan.renames[i];
        if (progress)
            progress(i);
        if (r.verdict == Verdict::Invalid) {
            refused.push_back({r.source, r.new_name, r.reason});
        } else if (r.verdict != Verdict::Unchanged) {
            // A name in use may be free by now, and one that seemed free may not be: the
            // file system decides, as it did for a rename that was never planned.
            const platform::RenameResult result =
                platform::rename_entry(r.source, r.folder, r.name);
            if (!result.ok())
                refused.push_back({r.source, r.new_name, platform::refusal_text(result)});
        }
    }
    return refused;
}

} // namespace tarvendi::core
