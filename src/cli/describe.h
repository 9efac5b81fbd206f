#pragma once
// The pass of a renaming subcommand, and the readers of its arguments, each checked before
// anything happens.

#include "command_line.h"
#include "pass.h"
#include "rule_passes.h"

namespace tarvendi::tags {
class Id3v1Tag;
}

namespace tarvendi::cli {

// Throws platform::ConversionError for a number that is not a whole number, and UsageError for a
// missing or unreadable parameter. paths: the items are paths, each renamed where it is.
core::PassDescription describe(const CommandLine &line, tags::Id3v1Tag &tags, bool paths);

// An argument (UTF-8) as a GB18030 text.
std::string argument(const CommandLine &line, std::string_view name,
                     std::string_view fallback = {});
// The same, for an option the subcommand cannot do without: UsageError when it is missing.
std::string required(const CommandLine &line, std::string_view name);
// A whole number, with the window's message (platform::ConversionError) for a bad one.
passes::Number number(const CommandLine &line, std::string_view name, std::string_view fallback);
// The text of the name list --names names, as GB18030 lines.
std::string name_list(const CommandLine &line);

} // namespace tarvendi::cli
