// remove_id3 cuts the record off the end of the file.

#include "errors.h"
#include "tag_test_support.h"

#include <filesystem>
#include <functional>

namespace tags_test {
namespace {

using RemoveTest = TagTest;

// The values stay in memory and no event fires; saved keeps what the last save left.
TEST_F(RemoveTest, CutsTheRecord) {
    const struct {
        const char *what;
        std::string original;
        bool save_first;
        std::string expected;
    } cases[] = {
        {"record saved onto an untagged file", audio(1000), true, audio(1000)},
        {"record saved onto an empty file", "", true, ""},
        {"record saved onto a short file", audio(7), true, audio(7)},
        {"record read from the file", audio(1000) + record("Song", "Singer", "", "", "", 2), false,
         audio(1000)},
        {"record saved over the one read", audio(1000) + record("Song", "Singer", "", "", "", 2),
         true, audio(1000)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        write_file("song.mp3", c.original);
        info_.set_filename(path("song.mp3"));
        info_.set_title("Kept title");
        info_.set_genre_id(9);
        if (c.save_first)
            info_.save();
        const bool saved = info_.saved();
        const std::string error = info_.error();
        take_events();

        info_.remove_id3();

        EXPECT_EQ(read_file("song.mp3"), c.expected);
        EXPECT_FALSE(info_.valid());
        EXPECT_EQ(info_.saved(), saved);
        EXPECT_EQ(info_.title(), "Kept title");
        EXPECT_EQ(info_.genre_id(), 9);
        EXPECT_EQ(info_.genre(), "Metal");
        EXPECT_EQ(info_.error(), error);
        EXPECT_EQ(take_events(), (EventCounts{0, 0, 0}));
    }
}

// Reported failures leave the file, valid and saved as they were.
TEST_F(RemoveTest, Reported) {
    const std::string untagged = "File is already untagged !";
    const std::string no_file = "File doesn`t exist !";
    const std::string tagged = audio(300) + record("Song", "", "", "", "", 2);
    const struct {
        const char *what;
        std::string content;
        std::function<void()> prepare;
        std::string error;
    } cases[] = {
        {"no record", audio(300), [] {}, untagged},
        {"lower-case marker", audio(300) + record("Song", "", "", "", "", 2, ' ', "tag"), [] {},
         untagged},
        {"empty file", "", [] {}, untagged},
        {"file shorter than a record", "TAG" + field("", 100), [] {}, untagged},
        {"second removal", tagged, [this] { info_.remove_id3(); }, untagged},
        {"file deleted after it was read", tagged,
         [this] { std::filesystem::remove(path("song.mp3")); }, no_file},
        {"file replaced by a folder", tagged,
         [this] {
             std::filesystem::remove(path("song.mp3"));
             std::filesystem::create_directory(path("song.mp3"));
         },
         no_file},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(folder_.path());
        std::filesystem::create_directory(folder_.path());
        write_file("song.mp3", c.content);
        info_.set_filename(path("song.mp3"));
        c.prepare();
        const bool valid = info_.valid();
        const std::string before =
            std::filesystem::is_regular_file(path("song.mp3")) ? read_file("song.mp3") : "";
        take_events();

        info_.remove_id3();

        EXPECT_EQ(info_.error(), c.error);
        EXPECT_EQ(take_events(), (EventCounts{0, 0, 1}));
        EXPECT_EQ(info_.valid(), valid);
        EXPECT_FALSE(info_.saved());
        if (std::filesystem::is_regular_file(path("song.mp3"))) {
            EXPECT_EQ(read_file("song.mp3"), before);
        }
    }
}

// remove_id3 trusts valid: a tagged file cut short behind the tag's back cannot be cut
// 128 bytes before its end. The error reaches the caller with the file closed.
TEST_F(RemoveTest, FileShrankAfterRead) {
    write_file("song.mp3", audio(10) + record("Song", "", "", "", "", 1));
    info_.set_filename(path("song.mp3"));
    info_.save();
    std::filesystem::resize_file(path("song.mp3"), 100);
    const std::string shrunk = read_file("song.mp3");
    take_events();
    const int descriptors = open_descriptors();

    EXPECT_THROW(info_.remove_id3(), tarvendi::platform::IoError);

    EXPECT_EQ(open_descriptors(), descriptors);
    EXPECT_TRUE(info_.valid());
    EXPECT_TRUE(info_.saved());
    EXPECT_EQ(info_.error(), "");
    EXPECT_EQ(take_events(), (EventCounts{0, 0, 0}));
    EXPECT_EQ(read_file("song.mp3"), shrunk);
}

} // namespace
} // namespace tags_test
