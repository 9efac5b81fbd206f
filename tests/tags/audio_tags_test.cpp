// The tags of the other audio formats through TagLib, from files encoded and tagged by
// independent tools (flac, oggenc, opusenc, ffmpeg, mutagen; see data/README), and which names
// count as songs.

#include "audio_tags.h"
#include "display_text.h"
#include "errors.h"
#include "tag_template.h"
#include "temp_folder.h"
#include "unprivileged.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

using namespace tarvendi;

namespace {

std::string fixture(const char *name) {
    return std::string(TAGS_DATA_DIR) + "/" + name;
}

std::string utf8(const std::string &gb18030) {
    return platform::display_text(gb18030);
}

TEST(AudioFields, EachFormatMapsItsOwnFields) {
    const struct {
        const char *file;
        const char *title, *artist, *album, *year, *comment, *track; // UTF-8
    } cases[] = {
        {"audio.flac", "晴天", "周杰伦", "叶惠美", "2003-07-31", "雨下整夜", "3"},
        {"audio.ogg", "七里香", "周杰伦", "七里香", "2004", "窗外的麻雀", "1"},
        {"audio.opus", "稻香", "周杰伦", "魔杰座", "2008", "还记得你说家是唯一的城堡", "7"},
        {"opus_stream.ogg", "告白气球", "周杰伦", "", "", "", ""},
        {"audio.m4a", "夜曲", "周杰伦", "Zoë 十一月的萧邦", "2005", "为你弹奏萧邦的夜曲", "1/12"},
        {"audio.wma", "青花瓷", "周杰伦", "我很忙", "2007", "天青色等烟雨", "2"},
        {"audio.ape", "简单爱", "周杰伦", "范特西", "2001", "说不上为什么", "5"},
        {"audio.wv", "双截棍", "周杰伦", "范特西", "2001", "快使用双截棍", "6"},
        {"audio.wav", "东风破", "周杰伦", "叶惠美", "2003", "一盏离愁", "4"},
        {"audio.aiff", "龙卷风", "周杰伦", "周杰伦同名专辑", "2000", "一盏离愁", "4"},
        {"untagged.flac", "", "", "", "", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const tags::SongFields song = tags::audio_fields(fixture(c.file));
        EXPECT_EQ(utf8(song.title), c.title);
        EXPECT_EQ(utf8(song.artist), c.artist);
        EXPECT_EQ(utf8(song.album), c.album);
        EXPECT_EQ(utf8(song.year), c.year);
        EXPECT_EQ(utf8(song.comment), c.comment);
        EXPECT_EQ(utf8(song.track), c.track);
    }
    // GB18030 bytes, not UTF-8: 晴天 is C7E7 CCEC, and ë (no GBK form) takes four bytes.
    EXPECT_EQ(tags::audio_fields(fixture("audio.flac")).title, "\xC7\xE7\xCC\xEC");
    EXPECT_EQ(tags::audio_fields(fixture("audio.m4a")).album.substr(0, 6), "Zo\x81\x30\x8A\x35");
}

TEST(AudioFields, NoTagWithoutAFileOfTheFormat) {
    tarvendi::testing::TempFolder dir;
    ::chmod(dir.path().c_str(), 0755);
    dir.file("text.flac", "not a FLAC stream at all");
    dir.folder("album.flac");
    ASSERT_EQ(::mkfifo((dir / "pipe.flac").c_str(), 0644), 0);
    std::filesystem::copy_file(fixture("audio.flac"), dir / "copy.txt");
    for (const std::string &path : std::initializer_list<std::string>{
             dir / "text.flac", dir / "album.flac", dir / "pipe.flac", dir / "missing.flac",
             dir / "copy.txt"}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(tags::audio_fields(path).empty()); // the FIFO returns at once
    }
    // A file that is there but cannot be read is an error, as an MP3 file's would be.
    std::filesystem::copy_file(fixture("audio.flac"), dir / "locked.flac");
    dir.set_mode("locked.flac", 0);
    tarvendi::testing::Unprivileged user;
    ASSERT_EQ(user.error(), "");
    EXPECT_THROW(tags::audio_fields(dir / "locked.flac"), platform::IoError);
}

TEST(AudioNames, EveryFormatReadIsASongNameInAnyCase) {
    const std::pair<const char *, bool> cases[] = {
        {"a.flac", true},     {"A.FLAC", true},      {"b.ogg", true},  {"b.oga", true},
        {"c.Opus", true},     {"d.m4a", true},       {"d.m4b", true},  {"d.mp4", true},
        {"e.wma", true},      {"e.asf", true},       {"f.ape", true},  {"g.wv", true},
        {"h.wav", true},      {"i.aif", true},       {"i.AIFF", true}, {"i.aifc", true},
        {"x.mp3", true},      {"x.flac.txt", false}, {"flac", false},  {"x.aac", false},
        {"dir.wav/x", false}, {"x.wav ", false},     {"x.mid", false}, {"x.m4v", false},
    };
    for (const auto &[name, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(rules::is_audio_name(name), expected);
        // The reader takes exactly the song names that are not MP3.
        EXPECT_EQ(tags::is_other_audio_name(name), expected && !rules::is_mp3_name(name));
    }
}

} // namespace
