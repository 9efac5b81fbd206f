#include "display_text.h"
#include "encoding.h"

#include <gtest/gtest.h>

namespace tarvendi::platform {
namespace {

// Names that convert both ways; the GB18030 bytes are those of the published standard.
struct Pair {
    std::string utf8;
    std::string gb18030;
};

const Pair kPairs[] = {
    {"", ""},
    {"a.txt", "a.txt"},
    {"中文.mp3", "\xD6\xD0\xCE\xC4.mp3"},
    {"阿", "\xB0\xA2"},
    {"語", "\xD5\x5A"},                  // second byte is "Z"
    {"é€·", "\xA8\xA6\xA2\xE3\xA1\xA4"}, // two-byte forms of non-Chinese characters
    {"Ā", "\x81\x30\x8B\x38"},           // outside GBK, in the BMP
    {"😀.mp3", "\x94\x39\xFC\x36.mp3"},   // outside GBK, U+1F600
    {"𠀀", "\x95\x32\x82\x36"},          // CJK extension B, U+20000
    {"\xF0\xA0\x82\x87", "\xFE\x51"},    // U+20087, which GB18030 took over from a GBK code
    {"a中😀b", "a\xD6\xD0\x94\x39\xFC\x36\x62"},
};

TEST(NameFromDisk, ConvertsValidUtf8) {
    for (const Pair &p : kPairs) {
        bool lossless = false;
        EXPECT_EQ(name_from_disk(p.utf8, &lossless), p.gb18030) << p.utf8;
        EXPECT_TRUE(lossless) << p.utf8;
    }
}

TEST(NameToDisk, ConvertsValidGb18030) {
    for (const Pair &p : kPairs)
        EXPECT_EQ(name_to_disk(p.gb18030), p.utf8) << p.utf8;
}

TEST(NameFromDisk, MarksEachInvalidByte) {
    struct Case {
        std::string utf8;
        std::string gb18030;
    };
    // Each disk byte b that does not convert becomes 0xFE 0x39 X Y, X Y counting b - 0x80.
    const Case cases[] = {
        {"caf\xE9.mp3", "caf\xFE\x39\x8B\x35.mp3"}, // Latin-1 name
        {"a\x80.txt", "a\xFE\x39\x81\x30.txt"},     // first and last byte: two different names
        {"a\xFF.txt", "a\xFE\x39\x8D\x37.txt"},
        {"a\xC3", "a\xFE\x39\x87\x37"},                   // cut two-byte sequence
        {"\xE4\xB8", "\xFE\x39\x8B\x30\xFE\x39\x86\x36"}, // cut three-byte sequence
        {"\xE4\xB8\x61", "\xFE\x39\x8B\x30\xFE\x39\x86\x36\x61"},
        {"\xC0\xAF", "\xFE\x39\x87\x34\xFE\x39\x85\x37"}, // overlong "/"
        {"a\xEE\x9E\x8D",
         "a\xFE\x39\x8C\x30\xFE\x39\x84\x30\xFE\x39\x82\x33"}, // U+E78D: no GB18030 form
        {"\xED\xA0\x80", "\xFE\x39\x8B\x39\xFE\x39\x84\x32\xFE\x39\x81\x30"}, // surrogate
        {"\xF4\x90\x80\x80",
         "\xFE\x39\x8C\x36\xFE\x39\x82\x36\xFE\x39\x81\x30\xFE\x39\x81\x30"}, // above U+10FFFF
        {"\x80中", "\xFE\x39\x81\x30\xD6\xD0"}, // stray continuation byte
        {"中\xFE文", "\xD6\xD0\xFE\x39\x8D\x36\xCE\xC4"},
    };
    for (const Case &c : cases) {
        bool lossless = true;
        EXPECT_EQ(name_from_disk(c.utf8, &lossless), c.gb18030) << c.utf8;
        EXPECT_FALSE(lossless) << c.utf8;
    }
}

TEST(DiskByteMarker, EveryByteHasOneThatNeverConverts) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string marker = disk_byte_marker(static_cast<unsigned char>(b));
        EXPECT_EQ(undecodable_disk_byte(marker), b) << b;
        EXPECT_EQ(name_to_disk(marker), std::nullopt) << b;
        EXPECT_EQ(name_to_disk("a" + marker + "b"), std::nullopt) << b;
    }
    const std::string not_markers[] = {
        "\xFE\x39\x8D\x38", // would count 128
        "\xFE\x39\x80\x30",
        "\xFE\x39\x81", // cut
        "\xFE\x39\x81\x30\x30",
        "\x81\x30\x81\x30", // U+0080
    };
    for (const std::string &unit : not_markers)
        EXPECT_EQ(undecodable_disk_byte(unit), std::nullopt) << testing::PrintToString(unit);
}

