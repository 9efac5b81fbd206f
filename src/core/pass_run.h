#pragma once
// One pass as a front end runs it: plan, and for an execute apply the plan with its journal. A
// pass that writes tags writes them while planning (it has no separate execute), after their old
// values are journaled; a journal that cannot be written stops it before any change.

#include "apply.h"
#include "journal.h"
#include "pass.h"
#include "plan.h"

#include <exception>
#include <functional>
#include <vector>

namespace tarvendi::core {

struct PassRun {
    // What ended the planning early (a rule's error); what was planned before it still ran.
    std::exception_ptr failure;
    // In the order the report lists them: the rules' refusals, then the renames refused.
    std::vector<RefusedRename> refused;
    // The apply was stopped before its end (apply_plan).
    bool stopped = false;
};

// Plans description over items into plan (which refers to items afterwards) and, when
// context.execute, applies it; apply_progress hears each planned rename applied, and stop (may
// be null) stops the apply between two renames. The planning runs to its end: a stop asked
// meanwhile ends the apply before its first rename.
PassRun run_pass(const PassDescription &description, const std::vector<PassItem> &items,
                 const PassContext &context, Plan &plan, Journal &journal,
                 const std::function<void(std::size_t)> &apply_progress = {},
                 ApplyStop *stop = nullptr);

} // namespace tarvendi::core
