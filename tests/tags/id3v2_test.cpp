// Reading ID3v2 tags through TagLib, from files tagged by independent tools (mutagen, id3v2,
// eyeD3; see data/README), and the rule that reads GBK bytes in Latin-1 frames as GB18030.

#include "display_text.h"
#include "id3v1_tag.h"
#include "id3v2_text.h"
#include "song_fields.h"

#include <gtest/gtest.h>
#include <string>

using namespace tarvendi;

namespace {

std::string utf8(const std::string &gb18030) {
    return platform::display_text(gb18030);
}

TEST(Latin1Frame, GbkBytesAreReadAsGb18030UnlessPlausibleLatin1) {
    const struct {
        const char *bytes;
        const char *shown; // UTF-8
    } cases[] = {
        {"Plain", "Plain"},
        {"Caf\xe9 del Mar", "Café del Mar"}, // one accented letter
        {"Gr\xfc\xdf"
         "e",
         "Grüße"},                                      // two letters inside a word
        {"\xc7\xe7\xcc\xec", "晴天"},                   // GBK alone
        {"\xd6\xdc\xbd\xdc\xc2\xd7", "周杰伦"},         // GBK, three characters
        {"Jay \xd6\xdc\xbd\xdc\xc2\xd7", "Jay 周杰伦"}, // GBK beside ASCII
        {"AB\xb0\xae"
         "CD",
         "AB爱CD"},              // a pair that is no Latin letters
        {"\x81", "\xc2\x81"},    // not GB18030: Latin-1
        {"\xe9\xe9\xe9", "ééé"}, // valid GB18030? no: Latin-1
    };
    for (const auto &c : cases)
        EXPECT_EQ(utf8(tags::latin1_frame_text(c.bytes)), c.shown) << c.bytes;
}

std::string fixture(const char *name) {
    return std::string(TAGS_DATA_DIR) + "/" + name;
}

TEST(SongFields, Id3v2WhereItHasTheFieldId3v1Otherwise) {
    const struct {
        const char *file;
        const char *title, *artist, *album, *year, *comment; // UTF-8, ID3v2 preferred
        const char *v1_title;                                // with the option off
    } cases[] = {
        {"v23_utf16.mp3", "七里香", "周杰伦", "Ålbum", "2004", "评论", ""},
        {"v24_utf8.mp3", "晴天", "Zoë", "", "2003", "", ""},
        {"latin1_gbk.mp3", "晴天", "周杰伦", "", "", "", ""},
        {"latin1_accents.mp3", "Café del Mar", "Motörhead", "", "", "", ""},
        {"both.mp3", "V2 Title", "V1 Artist", "V1 Album", "", "", "V1 Title"},
        {"broken.mp3", "Only V1", "", "", "1999", "", "Only V1"},
    };
    tags::Id3v1Tag v1;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = fixture(c.file);
        v1.set_filename(path);
        const tags::SongFields song = tags::song_fields(v1, path, true);
        EXPECT_EQ(utf8(song.title), c.title);
        EXPECT_EQ(utf8(song.artist), c.artist);
        EXPECT_EQ(utf8(song.album), c.album);
        EXPECT_EQ(utf8(song.year), c.year);
        EXPECT_EQ(utf8(song.comment), c.comment);
        EXPECT_EQ(utf8(tags::song_fields(v1, path, false).title), c.v1_title);
    }
    // No file, a folder: nothing from ID3v2, and no crash.
    EXPECT_EQ(tags::id3v2_fields(fixture("missing.mp3")).title, "");
    EXPECT_EQ(tags::id3v2_fields(TAGS_DATA_DIR).title, "");
}

} // namespace