TEST(NameToDisk, RefusesInvalidGb18030) {
    const std::string cases[] = {
        "\xFF",
        "a\xFF\x62",
        "caf\xFE\x39\x8B\x35.mp3", // a name that was not UTF-8 on disk
        "ab\xD6",                  // lead byte at the end
        "\xD6\x2F",                // a lead byte cannot take "/" as its second byte
        "\x94\x39\xFC",            // four-byte form cut short
        "\x94\x39",
        "\x80",
        "\x95\x32\x90\x31", // U+20087, which converts back as 0xFE51
    };
    for (const std::string &gb : cases)
        EXPECT_EQ(name_to_disk(gb), std::nullopt) << testing::PrintToString(gb);
}

// How each GB18030 text reads in a list and in a message.
struct Shown {
    std::string gb18030;
    std::string displayed;
    std::string escaped;
};

const Shown kShown[] = {
    {"a.txt", "a.txt", "a.txt"},
    {"/tmp/\xD6\xD0\xCE\xC4", "/tmp/中文", "/tmp/中文"},
    {"a\x94\x39\xFC\x36", "a😀", "a😀"},
    {"\x81\x5C", "乗", "乗"}, // a "\" inside a character is no backslash
    // A byte that does not decode keeps none of the bytes after it.
    {"\xD6\xD0\xCE\xC4\xAE-01", "中文�-01", "中文\\xAE-01"},
    {"a\xFF\x62", "a�b", "a\\xFFb"},
    {"\x80\x80", "��", "\\x80\\x80"},
    {"ab\xD6", "ab�", "ab\\xD6"},                 // cut two-byte character
    {"\x94\x39\xFC", "�9�", "\\x949\\xFC"},       // cut four-byte character
    {"\x95\x32\x90\x31", "�2�1", "\\x952\\x901"}, // U+20087 in the form glibc never writes
    {"\xFE\x39\x81", "�9�", "\\xFE9\\x81"},       // cut marker
    // Disk names "a\x80.txt" and "a\xFF.txt", and a valid name holding U+FFFD.
    {"a\xFE\x39\x81\x30.txt", "a�.txt", "a\\x80.txt"},
    {"a\xFE\x39\x8D\x37.txt", "a�.txt", "a\\xFF.txt"},
    {"a\x84\x31\xA4\x37.txt", "a�.txt", "a�.txt"},
    {"\xD6\xD0\xFE\x39\x81\x30\xCE\xC4", "中�文", "中\\x80文"},
    // Control characters and backslashes, in names that convert and in names that do not.
    {"a\nb\tc\rd", "a\nb\tc\rd", "a\\nb\\tc\\rd"},
    {std::string("\0\x1B\x7F", 3), std::string("\0\x1B\x7F", 3), "\\x00\\x1B\\x7F"},
    {"a\\b", "a\\b", "a\\\\b"},
    {"\\x80", "\\x80", "\\\\x80"},
    {"\xD6\xD0\n", "中\n", "中\\n"},
    {"\xFE\x39\x81\x30\n\\", "�\n\\", "\\x80\\n\\\\"},
    // Line and paragraph separators and C1 controls break a line without looking like it.
    {"a\x81\x36\xA6\x35"
     "b\x81\x30\x81\x35",
     "a\u2028b\u0085", "a\\u2028b\\u0085"},
    {"\x81\x36\xA6\x35\xFF", "\u2028�", "\\u2028\\xFF"},
};

TEST(DisplayText, ReplacesOnlyWhatDoesNotDecode) {
    for (const Shown &c : kShown)
        EXPECT_EQ(display_text(c.gb18030), c.displayed) << testing::PrintToString(c.gb18030);
}

TEST(EscapedText, OneLineThatTellsNamesApart) {
    for (const Shown &c : kShown)
        EXPECT_EQ(escaped_text(c.gb18030), c.escaped) << testing::PrintToString(c.gb18030);
}

TEST(TypedText, BecomesGb18030) {
    for (const Pair &p : kPairs)
        EXPECT_EQ(typed_text(p.utf8), p.gb18030) << p.utf8;
}

} // namespace
} // namespace tarvendi::platform
