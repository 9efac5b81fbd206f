// The setters, which work in memory only.

#include "tag_test_support.h"

namespace tags_test {
namespace {

using tarvendi::tags::Id3v1Tag;

std::string repeated(const std::string &text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

using SetterTest = TagTest;

// The cuts count bytes and may split a double-byte character; nothing else changes the value.
TEST_F(SetterTest, KeepsFieldWidth) {
    using Setter = void (Id3v1Tag::*)(std::string_view);
    using Getter = const std::string &(Id3v1Tag::*)() const;
    const std::string zhong = gb("中");
    ASSERT_EQ(zhong.size(), 2u);
    const struct {
        const char *what;
        Setter set;
        Getter get;
        std::string value;
        std::string expected;
    } cases[] = {
        {"31-byte title", &Id3v1Tag::set_title, &Id3v1Tag::title, std::string(30, 'a') + "b",
         std::string(30, 'a')},
        {"30-byte artist", &Id3v1Tag::set_artist, &Id3v1Tag::artist, std::string(30, 'r'),
         std::string(30, 'r')},
        {"long album", &Id3v1Tag::set_album, &Id3v1Tag::album, std::string(300, 'l'),
         std::string(30, 'l')},
        {"comment cut inside a Chinese character", &Id3v1Tag::set_comment, &Id3v1Tag::comment,
         std::string(29, 'c') + zhong, std::string(29, 'c') + zhong.substr(0, 1)},
        {"Chinese title of exactly 30 bytes", &Id3v1Tag::set_title, &Id3v1Tag::title,
         repeated(zhong, 15), repeated(zhong, 15)},
        {"year 20240", &Id3v1Tag::set_year, &Id3v1Tag::year, "20240", "2024"},
        {"short year", &Id3v1Tag::set_year, &Id3v1Tag::year, "99", "99"},
        {"year cut inside a Chinese character", &Id3v1Tag::set_year, &Id3v1Tag::year, "199" + zhong,
         "199" + zhong.substr(0, 1)},
        {"blanks and control bytes stay", &Id3v1Tag::set_artist, &Id3v1Tag::artist, "  \tA\x01 ",
         "  \tA\x01 "},
        {"empty title", &Id3v1Tag::set_title, &Id3v1Tag::title, "", ""},
    };
    const std::string file = audio(64) + record("Old", "Old", "Old", "1970", "Old", 5);
    write_file("song.mp3", file);
    info_.set_filename(path("song.mp3"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        take_events();
        (info_.*c.set)(c.value);
        EXPECT_EQ((info_.*c.get)(), c.expected);
        EXPECT_EQ(take_events(), (EventCounts{0, 1, 0}));
        EXPECT_TRUE(info_.valid());
        EXPECT_FALSE(info_.saved());
        EXPECT_EQ(read_file("song.mp3"), file);
    }
}

TEST_F(SetterTest, GenreID) {
    const struct {
        std::uint8_t value;
        std::uint8_t id;
        const char *genre;
    } cases[] = {
        {0, 0, "Blues"},    {12, 12, "Other"},  {113, 113, "Samba"}, {114, 114, "Folklore"},
        {115, 12, "Other"}, {200, 12, "Other"}, {255, 12, "Other"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        info_.set_genre_id(3);
        take_events();
        info_.set_genre_id(c.value);
        EXPECT_EQ(info_.genre_id(), c.id);
        EXPECT_EQ(info_.genre(), c.genre);
        EXPECT_EQ(take_events(), (EventCounts{0, 1, 0}));
    }
}

} // namespace
} // namespace tags_test
