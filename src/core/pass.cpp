#include "pass.h"

#include "errors.h"
#include "filesystem.h"
#include "judge_beside.h"
#include "run_order.h"
#include "target_check.h"
#include "text.h"

#include <stdexcept>

namespace tarvendi::core {

namespace {

// From here on a second thread judges a preview while the rules plan: over the pages, it saves a
// preview of 100,000 files about a fifth of its time. Below a few thousand items, starting it
// costs more than it saves; an execute judges without listing, too little to share.
constexpr std::size_t kJudgeBesideFrom = 4096;

constexpr std::string_view kFolderChanged = "新名称改变了文件夹，不会移动文件";

// Where new_name goes: r's folder and name_start, or the reason it may not be renamed.
std::string_view place(const PassDescription &d, const std::string &name, std::string_view new_name,
                       PlannedRename &r) {
    switch (d.target) {
    case Target::CurrentFolder:
        return {};
    case Target::InFolder:
        r.folder = d.folder ? TargetFolder::Plan : TargetFolder::Source;
        return {};
    case Target::SameFolder:
        break;
    }
    // A name's folder is what comes before its last separator.
    const std::size_t start = rules::file_name_start(name);
    if (start <= 1)
        return {};
    const std::size_t new_start = rules::file_name_start(new_name);
    if (new_start != start ||
        new_name.substr(0, start - 1) != std::string_view(name).substr(0, start - 1))
        return kFolderChanged;
    r.folder = TargetFolder::Source;
    r.name_start = static_cast<std::uint32_t>(new_start);
    return {};
}

// The rules' part of a pass: one planned rename per item that gets a new name, handed over for
// judging as soon as it is made.
void plan_rules(const PassDescription &d, const std::vector<PassItem> &items,
                const PassContext &context, bool full, std::uint32_t &counter, Plan &plan,
                JudgeBeside &judge) {
    std::string source;
    std::string path; // the source from the root, for a rule that reads the file
    std::string name;
    for (std::size_t index = 0; index < items.size(); ++index) {
        const PassItem &item = items[index];
        if (context.progress)
            context.progress(index, items.size());
        if ((d.checked_only && !item.checked) || item.dot_entry)
            continue;
        PlannedRename r;
        r.item = static_cast<std::uint32_t>(index);
        plan.source_into(r, source);
        from_root_into(plan.here, source, path);
        if (d.trim)
            name.assign(rules::trimmed(item.name));
        else
            name.assign(item.name);
        if (d.file_name_part)
            name = rules::file_name_part(name);
        if (d.status_panel && context.status)
            context.status(name);

        std::optional<std::string> new_name;
        try {
            new_name = d.rule({name, path, static_cast<std::int32_t>(counter),
                               static_cast<int>(index), &r.reason});
        } catch (const ItemRefused &refusal) {
            plan.refused.push_back({source, name, refusal.reason, Verdict::Invalid,
                                    static_cast<std::uint32_t>(index)});
            continue;
        }
        if (!new_name)
            continue;
        ++counter;

        r.new_name = plan.texts.add(*new_name);
        r.new_length = static_cast<std::uint32_t>(new_name->size());
        r.full_shown = full;
        const std::string_view refusal = place(d, name, *new_name, r);
        if (!refusal.empty()) {
            r.verdict = Verdict::Invalid;
            r.reason = refusal;
        }
        plan.renames.push_back(r);
        if (refusal.empty())
            judge.add(plan.renames.back(), plan.target_name(r));
    }
}

} // namespace

void plan_pass(const PassDescription &d, const std::vector<PassItem> &items,
               const PassContext &context, Plan &plan) {
    // Wraps like the 32-bit counter of old: the number after 2147483647 is -2147483648.
    std::uint32_t counter = d.start_number ? static_cast<std::uint32_t>(d.start_number()) : 0;
    // Relative paths are resolved here, never against the process's current directory.
    if (!context.folder.starts_with(rules::kSeparator))
        throw std::invalid_argument("a pass needs its folder, from the root");
    plan.here = context.folder;
    // A preview tells which names are in use; an execute leaves that to the file system, which
    // has the last word anyway, and spares the listing.
    TargetCheck check(plan.here, !context.execute, items.size(),
                      [&plan](const PlannedRename &r) { return plan.source_parts(r); });
    plan.items = &items;
    plan.items_folder = context.entries ? context.folder : std::string_view();
    plan.folder = d.folder.value_or(std::string());
    // Room for every rename to come: the judging holds on to them while the rules add more.
    plan.renames.reserve(plan.renames.size() + items.size());
    const bool full = d.preview == PreviewShows::FullTarget ||
                      (d.preview == PreviewShows::FullTargetOnExecute && context.execute);

    // The verdicts are worked out in run order, also when a rule ends the pass, since an execute
    // applies what was planned up to there.
    JudgeBeside judge(
        plan,
        [&check](PlannedRename &r, TargetCheck::Source source, std::string_view folder,
                 std::string_view name) { check.judge(r, source, folder, name); },
        !context.execute && items.size() >= kJudgeBesideFrom);
    try {
        plan_rules(d, items, context, full, counter, plan, judge);
    } catch (...) {
        judge.finish();
        throw;
    }
    judge.finish();
    if (context.order)
        order_renames(plan);
}

} // namespace tarvendi::core
