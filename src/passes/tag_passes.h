#pragma once
// The passes that read the tags of song items or write the ID3v1 tags of MP3 items, shared by
// the window and the command line. Each works through one Id3v1Tag, which holds the tag of the
// MP3 item in work (the window shows it as it goes); the other audio formats are read apart from
// it, and never written.

#include "pass.h"
#include "rule_passes.h"
#include "song_fields.h"

#include <functional>
#include <optional>
#include <string>

namespace tarvendi::tags {
class Id3v1Tag;
}

namespace tarvendi::passes {

// Where the renames by tag read a song's fields.
struct TagSources {
    bool prefer_id3v2 = false; // an MP3 file's fields from its ID3v2 tag where it has them
    bool all_audio = false;    // the other audio formats' items are read too (audio_tags.h)
};

// Reads the tag of path into tags when it names an MP3 file; false, and nothing read, otherwise.
bool read_tag(tags::Id3v1Tag &tags, const std::string &path);
// The fields of the song at path when sources take its name: an MP3 file's through tags (its
// ID3v1 tag, the ID3v2 tag first as sources say), another audio format's through TagLib when
// sources.all_audio. Nothing for every other name. Throws the platform's IoError of a file that
// cannot be read.
std::optional<tags::SongFields> read_song(tags::Id3v1Tag &tags, const std::string &path,
                                          TagSources sources);

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

// Page "MP3改名": the song items (MP3, and the other formats as sources say) renamed by a
// template of their title ("@") and artist ("$").
core::PassDescription tag_template(tags::Id3v1Tag &tags, std::string tmpl, Number start,
                                   TagSources sources);
// The tag commands of the menu "mp3", over every item: a song item is named by its title (after
// its artist when with_artist) and its position in the list; the preview shows full paths.
core::PassDescription title_and_position(tags::Id3v1Tag &tags, bool with_artist,
                                         TagSources sources);
// "按唱片标题改名", over every item: a song item takes its title as its name.
core::PassDescription tag_title(tags::Id3v1Tag &tags, TagSources sources);

} // namespace tarvendi::passes
