// save writes the values as the record at the end of the file.

#include "errors.h"
#include "tag_test_support.h"

#include <filesystem>
#include <functional>

namespace tags_test {
namespace {

class SaveTest : public TagTest {
protected:
    // Reads song.mp3 (holding content) and saves it unchanged, so valid and saved are true.
    void read_and_save(const std::string &content) {
        write_file("song.mp3", content);
        info_.set_filename(path("song.mp3"));
        info_.save();
        ASSERT_TRUE(info_.saved());
        ASSERT_TRUE(info_.valid());
    }

    // A failure of the file system reaches the caller with the file closed and saved false.
    void expect_save_failure(bool expected_valid) {
        const std::string error = info_.error();
        take_events();
        const int descriptors = open_descriptors();

        EXPECT_THROW(info_.save(), tarvendi::platform::IoError);

        EXPECT_EQ(open_descriptors(), descriptors);
        EXPECT_FALSE(info_.saved());
        EXPECT_EQ(info_.valid(), expected_valid);
        EXPECT_EQ(info_.error(), error);
        EXPECT_EQ(take_events(), (EventCounts{0, 0, 0}));
    }
};

// Over the last 128 bytes when the last read found a record, appended otherwise; a second save
// then replaces the record that the first one wrote.
TEST_F(SaveTest, WritesTheRecord) {
    const std::string artist = gb("歌手");
    const std::string album(30, 'B');
    const struct {
        const char *what;
        std::string original;
        bool appends;
    } cases[] = {
        {"untagged file", audio(1000), true},
        {"tagged file", audio(1000) + record("Old", "Old", "Old", "1970", "Old", 1), false},
        {"lower-case marker", audio(300) + record("Old", "", "", "", "", 1, ' ', "tag"), true},
        {"empty file", "", true},
        {"file shorter than a record", audio(50), true},
        {"127 bytes beginning with TAG", "TAG" + field("", 124), true},
        {"the file is the record alone", record("Old", "", "", "", "", 1, '\0'), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        write_file("song.mp3", c.original);
        info_.set_filename(path("song.mp3"));
        const std::string error = info_.error();
        const std::string kept =
            c.original.substr(0, c.appends ? std::string::npos : c.original.size() - 128);
        info_.set_title("New title");
        info_.set_artist(artist);
        info_.set_album(album);
        info_.set_year("2024");
        info_.set_comment("Comment");
        info_.set_genre_id(114);
        take_events();

        info_.save();

        EXPECT_EQ(read_file("song.mp3"),
                  kept + record("New title", artist, album, "2024", "Comment", 114));
        EXPECT_TRUE(info_.valid());
        EXPECT_TRUE(info_.saved());
        EXPECT_EQ(info_.error(), error);
        EXPECT_EQ(take_events(), (EventCounts{0, 0, 0}));

        info_.set_title("Second");
        info_.set_genre_id(0);
        info_.save();

        EXPECT_EQ(read_file("song.mp3"),
                  kept + record("Second", artist, album, "2024", "Comment", 0));
        EXPECT_TRUE(info_.valid());
        EXPECT_TRUE(info_.saved());
    }
}

// The comment owns all 30 bytes: a track number behind a zero byte is not kept.
// A genre byte past the table reads as 12 ("Other") but is written back as it was read, unless
// genre_id is set after the read; a file without a record gets 12.
TEST_F(SaveTest, KeepsTheGenreByteNotSetSinceTheRead) {
    const struct {
        int on_disk; // -1: no record
        int set;     // -1: genre_id not set
        unsigned char written;
    } cases[] = {{255, -1, 255}, {130, -1, 130}, {115, -1, 115}, {7, -1, 7},
                 {255, 7, 7},    {255, 200, 12}, {-1, -1, 12}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.on_disk) + " / " + std::to_string(c.set));
        write_file("song.mp3",
                   audio(50) + (c.on_disk < 0 ? std::string()
                                              : record("Old", "", "", "", "",
                                                       static_cast<unsigned char>(c.on_disk))));
        info_.set_filename(path("song.mp3"));
        if (c.on_disk >= 0) {
            EXPECT_EQ(info_.genre_id(), c.on_disk <= 114 ? c.on_disk : 12);
        }
        if (c.set >= 0)
            info_.set_genre_id(static_cast<std::uint8_t>(c.set));
        info_.set_title("New");
        info_.save();
        EXPECT_EQ(read_file("song.mp3"), audio(50) + record("New", "", "", "", "", c.written));
    }
}

TEST_F(SaveTest, CommentOverwritesTrackNumber) {
    const std::string with_track = record("T", "A", "", "", field("Live", 29, '\0') + "\x07", 3);
    read_and_save(audio(10) + with_track);
    EXPECT_EQ(read_file("song.mp3"), audio(10) + record("T", "A", "", "", "Live", 3));
}

// The file is gone (or is a folder now): nothing is created and valid becomes false.
TEST_F(SaveTest, NoFile) {
    const struct {
        const char *what;
        std::function<void()> prepare;
    } cases[] = {
        {"file deleted after it was read",
         [this] {
             std::filesystem::remove(path("song.mp3"));
         }},
        {"file replaced by a folder",
         [this] {
             std::filesystem::remove(path("song.mp3"));
             std::filesystem::create_directory(path("song.mp3"));
         }},
        {"a folder given as Filename",
         [this] {
             std::filesystem::create_directory(path("folder.mp3"));
             info_.set_filename(path("folder.mp3"));
         }},
        {"a name that never existed",
         [this] {
             info_.set_filename(path("never.mp3"));
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(folder_.path());
        std::filesystem::create_directory(folder_.path());
        read_and_save(audio(100));
        c.prepare();
        take_events();

        info_.save();

        EXPECT_FALSE(info_.valid());
        EXPECT_FALSE(info_.saved());
        EXPECT_EQ(info_.error(), "File doesn`t exist or is not valid !");
        EXPECT_EQ(take_events(), (EventCounts{0, 0, 1}));
        EXPECT_FALSE(std::filesystem::is_regular_file(info_.filename()));
    }
}

// save trusts valid: a tagged file cut short behind the tag's back cannot be positioned
// 128 bytes before its end.
TEST_F(SaveTest, FileShrankAfterRead) {
    read_and_save(audio(10) + record("Song", "", "", "", "", 1));
    std::filesystem::resize_file(path("song.mp3"), 100);
    const std::string shrunk = read_file("song.mp3");
    expect_save_failure(true);
    EXPECT_EQ(read_file("song.mp3"), shrunk);
}

TEST_F(SaveTest, DeviceFull) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    info_.set_filename("/dev/full");
    ASSERT_FALSE(info_.valid());
    expect_save_failure(false);
}

TEST_F(SaveTest, ImmutableFile) {
    const std::string content = audio(10) + record("Song", "", "", "", "", 1);
    read_and_save(content);
    if (!make_immutable("song.mp3"))
        GTEST_SKIP() << "setting the immutable attribute needs root and a file system with it";
    info_.set_title("Changed");
    expect_save_failure(true);
    EXPECT_EQ(read_file("song.mp3"), content);
}

} // namespace
} // namespace tags_test
