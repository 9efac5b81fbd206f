#pragma once
// What a run tells: one line per item ("old → new", with the verdict where it is not a rename),
// or one JSON document; the refusals also on standard error.

#include "plan.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvendi::cli {

struct Outcome {
    std::size_t renamed = 0; // for a dry run: would be
    std::size_t refused = 0;
};

// The lines of a report made while the renames of its plan are still being made, on a core the
// renames leave idle: when no verdict changed meanwhile they are the report as it is.
class EarlyLines {
public:
    // The lines of plan as its verdicts stand now.
    void make(const core::Plan &plan, const std::vector<core::RefusedRename> &refused_by_rules);
    // The lines, when plan's verdicts are still those they were made from; else null.
    const std::string *still_valid(const core::Plan &plan) const;

private:
    std::string lines_;
    std::vector<std::pair<core::Verdict, std::string_view>> verdicts_;
    bool made_ = false;
};

// Prints the plan (after an execute, with what happened) and the rules' refusals; early (may be
// null) holds its lines made ahead.
Outcome report(const core::Plan &plan, const std::vector<core::RefusedRename> &refused_by_rules,
               bool json, const std::string &folder, const EarlyLines *early = nullptr);

// A name or path for the terminal (UTF-8).
std::string shown(std::string_view gb18030);

} // namespace tarvendi::cli
