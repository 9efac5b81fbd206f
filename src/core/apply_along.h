#pragma once
// Applies a plan in list order while it is still being made: the judging thread writes down each
// batch it has judged in the journal, and a thread of its own renames what was written down,
// while the rules plan the items after it. The thread that renames does nothing else, so an
// execute of a large folder takes hardly longer than its renames. With two cores, the renames
// of one folder that touch no name in common are shared with a second thread: the kernel makes
// much of a rename outside the folder's lock, and they come out as in list order.
//
// The journal grows in pieces: every piece is flushed to the disk before its first rename, so
// that a crash leaves each rename made written down (a run without its end is taken as cut
// short, and the disk tells which of its steps took place). The pieces double in size, so that
// renaming starts early and a large run waits for the disk only a few times.

#include "apply_steps.h"
#include "commuting_runs.h"
#include "handover.h"
#include "journal.h"
#include "judge_beside.h"
#include "plan.h"
#include "second_thread.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tarvendi::core {

class ApplyAlong {
public:
    // plan's items, items_folder and folder must not change while it is applied.
    ApplyAlong(const Plan &plan, Journal &journal);
    ~ApplyAlong();
    ApplyAlong(const ApplyAlong &) = delete;
    ApplyAlong &operator=(const ApplyAlong &) = delete;

    // On the judging thread: a batch of renames, judged, in list order. A journal that cannot be
    // written throws JournalError, and nothing more is handed on (what was written down before
    // is still renamed).
    void take(const std::vector<HandedRename> &batch);

    // After the planning, with the judging thread ended: renames what still waits and closes the
    // journal. Returns the refusals as apply_plan does, its verdicts set as apply_plan sets them.
    // failure: what ended the planning early, if anything; a journal error met here is put
    // there. After an error a rename that was not made is refused; a journal error before the
    // first rename is thrown, as apply_plan throws it.
    // while_renaming (may be empty) runs on this thread with plan while the last renames are
    // made, the plan holding still: the verdicts stand as planned until the disk's answers are
    // given them at the end. It only saves time: what it throws is let go.
    std::vector<RefusedRename> finish(Plan &plan, std::exception_ptr &failure,
                                      const std::function<void(const Plan &)> &while_renaming = {});

private:
    // Renames written down together, with their paths as the disk spells them one after another
    // in a single text: a piece of 65,536 renames makes no allocation of its own per rename.
    class Piece {
    public:
        void add(PlannedRename &r, std::string_view source, std::string_view target);
        std::size_t size() const { return renames_.size(); }
        bool empty() const { return renames_.empty(); }
        void clear();
        void reserve(std::size_t renames);
        // Calls f(index, rename, source, target) for those from `from` up to `to`, in order, the
        // paths NUL-terminated.
        template <class F> void each(std::size_t from, std::size_t to, F f) const {
            for (std::size_t i = from; i < to; ++i) {
                const Waiting &w = renames_[i];
                f(i, *w.rename, paths_.c_str() + w.source, paths_.c_str() + w.target);
            }
        }
        // Where its runs of renames that may be made in any order start (CommutingRuns); empty:
        // each keeps its place.
        const std::vector<std::uint32_t> &runs() const { return runs_; }
        void set_runs(const std::vector<std::uint32_t> &starts) { runs_ = starts; }

    private:
        struct Waiting {
            PlannedRename *rename;
            std::uint32_t source; // where the paths start
            std::uint32_t target;
        };
        std::vector<Waiting> renames_;
        std::string paths_;
        std::vector<std::uint32_t> runs_;
    };
    struct Answer { // what the disk, or the check before it, said to a rename
        PlannedRename *rename;
        platform::RenameResult result;
    };
    // Flushes the journal and hands what waits to the renaming thread.
    void hand_on();
    // Whether renames in folder (a path's folder part) may share threads, asked once a folder.
    bool names_exact(std::string_view folder);
    void rename_handed();
    // Each run of piece halved between this thread and the second.
    void rename_runs(const Piece &piece, SecondThread &second);
    // The renames of piece from `from` up to `to`, the disk's answers noted in answers and failed.
    void rename(const Piece &piece, std::size_t from, std::size_t to, std::vector<Answer> &answers,
                std::vector<std::size_t> &failed) const;
    void stop_renaming();

    // The judging thread's:
    const Plan &plan_;
    Journal &journal_;
    ApplyPlace place_;
    std::unique_ptr<Journal::Run> run_;
    platform::DiskRename disk_;
    std::string source_;
    std::string target_;
    JournalStep step_{StepKind::Rename, {}, {}, {}};
    Piece waiting_;
    CommutingRuns runs_; // of the renames in waiting_
    std::string exact_folder_;
    std::optional<bool> exact_; // names_exact(exact_folder_)
    std::size_t piece_ = 256;
    std::size_t handed_on_ = 0;                 // renames written down and handed on
    std::vector<Answer> refused_early_;         // before the disk was tried, in list order
    const PlannedRename *last_taken_ = nullptr; // the last one queued or refused here
    bool stopped_ = false;                      // the journal failed: nothing more is renamed

    Handover<Piece> handed_;

    // The renaming thread's. It writes nothing of the plan: what the disk answers is noted here,
    // and given to the plan's verdicts at the end.
    std::vector<std::size_t> failed_; // the journal's steps that did not take place
    std::vector<Answer> answers_;     // in list order: the refusals, and the renames made that
                                      // the plan did not expect to be
    std::size_t steps_ = 0;           // tried on the disk so far
    // The second thread's answers for the part of a run it made, put after the first's.
    std::vector<Answer> second_answers_;
    std::vector<std::size_t> second_failed_;
    std::thread renamer_;
};

} // namespace tarvendi::core
