// Writing to a read-only file: save and remove_id3 give the owner write permission for the write
// and take it away again after it.

#include "tag_test_support.h"

namespace tags_test {
namespace {

using ReadOnlyTest = TagTest;

const std::string kCannotWrite = "Can\xB4t write ID3 tag information !";

enum class Operation { Save, RemoveID3 };

void run(tarvendi::tags::Id3v1Tag &info, Operation operation) {
    if (operation == Operation::Save)
        info.save();
    else
        info.remove_id3();
}

// The file is written, and keeps the permissions it had.
TEST_F(ReadOnlyTest, WriteKeepsThePermissions) {
    const std::string tagged = audio(200) + record("Song", "", "", "", "", 1);
    const struct {
        const char *what;
        Operation operation;
        unsigned mode;
        std::string expected_file;
    } cases[] = {
        {"Save, 0444", Operation::Save, 0444, audio(200) + record("New", "", "", "", "", 1)},
        {"Save, 0555", Operation::Save, 0555, audio(200) + record("New", "", "", "", "", 1)},
        {"Save, 0400", Operation::Save, 0400, audio(200) + record("New", "", "", "", "", 1)},
        {"Save, 0644", Operation::Save, 0644, audio(200) + record("New", "", "", "", "", 1)},
        {"RemoveID3, 0404", Operation::RemoveID3, 0404, audio(200)},
        {"RemoveID3, 0470", Operation::RemoveID3, 0470, audio(200)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        write_file("song.mp3", tagged);
        set_mode("song.mp3", c.mode);
        info_.set_filename(path("song.mp3"));
        ASSERT_TRUE(info_.valid());
        info_.set_title("New");
        const std::string error = info_.error();
        take_events();

        run(info_, c.operation);

        EXPECT_EQ(mode("song.mp3"), c.mode);
        EXPECT_EQ(read_file("song.mp3"), c.expected_file);
        EXPECT_EQ(info_.error(), error);
        EXPECT_EQ(take_events(), (EventCounts{0, 0, 0}));
        info_.set_filename(path("song.mp3"));
        EXPECT_EQ(mode("song.mp3"), c.mode);
    }
}

// A bit that cannot be cleared stops the operation before the file is opened. Only an immutable
// file refuses the change of its permissions to its owner (and to root), so this needs root.
TEST_F(ReadOnlyTest, BitCannotBeCleared) {
    const std::string tagged = audio(200) + record("Song", "", "", "", "", 1);
    write_file("song.mp3", tagged);
    set_mode("song.mp3", 0444);
    if (!make_immutable("song.mp3"))
        GTEST_SKIP() << "setting the immutable attribute needs root and a file system with it";
    for (const Operation operation : {Operation::Save, Operation::RemoveID3}) {
        SCOPED_TRACE(operation == Operation::Save ? "Save" : "RemoveID3");
        info_.set_filename(path("song.mp3"));
        ASSERT_TRUE(info_.valid());
        info_.set_title("New");
        take_events();

        run(info_, operation);

        EXPECT_EQ(info_.error(), kCannotWrite);
        EXPECT_EQ(take_events(), (EventCounts{0, 0, 1}));
        EXPECT_TRUE(info_.valid());
        EXPECT_FALSE(info_.saved());
        EXPECT_EQ(mode("song.mp3"), 0444u);
        EXPECT_EQ(read_file("song.mp3"), tagged);
    }
}

// remove_id3 reports a file it cannot open instead of throwing, and leaves it unchanged.
TEST_F(ReadOnlyTest, RemoveCannotOpen) {
    const std::string tagged = audio(200) + record("Song", "", "", "", "", 1);
    write_file("song.mp3", tagged);
    info_.set_filename(path("song.mp3"));
    ASSERT_TRUE(info_.valid());
    if (running_as_root()) {
        if (!make_immutable("song.mp3"))
            GTEST_SKIP() << "root opens any file unless it is immutable, and that is not possible"
                            " here";
    } else {
        // Without any permission: the write bit comes back, reading stays refused.
        set_mode("song.mp3", 0);
    }
    take_events();

    info_.remove_id3();

    EXPECT_EQ(info_.error(), "Could not open file !");
    EXPECT_EQ(take_events(), (EventCounts{0, 0, 1}));
    EXPECT_TRUE(info_.valid());
    if (!running_as_root())
        set_mode("song.mp3", 0644);
    EXPECT_EQ(read_file("song.mp3"), tagged);
}

} // namespace
} // namespace tags_test
