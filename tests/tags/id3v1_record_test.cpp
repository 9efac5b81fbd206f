// The record codec on its own, without files.

#include "id3v1_record.h"
#include "tag_test_support.h"

namespace tags_test {
namespace {

using tarvendi::tags::build_id3v1;
using tarvendi::tags::Id3v1Fields;
using tarvendi::tags::parse_id3v1;

TEST(Id3v1Record, Parse) {
    const struct {
        const char *what;
        std::string block;
        bool is_record;
        std::string title;
        unsigned genre;
    } cases[] = {
        {"record", record("Song", "", "", "", "", 7), true, "Song", 7},
        {"genre byte kept as it stands", record("", "", "", "", "", 255), true, "", 255},
        // Trailing spaces go in runs of eight and singly; inner ones and other bytes stay.
        {"inner spaces kept", record("a  b", "", "", "", "", 1), true, "a  b", 1},
        {"eight spaces after 22 bytes", record(std::string(22, 'x'), "", "", "", "", 1), true,
         std::string(22, 'x'), 1},
        {"one space after 29 bytes", record(std::string(29, 'x'), "", "", "", "", 1), true,
         std::string(29, 'x'), 1},
        {"no space in 30 bytes", record(std::string(30, 'x'), "", "", "", "", 1), true,
         std::string(30, 'x'), 1},
        {"tab before spaces kept", record("a\t", "", "", "", "", 1), true, "a\t", 1},
        {"spaces before a zero byte", record(std::string("a \0b", 4), "", "", "", "", 1), true, "a",
         1},
        {"empty block", "", false, "", 0},
        {"one byte short", record("Song", "", "", "", "", 7).substr(1), false, "", 0},
        {"one byte long", record("Song", "", "", "", "", 7) + " ", false, "", 0},
        {"marker in lower case", record("Song", "", "", "", "", 7, ' ', "tag"), false, "", 0},
        {"marker of zero bytes", record("Song", "", "", "", "", 7, ' ', std::string(3, '\0')),
         false, "", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const auto fields = parse_id3v1(c.block);
        ASSERT_EQ(fields.has_value(), c.is_record);
        if (fields) {
            EXPECT_EQ(fields->title, c.title);
            EXPECT_EQ(fields->genre, c.genre);
        }
    }
}

// Every field stays inside its own bytes, however long the value.
TEST(Id3v1Record, Build) {
    const std::string long30 = std::string(30, 'x');
    const struct {
        const char *what;
        Id3v1Fields fields;
        std::string expected;
    } cases[] = {
        {"short values padded with spaces",
         {"T", "A", "L", "99", "C", 3},
         record("T", "A", "L", "99", "C", 3)},
        {"empty values", {}, record("", "", "", "", "", 0)},
        {"overlong values cut at their field",
         {long30 + "title", long30 + "artist", long30 + "album", "19990", long30 + "comment", 255},
         record(long30, long30, long30, "1999", long30, 255)},
        {"zero bytes copied as they are",
         {std::string("a\0b", 3), "", "", "", "", 0},
         record(std::string("a\0b", 3), "", "", "", "", 0)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(build_id3v1(c.fields), c.expected);
    }
}

} // namespace
} // namespace tags_test
