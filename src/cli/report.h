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
    std::size_t written = 0; // tags written where the name stayed
};

struct ReportKind {
    bool json = false;
    bool executed = false;
    bool wrote_tags = false; // the pass writes tags: an item whose name stays was written
    bool stopped = false;    // the execute was stopped: the plan holds the renames it reached
};

// Prints the plan (after an execute, with what happened) and the rules' refusals; standard
// error ends with the counts, in the language spoken (language.h).
Outcome report(const core::Plan &plan, const std::vector<core::RefusedRename> &refused_by_rules,
               const ReportKind &kind, const std::string &folder);

// Said after the counts of an execute, or after the error that ended it, when it changed some
// things but not all it should have: how to take them back. Starts with its separator.
std::string undo_hint();

// A name or path for the terminal and JSON (UTF-8, escaped: escaped_text).
std::string shown(std::string_view gb18030);

// The same for a line of text output: quoted ("...", with \" and \\ inside) when it is empty,
// starts or ends with a blank, starts with a quote, holds an escape, an arrow, or one of the
// other separators of the lines ("  [", ": "); else as it stands. No two lines read alike.
std::string printed(std::string_view gb18030);

} // namespace tarvendi::cli
