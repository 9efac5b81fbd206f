#pragma once
// The passes that read or write the ID3v1 tags of MP3 items, shared by the window and the command
// line. Each works through one Id3v1Tag, which holds the tag of the item in work (the window
// shows it as it goes).

#include "pass.h"
#include "rule_passes.h"

#include <functional>
#include <string>

namespace tarvendi::tags {
class Id3v1Tag;
}

namespace tarvendi::passes {

// Reads the tag of path into tags when it names an MP3 file; false, and nothing read, otherwise.
bool read_tag(tags::Id3v1Tag &tags, const std::string &path);

// Prepares tags for the file at path (from the root) whose item text is item; false skips it.
using WriteTag = std::function<bool(const std::string &path, const std::string &item)>;
// A pass that renames nothing: for every item, write prepares tags for it, the tag is saved and
// the item listed; a failed save is refused with the component's text.
core::PassDescription tag_writing(tags::Id3v1Tag &tags, const WriteTag &write);

// The fields a pass writes into every MP3 item; an empty one is left as it is.
struct TagFields {
    std::string title, artist, album, year, comment;
};
core::PassDescription set_tags(tags::Id3v1Tag &tags, TagFields fields);

// Page "MP3改名": the MP3 items renamed by a template of their title ("@") and artist ("$").
// prefer_id3v2: the title and artist come from the ID3v2 tag where it has them.
core::PassDescription tag_template(tags::Id3v1Tag &tags, std::string tmpl, Number start,
                                   bool prefer_id3v2);
// The tag commands of the menu "mp3", over every item: an MP3 item is named by its title (after
// its artist when with_artist) and its position in the list; the preview shows full paths.
core::PassDescription title_and_position(tags::Id3v1Tag &tags, bool with_artist, bool prefer_id3v2);
// "按唱片标题改名", over every item: an MP3 item takes its title as its name.
core::PassDescription tag_title(tags::Id3v1Tag &tags, bool prefer_id3v2);

} // namespace tarvendi::passes
