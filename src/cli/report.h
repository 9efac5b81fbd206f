#pragma once
// What a run tells: one line per item ("old → new", with the verdict where it is not a rename),
// or one JSON document; the refusals also on standard error.

#include "plan.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::cli {

struct Outcome {
    std::size_t renamed = 0; // for a dry run: would be
    std::size_t refused = 0;
};

// Prints the plan (after an execute, with what happened) and the rules' refusals; standard
// error ends with the counts, in the language spoken (language.h).
Outcome report(const core::Plan &plan, const std::vector<core::RefusedRename> &refused_by_rules,
               bool json, bool executed, const std::string &folder);

// A name or path for the terminal (UTF-8).
std::string shown(std::string_view gb18030);

} // namespace tarvendi::cli
