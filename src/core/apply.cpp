#include "apply.h"

#include "encoding.h"
#include "errors.h"
#include "filesystem.h"
#include "journal.h"
#include "listing.h"
#include "run_order.h"
#include "text.h"

#include <algorithm>

namespace tarvendi::core {

namespace {

// Where the renames of a plan happen: its folder, held open, in which relative paths are
// resolved. The kernel is never asked to resolve a path against the process's current
// directory, and a rename of a name in the folder costs no walk from the root.
class ApplyPlace {
public:
    explicit ApplyPlace(std::string_view here)
        : folder_(platform::name_to_disk(here).value_or(std::string())) {}

    // disk_rename of source to name in folder into disk (GB18030 in, disk forms out). True when
    // it may be tried: a relative path needs the folder of the plan to have a disk form.
    bool prepare(std::string_view source, std::string_view folder, std::string_view name,
                 platform::DiskRename &disk) const {
        platform::disk_rename(source, folder, name, disk);
        if (disk.refusal == platform::RenameRefusal::None && !folder_.has_folder() &&
            !(disk.source.starts_with('/') && disk.folder.starts_with('/')))
            disk.refusal = platform::RenameRefusal::NotConvertible;
        return disk.refusal == platform::RenameRefusal::None;
    }
    platform::RenameResult rename(const platform::DiskRename &disk) {
        disk.target_into(target_);
        return folder_.rename(disk.source.c_str(), target_.c_str());
    }
    // disk's paths as the journal writes them: from the root.
    void journal(const platform::DiskRename &disk, JournalStep &step) {
        folder_.from_root(disk.source, step.path);
        disk.target_into(target_);
        folder_.from_root(target_, step.target);
    }

private:
    platform::RenameFolder folder_;
    std::string target_;
};

// r's verdict and reason after the file system did or refused its rename.
void set_outcome(PlannedRename &r, const platform::RenameResult &result) {
    if (result.ok()) {
        r.verdict = Verdict::Rename;
        r.reason = {};
        return;
    }
    r.verdict = result.refusal == platform::RenameRefusal::TargetExists ? Verdict::Exists
                                                                        : Verdict::Invalid;
    r.reason = platform::refusal_reason(result);
}

// One rename the apply makes: a planned rename, or one of the two steps of a rename that breaks
// a cycle through a temporary name.
enum class Leg : std::uint8_t { Whole, ToTemporary, FromTemporary };

// Leaves in plan the renames an apply stopped after `reached` legs reached: those of the first
// `reached` in list order, or those seen in the run order. The order no longer fits them.
void drop_unreached(Plan &plan, std::size_t reached, const std::vector<bool> &seen) {
    if (plan.order.empty()) {
        plan.renames.resize(reached);
        return;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < plan.renames.size(); ++i)
        if (seen[i])
            plan.renames[kept++] = plan.renames[i];
    plan.renames.resize(kept);
    plan.order.clear();
}

} // namespace

std::vector<RefusedRename> apply_plan(Plan &plan,
                                      const std::function<void(std::size_t done)> &progress,
                                      Journal *journal, ApplyStop *stop) {
    if (stop)
        stop->stopped = false;
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
    ApplyPlace place(plan.here);
    const auto temporary = [&](std::uint32_t index) {
        const std::string folder = rules::folder_part(plan.source(plan.renames[index]));
        return join(folder, temporary_name(index));
    };
    std::string source; // room reused by every leg
    // Whether the leg can be tried as the disk spells it, whatever its verdict became since.
    const auto prepared = [&](std::uint32_t index, Leg leg) {
        const PlannedRename &r = plan.renames[index];
        if (leg == Leg::FromTemporary)
            source = temporary(index);
        else
            plan.source_into(r, source);
        if (leg == Leg::ToTemporary)
            return place.prepare(source, rules::folder_part(source), temporary_name(index), disk);
        return place.prepare(source, plan.target_folder(r), plan.target_name(r), disk);
    };
    const auto tried = [&](std::uint32_t index, Leg leg) {
        const Verdict verdict = plan.renames[index].verdict;
        return verdict != Verdict::Invalid && verdict != Verdict::Unchanged && prepared(index, leg);
    };

    std::unique_ptr<Journal::Run> run;
    std::size_t journaled = 0;
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
            place.journal(disk, step);
            run->add(step);
            ++journaled;
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
    // A rename stopped on its temporary name goes back to its own name, or, where another member
    // of its cycle holds that by now, to a free one beside it, "a (1).txt": nothing stays under a
    // hidden name. That rename is journaled, past the planned steps, before it is made, so that
    // undo finds the file. Returns where the file stands.
    std::size_t rescue_step = journaled;
    const auto bring_back = [&](std::uint32_t index) {
        const std::string hidden = temporary(index);
        const std::string original = plan.source(plan.renames[index]);
        const std::string folder = rules::folder_part(original);
        const std::string name = rules::file_name_part(original);
        platform::DiskRename back;
        if (place.prepare(hidden, folder, name, back) && place.rename(back).ok())
            return original;
        const std::string ext = rules::extension(name);
        const std::string stem = name.substr(0, name.size() - ext.size());
        JournalStep journaled_step{StepKind::Rename, {}, {}, {}};
        for (int n = 1; n < 100; ++n) {
            const std::string beside = stem + " (" + std::to_string(n) + ")" + ext;
            if (!place.prepare(hidden, folder, beside, back))
                break;
            // Journaled as one rename from its own name, which undo gives back to it.
            if (run) {
                platform::DiskRename whole;
                if (!place.prepare(original, folder, beside, whole))
                    break;
                try {
                    place.journal(whole, journaled_step);
                    run->add(journaled_step);
                    run->commit();
                } catch (const JournalError &) {
                    break; // undo would not find it there: it is reported where it is
                }
            }
            const bool moved = place.rename(back).ok();
            if (run && !moved)
                failed.push_back(rescue_step);
            rescue_step += run ? 1 : 0;
            if (moved)
                return join(folder, beside);
        }
        return hidden;
    };
    std::size_t reached = legs;
    std::size_t open_cycles = 0; // begun through a temporary name, not ended yet
    for (std::size_t k = 0; k < legs; ++k) {
        std::uint32_t index = 0;
        const Leg leg = leg_at(k, index);
        PlannedRename &r = plan.renames[index];
        // A stop asked while the front end showed the progress is seen before the next rename.
        if (progress)
            progress(std::min(k, plan.renames.size()));
        if (stop && open_cycles == 0 && stop->asked.load(std::memory_order_relaxed)) {
            reached = k;
            break;
        }
        if (!seen.empty())
            seen[index] = true;
        if (leg == Leg::ToTemporary)
            ++open_cycles;
        else if (leg == Leg::FromTemporary)
            --open_cycles;
        // Its first leg failed and was reported, and the verdict says so by now; this leg was
        // journaled all the same.
        if (leg == Leg::FromTemporary && stranded[index]) {
            if (prepared(index, leg))
                failed.push_back(step++);
            continue;
        }
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
        if (tried(index, leg)) {
            result = place.rename(disk);
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
        if (!result.ok())
            refused.push_back({leg == Leg::FromTemporary ? bring_back(index) : plan.source(r),
                               std::string(plan.new_name(r)),
                               std::string(platform::refusal_reason(result))});
        set_outcome(r, result);
    }
    if (reached < legs) {
        stop->stopped = true;
        // The steps journaled for the legs not reached were never taken.
        for (std::size_t s = step; s < journaled; ++s)
            failed.push_back(s);
        drop_unreached(plan, reached, seen);
    }
    if (run)
        run->finish(failed, stop && stop->stopped);
    return refused;
}

} // namespace tarvendi::core
