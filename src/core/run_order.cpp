#include "run_order.h"

#include "filesystem.h"

#include <unistd.h>
#include <unordered_map>

namespace tarvendi::core {

namespace {

constexpr std::uint32_t kNone = UINT32_MAX;

bool moves(const PlannedRename &r) {
    return r.verdict == Verdict::Rename || r.verdict == Verdict::Exists;
}

} // namespace

std::string temporary_name(std::size_t index) {
    return ".tarvendi-" + std::to_string(::getpid()) + "-" + std::to_string(index);
}

bool is_temporary_name(std::string_view path) {
    constexpr std::string_view kLead = ".tarvendi-";
    const std::string_view name = path.substr(path.rfind('/') + 1);
    if (!name.starts_with(kLead))
        return false;
    const std::string_view rest = name.substr(kLead.size());
    const std::size_t dash = rest.find('-');
    const auto digits = [](std::string_view s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return dash != std::string_view::npos && digits(rest.substr(0, dash)) &&
           digits(rest.substr(dash + 1));
}

void order_renames(Plan &plan) {
    const std::size_t count = plan.renames.size();
    // Who holds each path as its source, among the renames that move.
    std::unordered_map<std::string, std::uint32_t> source_of;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (moves(plan.renames[i]))
            source_of.emplace(platform::absolute_path(plan.source(plan.renames[i])), i);
    }
    // waits_for[i]: the rename whose source is i's target.
    std::vector<std::uint32_t> waits_for(count, kNone);
    for (std::uint32_t i = 0; i < count; ++i) {
        const PlannedRename &r = plan.renames[i];
        if (!moves(r))
            continue;
        const std::string target = platform::absolute_path(plan.target(r));
        if (const auto at = source_of.find(target); at != source_of.end() && at->second != i)
            waits_for[i] = at->second;
    }

    // Who waits for each rename: with distinct targets at most one. (An execute does not know
    // duplicates; a second rename to the same target is run after the others and refused.)
    std::vector<std::uint32_t> waited_by(count, kNone);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (waits_for[i] != kNone && waited_by[waits_for[i]] == kNone)
            waited_by[waits_for[i]] = i;
    }
    std::vector<bool> placed(count);
    const auto place = [&](std::uint32_t i) {
        plan.order.push_back(i);
        placed[i] = true;
    };
    const auto free_name = [&](std::uint32_t i) {
        PlannedRename &r = plan.renames[i];
        if (r.verdict == Verdict::Exists) {
            r.verdict = Verdict::Rename;
            r.reason = {};
        }
    };
    plan.order.clear();
    plan.order.reserve(count + 16);

    // Chains run from their end. One that ends in a name held by something that stays keeps
    // the verdicts of the list order.
    for (std::uint32_t end = 0; end < count; ++end) {
        if (!moves(plan.renames[end]) || waits_for[end] != kNone)
            continue;
        const bool blocked = plan.renames[end].verdict == Verdict::Exists;
        for (std::uint32_t at = end; at != kNone; at = waited_by[at]) {
            if (!blocked)
                free_name(at);
            place(at);
        }
    }
    // What is left moves round in cycles, or takes a target another rename takes too.
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!moves(plan.renames[i]) || placed[i])
            continue;
        // On a cycle, following the renames that wait comes back to i.
        std::uint32_t at = waited_by[i];
        for (std::size_t steps = 0; at != kNone && at != i && !placed[at] && steps < count; ++steps)
            at = waited_by[at];
        if (at != i) {
            place(i);
            continue;
        }
        plan.renames[i].via_temporary = true;
        place(i);
        for (at = waited_by[i]; at != i; at = waited_by[at]) {
            free_name(at);
            place(at);
        }
        free_name(i);
        plan.order.push_back(i);
    }
}

} // namespace tarvendi::core
