#pragma once
// Judges the renames of a plan on a second thread while the rules go on making them: the
// judging (listing a target folder, a lookup per item) then costs a preview hardly any time
// beside the rules' own work. The renames are handed over in batches, in run order, each with
// everything its judging reads: the two threads run on different cores, and each line of memory
// that one writes and the other then reads costs a transfer between them.

#include "handover.h"
#include "pass.h"
#include "plan.h"
#include "target_check.h"

#include <exception>
#include <string_view>
#include <thread>
#include <vector>

namespace tarvendi::core {

// A rename handed over for judging, with everything its judging (and an apply beside the
// planning) reads.
struct HandedRename {
    PlannedRename *rename;
    TargetCheck::Source source;
    std::string_view target_folder;
    std::string_view target_name;
};

class JudgeBeside {
public:
    // The plan's items, items_folder and folder must not change until finish(); its renames
    // must have room for every rename to come (they must not move).
    // judged (may be empty) hears each batch once judged, on the judging thread; what it throws
    // stops the judging like a failure of the judging itself.
    JudgeBeside(const Plan &plan, TargetCheck &check, AfterJudging judged = {});
    ~JudgeBeside();
    JudgeBeside(const JudgeBeside &) = delete;
    JudgeBeside &operator=(const JudgeBeside &) = delete;

    // Hands r over for judging; target_name is its target's name (the thread must not read the
    // plan's texts while they grow).
    void add(PlannedRename &r, std::string_view target_name);
    // Waits until every rename handed over is judged; rethrows what stopped the judging.
    void finish();

private:
    using Job = HandedRename;
    void run();
    void hand_over();

    const Plan &plan_;
    TargetCheck &check_;
    AfterJudging judged_;
    std::vector<Job> filling_; // the main thread's batch, not handed over yet
    Handover<std::vector<Job>> handed_;
    std::exception_ptr failure_;
    std::thread thread_;
};

} // namespace tarvendi::core
