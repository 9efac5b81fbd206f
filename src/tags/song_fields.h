#pragma once
// The fields of a song as the program shows and uses them: from the ID3v1 tag, or, when the
// ID3v2 tag is preferred, from the ID3v2 tag wherever it has the field (read with TagLib; the
// program never writes ID3v2).

#include <string>
#include <string_view>

namespace TagLib::ID3v2 {
class Tag;
}

namespace tarvendi::tags {

class Id3v1Tag;

struct SongFields {
    std::string title, artist, album, year, comment; // GB18030
    // The track number as the tag writes it ("3", "3/12"); ID3v1 has none.
    std::string track;

    bool empty() const {
        return title.empty() && artist.empty() && album.empty() && year.empty() &&
               comment.empty() && track.empty();
    }
};

// The fields of the ID3v2 tag of path (GB18030); empty ones where it has none, all empty when
// the file has no readable ID3v2 tag or is no regular file.
SongFields id3v2_fields(std::string_view path);
// The fields of an ID3v2 tag that TagLib has read, from an MP3 file or from the ID3 chunk of a
// WAV or AIFF file. Latin-1 frames may hold GBK bytes (id3v2_text.h).
SongFields id3v2_tag_fields(const TagLib::ID3v2::Tag &tag);

// The fields of the song whose ID3v1 tag v1 has just read (from path), each taken from the
// ID3v2 tag instead where prefer_id3v2 and that tag has it. The track stays empty: an MP3 file's
// fields are those of its ID3v1 tag, which has none.
SongFields song_fields(const Id3v1Tag &v1, std::string_view path, bool prefer_id3v2);

} // namespace tarvendi::tags
