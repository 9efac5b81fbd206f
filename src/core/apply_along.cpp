#include "apply_along.h"

#include "errors.h"
#include "filesystem.h"
#include "listing.h"

#include <algorithm>

namespace tarvendi::core {

namespace {

constexpr std::size_t kLargestPiece = 65536;
constexpr std::string_view kNotMade = "执行中途停止，没有改名";

} // namespace

ApplyAlong::ApplyAlong(const Plan &plan, Journal &journal)
    : plan_(plan)
    , journal_(journal) {
    try {
        here_ = platform::current_disk_folder();
    } catch (const platform::IoError &) {
        folder_gone_ = true;
    }
}

void ApplyAlong::absolute(std::string_view path, std::string &out) const {
    out.clear();
    if (!path.starts_with('/')) {
        out += here_;
        out += '/';
    }
    out += path;
}

void ApplyAlong::refuse(PlannedRename &r, const platform::RenameResult &result) {
    failures_.push_back({&r, platform::refusal_text(result)});
    r.verdict = result.refusal == platform::RenameRefusal::TargetExists ? Verdict::Exists
                                                                        : Verdict::Invalid;
    r.reason = platform::refusal_reason(result.refusal);
}

void ApplyAlong::take(const std::vector<HandedRename> &batch) {
    try {
        for (const HandedRename &handed : batch) {
            PlannedRename &r = *handed.rename;
            if (r.verdict == Verdict::Invalid || r.verdict == Verdict::Unchanged)
                continue;
            // The plan's texts grow while this runs: the target's name comes with the batch.
            plan_.source_into(r, source_);
            platform::disk_rename(source_, handed.target_folder, handed.target_name, disk_);
            // Nothing is left to rename in a current directory that was removed.
            if (folder_gone_ && disk_.refusal == platform::RenameRefusal::None &&
                !(disk_.source.starts_with('/') && disk_.folder.starts_with('/')))
                disk_.refusal = platform::RenameRefusal::NotFound;
            if (disk_.refusal != platform::RenameRefusal::None) {
                refuse(r, {disk_.refusal, 0});
                last_taken_ = &r;
                continue;
            }
            if (!run_)
                run_ = journal_.begin();
            if (waiting_count_ == waiting_.size())
                waiting_.emplace_back();
            Waiting &w = waiting_[waiting_count_++];
            w.rename = &r;
            w.source.assign(disk_.source);
            w.target.assign(disk_.folder);
            if (!w.target.empty())
                w.target += '/';
            w.target += disk_.name;
            absolute(w.source, step_.path);
            absolute(w.target, step_.target);
            run_->add(step_);
            last_taken_ = &r;
            if (waiting_count_ >= piece_)
                flush();
        }
    } catch (...) {
        stopped_ = true;
        throw;
    }
}

void ApplyAlong::flush() {
    if (waiting_count_ == 0)
        return;
    if (steps_ == 0)
        platform::forget_listed_names();
    run_->commit();
    for (std::size_t i = 0; i < waiting_count_; ++i) {
        Waiting &w = waiting_[i];
        PlannedRename &r = *w.rename;
        const platform::RenameResult result = platform::rename_disk(w.source, w.target);
        if (result.ok()) {
            r.verdict = Verdict::Rename;
            r.reason = {};
        } else {
            failed_.push_back(steps_);
            refuse(r, result);
        }
        ++steps_;
    }
    waiting_count_ = 0;
    piece_ = std::min(piece_ * 2, kLargestPiece);
}

std::vector<RefusedRename> ApplyAlong::finish(Plan &plan, std::exception_ptr &failure) {
    if (!stopped_) {
        try {
            flush();
        } catch (...) {
            stopped_ = true;
            failure = std::current_exception();
        }
    }
    if (run_ && !stopped_)
        run_->finish(failed_);
    if (stopped_ && steps_ == 0)
        std::rethrow_exception(failure);

    if (stopped_ || failure) {
        // What still waited, and what the judging never handed on, was not renamed.
        const auto not_made = [](PlannedRename &r) {
            if (r.verdict == Verdict::Rename) {
                r.verdict = Verdict::Invalid;
                r.reason = kNotMade;
            }
        };
        for (std::size_t i = 0; i < waiting_count_; ++i)
            not_made(*waiting_[i].rename);
        bool past_last_taken = last_taken_ == nullptr;
        for (PlannedRename &r : plan.renames) {
            if (past_last_taken)
                not_made(r);
            past_last_taken = past_last_taken || &r == last_taken_;
        }
    }
    std::vector<RefusedRename> refused = plan.refused;
    auto failure_at = failures_.begin();
    for (const PlannedRename &r : plan.renames) {
        if (failure_at != failures_.end() && failure_at->rename == &r)
            refused.push_back(
                {plan.source(r), std::string(plan.new_name(r)), (failure_at++)->reason});
        else if (r.verdict == Verdict::Invalid)
            refused.push_back(
                {plan.source(r), std::string(plan.new_name(r)), std::string(r.reason)});
    }
    return refused;
}

} // namespace tarvendi::core
