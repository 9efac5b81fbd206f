#pragma once
// Applying a plan: its renames, in run order, each through the platform's no-overwrite rename,
// which has the last word since the disk can change between plan and apply. Both front ends
// execute through here.

#include "plan.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace tarvendi::core {

class Journal;

// Applies the plan in order and returns every refusal in run order: the items refused by their
// rule, then each planned rename that is invalid (never tried) or that the file system refused.
// A rename whose target was in use when planned is still tried: the disk may have changed since,
// and the file system's no-overwrite rename has the last word and the reason the report gives.
// The verdicts become what happened: a refused rename turns "exists" (its target was taken) or
// "invalid". progress (may be empty) hears the index of each planned rename.
// With a journal, the renames to try are written down and flushed before the first, and which
// failed after the last (journal.h); a journal that cannot be written throws JournalError
// before anything is renamed.
std::vector<RefusedRename> apply_plan(Plan &plan,
                                      const std::function<void(std::size_t done)> &progress = {},
                                      Journal *journal = nullptr);

} // namespace tarvendi::core
