#pragma once
// The tag subcommands that rename nothing: showing the tags, and the dry run of writing them.

#include "command_line.h"
#include "items.h"

namespace tarvendi::cli {

// The reason a tag subcommand gives for an item that is no regular file (a FIFO, socket or
// device named like a song): it is told for itself, and the others go on. An engine text.
std::string not_regular_reason();

// Prints the ID3v1 tag of every MP3 item; returns the exit status.
int show_tags(const Items &items, bool prefer_id3v2, bool json);
// Prints the fields tag-set would write into every MP3 item, writing nothing.
int show_tag_changes(const Items &items, const CommandLine &line, bool json);

} // namespace tarvendi::cli
