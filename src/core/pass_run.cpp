#include "pass_run.h"

#include "apply.h"
#include "change_journal.h"

#include <optional>

namespace tarvendi::core {

PassRun run_pass(const PassDescription &description, const std::vector<PassItem> &items,
                 const PassContext &context, Plan &plan, Journal &journal,
                 const std::function<void(std::size_t)> &apply_progress, ApplyStop *stop) {
    std::optional<TagJournal> tags;
    if (description.writes_tags)
        tags.emplace(journal, items, context.entries ? context.folder : std::string_view(),
                     context.folder);
    PassRun run;
    try {
        plan_pass(description, items, context, plan);
    } catch (...) {
        run.failure = std::current_exception();
    }
    if (tags)
        tags->finish(plan);
    run.refused = context.execute ? apply_plan(plan, apply_progress, &journal, stop) : plan.refused;
    run.stopped = context.execute && stop && stop->stopped;
    return run;
}

} // namespace tarvendi::core
