#include "plan.h"

#include "apply_steps.h"
#include "filesystem.h"
#include "journal.h"
#include "listing.h"
#include "run_order.h"
#include "text.h"

#include <algorithm>

namespace tarvendi::core {

std::string join(std::string_view folder, std::string_view name) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path += folder;
    if (!folder.empty())
        path += rules::kSeparator;
    path += name;
    return path;
}

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
    std::string path;
    source_into(r, path);
    return path;
}

void Plan::source_into(const PlannedRename &r, std::string &out) const {
    const PassItem &item = (*items)[r.item];
    out.assign(items_folder);
    if (!items_folder.empty())
        out += rules::kSeparator;
    out += item.name;
}

std::pair<std::string_view, std::string_view> Plan::source_parts(const PlannedRename &r) const {
    const std::string_view name = (*items)[r.item].name;
    // Items in a folder are its entries' bare names; other items are paths as they stand.
    if (!items_folder.empty())
        return {items_folder, name};
    const std::size_t start = rules::file_name_start(name);
    return {name.substr(0, start > 1 ? start - 1 : start), name.substr(start)};
}

std::string_view Plan::target_folder(const PlannedRename &r) const {
    switch (r.folder) {
    case TargetFolder::Current:
        return {};
    case TargetFolder::Plan:
        return folder;
    case TargetFolder::Source:
        break;
    }
    return source_parts(r).first;
}

std::string Plan::target(const PlannedRename &r) const {
    return join(target_folder(r), target_name(r));
}

std::string Plan::shown(const PlannedRename &r) const {
    return r.full_shown ? target(r) : std::string(new_name(r));
}

std::size_t Plan::refusals() const {
    return static_cast<std::size_t>(
        std::count_if(renames.begin(), renames.end(),
                      [](const PlannedRename &r) { return is_refusal(r.verdict); }));
}

namespace {

// One rename the apply makes: a planned rename, or one of the two steps of a rename that breaks
// a cycle through a temporary name.
enum class Leg : std::uint8_t { Whole, ToTemporary, FromTemporary };

} // namespace

std::vector<RefusedRename>
apply_plan(Plan &plan, const std::function<void(std::size_t done)> &progress, Journal *journal) {
    // The legs in the order they run, each worked out as the disk spells it twice (for the
    // journal, then for the rename) rather than held: a million paths would double what the
    // plan holds.
    std::vector<bool> seen(plan.order.empty() ? 0 : plan.renames.size());
    const auto leg_at = [&](std::size_t k, std::uint32_t &index) {
        index = plan.order.empty() ? static_cast<std::uint32_t>(k) : plan.order[k];
        if (!plan.renames[index].via_temporary)
            return Leg::Whole;
        return seen[index] ? Leg::FromTemporary : Leg::ToTemporary;
    };
    const std::size_t legs = plan.order.empty() ? plan.renames.size() : plan.order.size();

    platform::DiskRename disk;
    // Only a journal asks where the renames happen (for its paths from the root).
    const ApplyPlace place = journal ? ApplyPlace::current() : ApplyPlace();
    const auto temporary = [&](std::uint32_t index) {
        const std::string folder = rules::folder_part(plan.source(plan.renames[index]));
        return join(folder, temporary_name(index));
    };
    std::string source; // room reused by every leg
    const auto tried = [&](std::uint32_t index, Leg leg) {
        const PlannedRename &r = plan.renames[index];
        if (r.verdict == Verdict::Invalid || r.verdict == Verdict::Unchanged)
            return false;
        if (leg == Leg::FromTemporary)
            source = temporary(index);
        else
            plan.source_into(r, source);
        if (leg == Leg::ToTemporary)
            return place.prepare(source, rules::folder_part(source), temporary_name(index), disk);
        return place.prepare(source, plan.target_folder(r), plan.target_name(r), disk);
    };

    std::unique_ptr<Journal::Run> run;
    if (journal) {
        JournalStep step{StepKind::Rename, {}, {}, {}};
        for (std::size_t k = 0; k < legs; ++k) {
            std::uint32_t index = 0;
            const Leg leg = leg_at(k, index);
            if (!seen.empty())
                seen[index] = true;
            if (!tried(index, leg))
                continue;
            if (!run)
                run = journal->begin();
            place.absolute(disk.source, step.path);
            place.absolute(disk.target(), step.target);
            run->add(step);
        }
        if (run)
            run->commit();
        std::fill(seen.begin(), seen.end(), false);
    }

    if (!plan.renames.empty())
        platform::forget_listed_names();
    std::vector<RefusedRename> refused = plan.refused;
    std::vector<std::size_t> failed;
    std::vector<bool> stranded(seen.size()); // its first leg failed: the second is not tried
    std::size_t step = 0;
    for (std::size_t k = 0; k < legs; ++k) {
        std::uint32_t index = 0;
        const Leg leg = leg_at(k, index);
        if (!seen.empty())
            seen[index] = true;
        PlannedRename &r = plan.renames[index];
        if (progress)
            progress(std::min(k, plan.renames.size()));
        if (r.verdict == Verdict::Unchanged)
            continue;
        if (r.verdict == Verdict::Invalid) {
            refused.push_back(
                {plan.source(r), std::string(plan.new_name(r)), std::string(r.reason)});
            continue;
        }
        // A name in use may be free by now, and one that seemed free may not be: the file
        // system decides, as it did for a rename that was never planned. The paths are the ones
        // given: the journal's absolute ones would cost the kernel a longer walk every time.
        platform::RenameResult result;
        if (leg == Leg::FromTemporary && stranded[index]) {
            if (tried(index, leg))
                failed.push_back(step++); // journaled, and not taken
            continue;
        }
        if (tried(index, leg)) {
            result = platform::rename_disk(disk.source.c_str(), disk.target().c_str());
            if (!result.ok())
                failed.push_back(step);
            ++step;
        } else {
            result.refusal = disk.refusal;
        }
        if (leg == Leg::ToTemporary) {
            if (result.ok())
                continue;
            stranded[index] = true;
        }
        // A rename stopped on its temporary name goes back to its own, or is reported under the
        // temporary one: nothing stays under a hidden name unsaid.
        bool stranded_hidden = false;
        if (!result.ok() && leg == Leg::FromTemporary) {
            const std::string original = plan.source(r);
            platform::DiskRename back;
            stranded_hidden =
                !place.prepare(temporary(index), rules::folder_part(original),
                               rules::file_name_part(original), back) ||
                !platform::rename_disk(back.source.c_str(), back.target().c_str()).ok();
        }
        if (!result.ok())
            refused.push_back({stranded_hidden ? temporary(index) : plan.source(r),
                               std::string(plan.new_name(r)), platform::refusal_text(result)});
        set_outcome(r, result);
    }
    if (run)
        run->finish(failed);
    return refused;
}

} // namespace tarvendi::core
