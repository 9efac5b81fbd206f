// set_filename reads the record at the end of the file.

#include "errors.h"
#include "tag_test_support.h"

#include <filesystem>

namespace tags_test {
namespace {

const std::string kNoFile = "File doesn`t exist !";
const std::string kNoTag = "Wrong file format or no ID3 Tag !";

class ReadTagTest : public TagTest {
protected:
    // Reads and saves a tagged file whose values every later check can tell apart from a new
    // read; valid and saved are then true.
    void read_previous() {
        write_file("previous.mp3", audio(300) + record("Old title", "Old artist", "Old album",
                                                       "1970", "Old comment", 17));
        info_.set_filename(path("previous.mp3"));
        info_.save();
        ASSERT_TRUE(info_.valid());
        ASSERT_TRUE(info_.saved());
    }

    static std::string locked_file() {
        return audio(200) + record("Locked", "Singer", "", "", "", 8);
    }

    // Reading never needs write access: a read-only file's tag reads normally, and the read
    // leaves the file read-only.
    void expect_reads_locked_file(std::string_view name, unsigned expected_mode) {
        info_.set_filename(path(name));
        EXPECT_TRUE(info_.valid());
        EXPECT_EQ(info_.title(), "Locked");
        EXPECT_EQ(info_.artist(), "Singer");
        EXPECT_EQ(mode(name), expected_mode);
    }

