#pragma once
// Judges the renames of a plan while the rules go on making them. For a large pass on a second
// thread: the judging (listing a target folder, a lookup per item) then costs a preview hardly
// any time beside the rules' own work. The renames are handed over in batches, in run order,
// each with everything its judging reads: the two threads run on different cores, and each line
// of memory that one writes and the other then reads costs a transfer between them. A small
// pass judges each rename as it comes, on the calling thread: a thread would cost it more than
// it saves.

#include "handover.h"
#include "plan.h"
#include "target_check.h"

#include <exception>
#include <functional>
#include <string_view>
#include <thread>
#include <vector>

namespace tarvendi::core {

class JudgeBeside {
public:
    // Sets the verdict of r, which renames source to name in folder (TargetCheck::judge).
    using Judge = std::function<void(PlannedRename &r, TargetCheck::Source source,
                                     std::string_view folder, std::string_view name)>;
    // The plan's items, items_folder and folder must not change until finish(); its renames
    // must have room for every rename to come (they must not move). beside: judge on a second
    // thread, started here. most: how many renames may wait for it before add() waits too.
    JudgeBeside(const Plan &plan, Judge judge, bool beside,
                std::size_t most = std::size_t{1} << 16);
    // Without finish() (the rules failed): what was handed over is judged, and the thread ends.
    ~JudgeBeside();
    JudgeBeside(const JudgeBeside &) = delete;
    JudgeBeside &operator=(const JudgeBeside &) = delete;

    // Judges r, now or on the second thread; target_name is its target's name (the thread must
    // not read the plan's texts while they grow). On the calling thread, what judge throws
    // leaves here.
    void add(PlannedRename &r, std::string_view target_name);
    // Waits until every rename handed over is judged; rethrows what stopped the judging, after
    // which the renames not judged yet keep the verdict they had.
    void finish();

private:
    struct Job {
        PlannedRename *rename;
        TargetCheck::Source source;
        std::string_view target_folder;
        std::string_view target_name;
    };
    void run();
    void hand_over();

    const Plan &plan_;
    Judge judge_;
    std::vector<Job> filling_; // the calling thread's batch, not handed over yet
    Handover<std::vector<Job>> handed_;
    std::exception_ptr failure_; // the second thread's, read after it ended
    std::thread thread_;
};

} // namespace tarvendi::core
