#include "apply_along.h"

#include "filesystem.h"
#include "listing.h"

#include <algorithm>

namespace tarvendi::core {

namespace {

constexpr std::size_t kLargestPiece = 65536;
// A run shorter than this is made on one thread: waking the second costs more than it saves.
constexpr std::size_t kLeastShared = 512;
constexpr std::string_view kNotMade = "执行中途停止，没有改名";

} // namespace

ApplyAlong::ApplyAlong(const Plan &plan, Journal &journal)
    : plan_(plan)
    , journal_(journal)
    , place_(ApplyPlace::current())
    // The renames are slower than writing them down: past two pieces of the largest size the
    // judging waits.
    , handed_(2 * kLargestPiece)
    , renamer_([this] { rename_handed(); }) {}

ApplyAlong::~ApplyAlong() {
    stop_renaming();
}

void ApplyAlong::take(const std::vector<HandedRename> &batch) {
    try {
        for (const HandedRename &handed : batch) {
            PlannedRename &r = *handed.rename;
            if (r.verdict == Verdict::Invalid || r.verdict == Verdict::Unchanged)
                continue;
            // The plan's texts grow while this runs: the target's name comes with the batch.
            plan_.source_into(r, source_);
            if (!place_.prepare(source_, handed.target_folder, handed.target_name, disk_)) {
                refused_early_.push_back({&r, {disk_.refusal, 0}});
                set_outcome(r, refused_early_.back().result);
                last_taken_ = &r;
                continue;
            }
            if (!run_)
                run_ = journal_.begin();
            disk_.target_into(target_);
            waiting_.add(r, disk_.source, target_);
            runs_.add(disk_.source, target_);
            place_.absolute(disk_.source, step_.path);
            place_.absolute(target_, step_.target);
            run_->add(step_);
            last_taken_ = &r;
            if (waiting_.size() >= piece_)
                hand_on();
        }
    } catch (...) {
        stopped_ = true;
        throw;
    }
}

void ApplyAlong::hand_on() {
    if (waiting_.empty())
        return;
    if (handed_on_ == 0)
        platform::forget_listed_names();
    run_->commit();
    const std::optional<std::string_view> folder = runs_.folder();
    waiting_.set_runs(folder && names_exact(*folder) ? runs_.starts()
                                                     : std::vector<std::uint32_t>());
    runs_.clear();
    handed_on_ += waiting_.size();
    handed_.give(waiting_);
    piece_ = std::min(piece_ * 2, kLargestPiece);
    waiting_.reserve(piece_);
}

void ApplyAlong::Piece::add(PlannedRename &r, std::string_view source, std::string_view target) {
    const auto at = static_cast<std::uint32_t>(paths_.size());
    paths_ += source;
    paths_ += '\0';
    renames_.push_back({&r, at, static_cast<std::uint32_t>(paths_.size())});
    paths_ += target;
    paths_ += '\0';
}

void ApplyAlong::Piece::clear() {
    renames_.clear();
    paths_.clear();
    runs_.clear();
}

void ApplyAlong::Piece::reserve(std::size_t renames) {
    renames_.reserve(renames);
    // Room for two paths of a name each: more is rare, and grows as any string does.
    paths_.reserve(renames * 48);
}

bool ApplyAlong::names_exact(std::string_view folder) {
    if (!exact_ || folder != exact_folder_) {
        exact_folder_.assign(folder);
        exact_ = platform::names_exact(exact_folder_);
    }
    return *exact_;
}

void ApplyAlong::rename_handed() {
    const bool two_cores = std::thread::hardware_concurrency() > 1;
    Piece piece;
    SecondThread second; // ends before piece, which its job reads
    while (handed_.take(piece)) {
        const std::vector<std::uint32_t> &runs = piece.runs();
        if (!two_cores || runs.empty())
            rename(piece, 0, piece.size(), answers_, failed_);
        else
            rename_runs(piece, second);
        steps_ += piece.size();
    }
}

void ApplyAlong::rename_runs(const Piece &piece, SecondThread &second) {
    const std::vector<std::uint32_t> &runs = piece.runs();
    for (std::size_t k = 0; k < runs.size(); ++k) {
        const std::size_t from = runs[k];
        const std::size_t to = k + 1 < runs.size() ? runs[k + 1] : piece.size();
        if (to - from < kLeastShared) {
            rename(piece, from, to, answers_, failed_);
            continue;
        }
        const std::size_t middle = from + (to - from) / 2;
        second.start([this, &piece, middle, to] {
            rename(piece, middle, to, second_answers_, second_failed_);
        });
        rename(piece, from, middle, answers_, failed_);
        second.wait();
        answers_.insert(answers_.end(), second_answers_.begin(), second_answers_.end());
        failed_.insert(failed_.end(), second_failed_.begin(), second_failed_.end());
        second_answers_.clear();
        second_failed_.clear();
    }
}

void ApplyAlong::rename(const Piece &piece, std::size_t from, std::size_t to,
                        std::vector<Answer> &answers, std::vector<std::size_t> &failed) const {
    piece.each(from, to,
               [&](std::size_t i, PlannedRename &r, const char *source, const char *target) {
                   const platform::RenameResult result = platform::rename_disk(source, target);
                   if (!result.ok())
                       failed.push_back(steps_ + i);
                   if (!result.ok() || r.verdict != Verdict::Rename)
                       answers.push_back({&r, result});
               });
}

void ApplyAlong::stop_renaming() {
    if (!renamer_.joinable())
        return;
    handed_.close();
    renamer_.join();
}

std::vector<RefusedRename>
ApplyAlong::finish(Plan &plan, std::exception_ptr &failure,
                   const std::function<void(const Plan &)> &while_renaming) {
    if (!stopped_) {
        try {
            hand_on();
        } catch (...) {
            stopped_ = true;
            failure = std::current_exception();
        }
    }
    if (while_renaming) {
        try {
            while_renaming(plan);
        } catch (...) {
        }
    }
    stop_renaming();
    for (const Answer &answer : answers_)
        set_outcome(*answer.rename, answer.result);
    if (run_ && !stopped_)
        run_->finish(failed_);
    if (stopped_ && handed_on_ == 0)
        std::rethrow_exception(failure);

    if (stopped_ || failure) {
        // What still waited, and what the judging never handed on, was not renamed.
        const auto not_made = [](PlannedRename &r) {
            if (r.verdict == Verdict::Rename) {
                r.verdict = Verdict::Invalid;
                r.reason = kNotMade;
            }
        };
        waiting_.each(
            0, waiting_.size(),
            [&](std::size_t, PlannedRename &r, const char *, const char *) { not_made(r); });
        bool past_last_taken = last_taken_ == nullptr;
        for (PlannedRename &r : plan.renames) {
            if (past_last_taken)
                not_made(r);
            past_last_taken = past_last_taken || &r == last_taken_;
        }
    }
    // The early refusals and the disk's answers are each in list order.
    std::vector<RefusedRename> refused = plan.refused;
    auto early = refused_early_.begin();
    auto late = answers_.begin();
    for (const PlannedRename &r : plan.renames) {
        if (early != refused_early_.end() && early->rename == &r)
            refused.push_back({plan.source(r), std::string(plan.new_name(r)),
                               platform::refusal_text((early++)->result)});
        else if (late != answers_.end() && late->rename == &r) {
            if (!late->result.ok())
                refused.push_back({plan.source(r), std::string(plan.new_name(r)),
                                   platform::refusal_text(late->result)});
            ++late;
        } else if (r.verdict == Verdict::Invalid)
            refused.push_back(
                {plan.source(r), std::string(plan.new_name(r)), std::string(r.reason)});
    }
    return refused;
}

} // namespace tarvendi::core