    // When the file system fails, the error reaches the caller with the file closed; valid and
    // saved are false and every value of the previous file stays.
    void expect_read_failure(const std::string &filename) {
        read_previous();
        const int descriptors = open_descriptors();

        EXPECT_THROW(info_.set_filename(filename), tarvendi::platform::IoError);

        EXPECT_EQ(open_descriptors(), descriptors);
        EXPECT_FALSE(info_.valid());
        EXPECT_FALSE(info_.saved());
        EXPECT_EQ(info_.title(), "Old title");
        EXPECT_EQ(info_.comment(), "Old comment");
        EXPECT_EQ(info_.genre_id(), 17);
        EXPECT_EQ(info_.genre(), "Rock");
        EXPECT_EQ(info_.error(), "");
    }
};

TEST_F(ReadTagTest, ReadsTheFields) {
    const std::string gbk_title = gb("月亮代表我的心");
    const std::string gbk_artist = gb("邓丽君");
    struct Case {
        const char *what;
        std::string file;
        std::string title, artist, album, year, comment;
        std::uint8_t genre_id;
        std::string genre;
    };
    const Case cases[] = {
        {"space padding", audio(1000) + record("Song", "Singer", "Album", "1999", "Fine", 17),
         "Song", "Singer", "Album", "1999", "Fine", 17, "Rock"},
        {"zero padding ends only its own field",
         audio(1000) + record("Song", "Singer", "Album", "99", "Fine", 0, '\0'), "Song", "Singer",
         "Album", "99", "Fine", 0, "Blues"},
        {"bytes after a zero are not read",
         audio(10) + record(std::string("Song\0junk", 9), "", "", "", "", 1), "Song", "", "", "",
         "", 1, "Classic Rock"},
        {"only trailing spaces go", audio(10) + record("  \tSong \t  ", " ", "", "    ", "", 2),
         "  \tSong \t", "", "", "", "", 2, "Country"},
        {"comment ends at a zero before a track number",
         audio(10) + record("", "", "", "", field("Live", 29, '\0') + "\x07", 3), "", "", "", "",
         "Live", 3, "Dance"},
        {"fields filled to the last byte",
         audio(10) + record(std::string(30, 'T'), std::string(30, 'A'), std::string(30, 'L'),
                            "2024", std::string(30, 'C'), 80),
         std::string(30, 'T'), std::string(30, 'A'), std::string(30, 'L'), "2024",
         std::string(30, 'C'), 80, "Folk"},
        {"GBK text", audio(10) + record(gbk_title, gbk_artist, "", "", "", 84), gbk_title,
         gbk_artist, "", "", "", 84, "Bebob"},
        {"genre 114", audio(10) + record("", "", "", "", "", 114), "", "", "", "", "", 114,
         "Folklore"},
        {"genre 115", audio(10) + record("", "", "", "", "", 115), "", "", "", "", "", 12, "Other"},
        {"genre 200", audio(10) + record("", "", "", "", "", 200), "", "", "", "", "", 12, "Other"},
        {"genre 255", audio(10) + record("", "", "", "", "", 255), "", "", "", "", "", 12, "Other"},
        {"the file is the record alone", record("Solo", "", "", "", "", 13), "Solo", "", "", "", "",
         13, "Pop"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        read_previous();
        write_file("song.mp3", c.file);
        take_events();

        info_.set_filename(path("song.mp3"));

        EXPECT_TRUE(info_.valid());
        EXPECT_FALSE(info_.saved());
        EXPECT_EQ(info_.filename(), path("song.mp3"));
        EXPECT_EQ(info_.title(), c.title);
        EXPECT_EQ(info_.artist(), c.artist);
        EXPECT_EQ(info_.album(), c.album);
        EXPECT_EQ(info_.year(), c.year);
        EXPECT_EQ(info_.comment(), c.comment);
        EXPECT_EQ(info_.genre_id(), c.genre_id);
        EXPECT_EQ(info_.genre(), c.genre);
        EXPECT_EQ(take_events(), (EventCounts{1, 0, 0}));
        EXPECT_EQ(read_file("song.mp3"), c.file);
    }
}

// No record: the texts empty, genre_id 12, genre kept from before. A file too short to hold a
// record simply has none.
TEST_F(ReadTagTest, FileWithoutRecord) {
    const struct {
        const char *what;
        std::string file;
    } cases[] = {
        {"lower-case marker", audio(500) + record("Song", "Singer", "", "", "", 1, ' ', "tag")},
        {"mixed-case marker", audio(500) + record("Song", "Singer", "", "", "", 1, ' ', "TAg")},
        {"record not at the very end", audio(500) + record("Song", "", "", "", "", 1) + "x"},
        {"no record at all", audio(4096)},
        {"empty file", ""},
        {"one byte", "T"},
        {"127 bytes beginning with TAG", "TAG" + field("Song", 124)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        read_previous();
        write_file("song.mp3", c.file);
        take_events();

        info_.set_filename(path("song.mp3"));

        EXPECT_FALSE(info_.valid());
        EXPECT_FALSE(info_.saved());
        EXPECT_EQ(info_.title(), "");
        EXPECT_EQ(info_.artist(), "");
        EXPECT_EQ(info_.album(), "");
        EXPECT_EQ(info_.year(), "");
        EXPECT_EQ(info_.comment(), "");
        EXPECT_EQ(info_.genre_id(), 12);
        EXPECT_EQ(info_.genre(), "Rock");
        EXPECT_EQ(info_.error(), kNoTag);
        EXPECT_EQ(take_events(), (EventCounts{0, 0, 1}));
        EXPECT_EQ(read_file("song.mp3"), c.file);
    }
}

// Nothing to read: every value of the previous file stays.
TEST_F(ReadTagTest, NoSuchFile) {
    std::filesystem::create_directory(path("folder.mp3"));
    const struct {
        const char *what;
        std::string filename;
    } cases[] = {
        {"missing file", path("missing.mp3")},
        {"a folder", path("folder.mp3")},
        {"a file name followed by a slash", path("previous.mp3/")},
        {"empty name", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        read_previous();
        take_events();

        info_.set_filename(c.filename);

        EXPECT_FALSE(info_.valid());
        EXPECT_FALSE(info_.saved());
        EXPECT_EQ(info_.filename(), c.filename);
        EXPECT_EQ(info_.title(), "Old title");
        EXPECT_EQ(info_.artist(), "Old artist");
        EXPECT_EQ(info_.album(), "Old album");
        EXPECT_EQ(info_.year(), "1970");
        EXPECT_EQ(info_.comment(), "Old comment");
        EXPECT_EQ(info_.genre_id(), 17);
        EXPECT_EQ(info_.genre(), "Rock");
        EXPECT_EQ(info_.error(), kNoFile);
        EXPECT_EQ(take_events(), (EventCounts{0, 0, 1}));
    }
}

// A later successful read keeps the last reported text.
TEST_F(ReadTagTest, ErrorIsNeverCleared) {
    info_.set_filename(path("missing.mp3"));
    ASSERT_EQ(info_.error(), kNoFile);
    read_previous();
    EXPECT_EQ(info_.error(), kNoFile);
}

// The name goes to the file system as given: relative to the current directory, or a GB18030
// path whose characters are not ASCII. Assigning the same name again reads again.
TEST_F(ReadTagTest, NamesAsGiven) {
    const std::string utf8_name = "歌曲 一.mp3";
    const struct CurrentFolder {
        std::filesystem::path back = std::filesystem::current_path();
        explicit CurrentFolder(const std::string &folder) { std::filesystem::current_path(folder); }
        ~CurrentFolder() { std::filesystem::current_path(back); }
    } current(folder_.path());
    const struct {
        const char *what;
        std::string disk_name;
        std::string filename;
    } cases[] = {
        {"relative name", "song.mp3", "song.mp3"},
        {"relative with a folder part", "song.mp3", "./sub/../song.mp3"},
        {"Chinese name", utf8_name, folder_.path() + "/" + gb(utf8_name)},
    };
    std::filesystem::create_directory(path("sub"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        write_file(c.disk_name, audio(100) + record(c.what, "", "", "", "", 0));
        for (int round = 1; round <= 2; ++round) {
            info_.set_filename(c.filename);
            EXPECT_TRUE(info_.valid()) << round;
            EXPECT_EQ(info_.title(), c.what) << round;
        }
        EXPECT_EQ(take_events(), (EventCounts{2, 0, 0}));
    }
}

TEST_F(ReadTagTest, ReadOnlyFile) {
    for (const unsigned mode : {0444u, 0400u, 0404u}) {
        SCOPED_TRACE(mode);
        write_file("locked.mp3", locked_file());
        set_mode("locked.mp3", mode);
        expect_reads_locked_file("locked.mp3", mode);
        EXPECT_EQ(take_events(), (EventCounts{1, 0, 0}));
        set_mode("locked.mp3", 0644);
    }
}

// Even root cannot open an immutable file for writing, so this holds the read to read-only
// access whoever runs the tests.
TEST_F(ReadTagTest, ImmutableFile) {
    write_file("locked.mp3", locked_file());
    if (!make_immutable("locked.mp3"))
        GTEST_SKIP() << "setting the immutable attribute needs root and a file system with it";
    expect_reads_locked_file("locked.mp3", 0644);
    EXPECT_EQ(take_events(), (EventCounts{1, 0, 0}));
}

TEST_F(ReadTagTest, UnreadableFile) {
    if (running_as_root())
        GTEST_SKIP() << "root reads a file without read permission";
    write_file("unreadable.mp3", locked_file());
    set_mode("unreadable.mp3", 0);
    expect_read_failure(path("unreadable.mp3"));
    EXPECT_EQ(take_events(), (EventCounts{1, 0, 0})); // the previous file's read only
}

// A sysfs attribute reports a size of a page but holds far less, so reading its "last 128
// bytes" comes up short.
TEST_F(ReadTagTest, ShortRead) {
    const char *attribute = "/sys/kernel/mm/transparent_hugepage/enabled";
    if (!std::filesystem::exists(attribute))
        GTEST_SKIP() << attribute << " is not here";
    expect_read_failure(attribute);
    EXPECT_EQ(take_events(), (EventCounts{1, 0, 0}));
}

} // namespace
} // namespace tags_test
