#pragma once
// Applies a plan in list order while it is still being made: each batch the judging hands on is
// written down in the journal and renamed on the judging thread, while the rules plan the items
// after it. Planning then costs an execute of a large folder hardly any time beside the renames.
//
// The journal grows in pieces: every piece is flushed to the disk before its first rename, so
// that a crash leaves each rename made written down (a run without its end is taken as cut
// short, and the disk tells which of its steps took place). The pieces double in size, so that
// renaming starts early and a large run waits for the disk only a few times.

#include "journal.h"
#include "judge_beside.h"
#include "plan.h"

#include <memory>
#include <string>
#include <vector>

namespace tarvendi::core {

class ApplyAlong {
public:
    // plan's items, items_folder and folder must not change while it is applied.
    ApplyAlong(const Plan &plan, Journal &journal);

    // On the judging thread: a batch of renames, judged, in list order. A journal that cannot be
    // written throws JournalError, and nothing more is renamed.
    void take(const std::vector<HandedRename> &batch);

    // After the planning, with the judging thread ended: renames what still waits and closes the
    // journal. Returns the refusals as apply_plan does, its verdicts set as apply_plan sets them.
    // failure: what ended the planning early, if anything; a journal error met here is put
    // there. After an error a rename that was not made is refused; a journal error before the
    // first rename is thrown, as apply_plan throws it.
    std::vector<RefusedRename> finish(Plan &plan, std::exception_ptr &failure);

private:
    struct Waiting {
        PlannedRename *rename = nullptr;
        std::string source; // as the disk spells them
        std::string target;
    };
    struct Failure {
        const PlannedRename *rename;
        std::string reason;
    };
    void refuse(PlannedRename &r, const platform::RenameResult &result);
    void flush();
    void absolute(std::string_view path, std::string &out) const;

    const Plan &plan_;
    Journal &journal_;
    std::unique_ptr<Journal::Run> run_;
    std::string here_;
    bool folder_gone_ = false;
    platform::DiskRename disk_;
    std::string source_;
    JournalStep step_{StepKind::Rename, {}, {}, {}};
    std::vector<Waiting> waiting_; // its first `waiting_count_` wait; the rest keep their room
    std::size_t waiting_count_ = 0;
    std::size_t piece_ = 256;
    std::size_t steps_ = 0;                     // tried on the disk so far
    std::vector<std::size_t> failed_;           // the journal's steps that did not take place
    std::vector<Failure> failures_;             // in list order
    const PlannedRename *last_taken_ = nullptr; // the last one queued or refused here
    bool stopped_ = false;                      // the journal failed: nothing more is renamed
};

} // namespace tarvendi::core
