#pragma once
// The tag subcommands that rename nothing: showing the tags, and the dry run of writing them.

#include "command_line.h"
#include "items.h"
#include "tag_passes.h"

namespace tarvendi::cli {

// The reason a tag subcommand gives for an item that is no regular file (a FIFO, socket or
// device named like a song): it is told for itself, and the others go on. An engine text.
std::string not_regular_reason();

// Where the tag subcommands read a song's fields: --id3v2 and --all-audio.
passes::TagSources tag_sources(const CommandLine &line);

// Prints the tag of every song item: an MP3 item's ID3v1 tag (its ID3v2 tag first with
// sources.prefer_id3v2), and with sources.all_audio the tags of the other audio formats, with
// their track number; returns the exit status.
int show_tags(const Items &items, passes::TagSources sources, bool json);
// Prints the fields tag-set would write into every MP3 item, writing nothing.
int show_tag_changes(const Items &items, const CommandLine &line, bool json);

} // namespace tarvendi::cli
