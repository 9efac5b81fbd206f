#include "pass_run.h"

#include "apply_along.h"
#include "change_journal.h"

#include <optional>

namespace tarvendi::core {

namespace {

PassRun run_applying_along(const PassDescription &description, const std::vector<PassItem> &items,
                           const PassContext &context, Plan &plan, Journal &journal) {
    ApplyAlong along(plan, journal);
    PassRun run;
    try {
        plan_pass(description, items, context, plan,
                  [&along](const std::vector<HandedRename> &batch) { along.take(batch); });
    } catch (...) {
        run.failure = std::current_exception();
    }
    run.refused = along.finish(plan, run.failure, context.while_renaming);
    return run;
}

} // namespace

PassRun run_pass(const PassDescription &description, const std::vector<PassItem> &items,
                 const PassContext &context, Plan &plan, Journal &journal,
                 const std::function<void(std::size_t)> &apply_progress) {
    if (context.execute && context.apply_while_planning && !context.order &&
        !description.writes_tags)
        return run_applying_along(description, items, context, plan, journal);
    std::optional<TagJournal> tags;
    if (description.writes_tags)
        tags.emplace(journal, items, context.folder);
    PassRun run;
    try {
        plan_pass(description, items, context, plan);
    } catch (...) {
        run.failure = std::current_exception();
    }
    if (tags)
        tags->finish(plan);
    run.refused = context.execute ? apply_plan(plan, apply_progress, &journal) : plan.refused;
    return run;
}

} // namespace tarvendi::core
