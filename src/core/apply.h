#pragma once
// Applying a plan: its renames, in run order, each through the platform's no-overwrite rename,
// which has the last word since the disk can change between plan and apply. Both front ends
// execute through here.

#include "plan.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

namespace tarvendi::core {

class Journal;

// How a front end stops an apply in its middle.
struct ApplyStop {
    // Set by the front end at any time, also from a signal handler: the apply ends at its next
    // look, which is before each rename it would start.
    std::atomic<bool> asked{false};
    // Set by the apply when it ended before its last rename; read it once the apply returned.
    bool stopped = false;
};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler sets ApplyStop::asked");

// Applies the plan in order and returns every refusal in run order: the items refused by their
// rule, then each planned rename that is invalid (never tried) or that the file system refused.
// A rename whose target was in use when planned is still tried: the disk may have changed since,
// and the file system's no-overwrite rename has the last word and the reason the report gives.
// The verdicts become what happened: a refused rename turns "exists" (its target was taken) or
// "invalid". progress (may be empty) hears the index of each planned rename.
// With a journal, the renames to try are written down and flushed before the first, and which
// failed after the last (journal.h); a journal that cannot be written throws JournalError
// before anything is renamed.
// With stop, once stop->asked is set the rename in flight ends and no other starts, except the
// rest of a cycle begun through a temporary name (nothing stays under a hidden name). The
// renames not reached are taken out of the plan (and plan.order cleared): they are neither
// renamed nor refused, and the journal's record ends as stopped, with them among the steps not
// taken, so that undo takes back exactly what was done. The rules' refusals (plan.refused) are
// still returned: the planning ran to its end.
std::vector<RefusedRename> apply_plan(Plan &plan,
                                      const std::function<void(std::size_t done)> &progress = {},
                                      Journal *journal = nullptr, ApplyStop *stop = nullptr);

} // namespace tarvendi::core
