#pragma once
// The pass of a renaming subcommand, made by the same builders the window's pages use.

#include "command_line.h"
#include "pass.h"

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

} // namespace tarvendi::cli
