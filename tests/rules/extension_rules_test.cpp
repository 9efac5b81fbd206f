#include "extension_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {
namespace {

struct ChangeCase {
    const char *why;
    std::string_view name;
    std::string_view new_ext;
    std::string expected;
};

TEST(ChangeExtension, Table) {
    const ChangeCase cases[] = {
        {"plain", "a.mp3", "wav", "a.wav"},
        {"no extension", "README", "txt", "README.txt"},
        {"case as typed", "song.MP3", "mp3", "song.mp3"},
        {"first occurrence and the byte after it", "x.mp3.backup.mp3", "wav", "xbackup.mp3.wav"},
        {"only the last extension", "a.tar.gz", "zip", "a.tar.zip"},
        {"typed with its own dot", "a.mp3", ".wav", "a..wav"},
        {"empty new extension", "a.mp3", "", "a."},
        {"new extension trimmed", "a.mp3", "  wav\t", "a.wav"},
        {"folder part dropped", "/music/a.mp3", "wav", "a.wav"},
        {"name trimmed", " a.mp3", "wav", "a.wav"},
        {"trailing blank belongs to the extension", "a.mp3 ", "wav", "a.mp3.wav"},
        // 歌曲.mp3
        {"Chinese name", "\xB8\xE8\xC7\xFA.mp3", "wav", "\xB8\xE8\xC7\xFA.wav"},
    };
    for (const ChangeCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(change_extension(c.name, c.new_ext), c.expected);
    }
}

struct PadCase {
    const char *why;
    std::string_view name;
    std::int32_t width;
    std::string expected;
};

TEST(PadName, Table) {
    const PadCase cases[] = {
        {"one digit", "1.doc", 3, "001.doc"},
        {"already wide", "101.doc", 3, "101.doc"},
        {"two digits", "15.doc", 3, "015.doc"},
        {"wider than asked", "1234.doc", 3, "1234.doc"},
        {"letters padded too", "ab.txt", 4, "00ab.txt"},
        // 歌.txt: the character counts two bytes, so one zero.
        {"Chinese counts two", "\xB8\xE8.txt", 3, "0\xB8\xE8.txt"},
        {"no extension", "7", 2, "07"},
        {"folder with brackets dropped", "5", 2, "05"},
        {"width 0", "1.doc", 0, "1.doc"},
        {"negative width", "1.doc", -5, "1.doc"},
        {"lowest width", "1.doc", INT32_MIN, "1.doc"},
        {"cut at the first extension", "1.doc.2.doc", 2, "01.doc"},
        {"folder part dropped", "/music/1.doc", 3, "001.doc"},
        {"name trimmed before padding", " 1.doc", 3, "001.doc"},
    };
    for (const PadCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(pad_name(c.name, c.width), c.expected);
    }
}

TEST(PadName, HugeWidthStopsAtTheLengthLimit) {
    const std::string padded = pad_name("1.doc", INT32_MAX);
    EXPECT_EQ(padded, std::string(kMaxPaddedLength - 1, '0') + "1.doc");
}

} // namespace
} // namespace tarvendi::rules
