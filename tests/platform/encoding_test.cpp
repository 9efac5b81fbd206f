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
    const Case cases[] = {
        {"caf\xE9.mp3", "caf\xFF.mp3"}, // Latin-1 name
        {"\xFF", "\xFF"},
        {"a\xC3", "a\xFF"},       // cut two-byte sequence
        {"\xE4\xB8", "\xFF\xFF"}, // cut three-byte sequence
        {"\xE4\xB8\x61", "\xFF\xFF\x61"},
        {"\xC0\xAF", "\xFF\xFF"},                 // overlong "/"
        {"a\xEE\x9E\x8D", "a\xFF\xFF\xFF"},       // U+E78D: valid UTF-8, no GB18030 form
        {"\xED\xA0\x80", "\xFF\xFF\xFF"},         // surrogate
        {"\xF4\x90\x80\x80", "\xFF\xFF\xFF\xFF"}, // above U+10FFFF
        {"\x80中", "\xFF\xD6\xD0"},               // stray continuation byte
        {"中\xFE文", "\xD6\xD0\xFF\xCE\xC4"},
    };
    for (const Case &c : cases) {
        bool lossless = true;
        EXPECT_EQ(name_from_disk(c.utf8, &lossless), c.gb18030) << c.utf8;
        EXPECT_FALSE(lossless) << c.utf8;
    }
}

TEST(NameToDisk, RefusesInvalidGb18030) {
    const std::string cases[] = {
        "\xFF",
        "a\xFF\x62",
        "caf\xFF.mp3",  // a name that was not UTF-8 on disk
        "ab\xD6",       // lead byte at the end
        "\xD6\x2F",     // a lead byte cannot take "/" as its second byte
        "\x94\x39\xFC", // four-byte form cut short
        "\x94\x39",
        "\x80",
        "\x95\x32\x90\x31", // U+20087, which converts back as 0xFE51
    };
    for (const std::string &gb : cases)
        EXPECT_EQ(name_to_disk(gb), std::nullopt) << testing::PrintToString(gb);
}

TEST(DisplayText, ReplacesWhatDoesNotConvert) {
    const Pair cases[] = {
        {"/tmp/中文", "/tmp/\xD6\xD0\xCE\xC4"},
        {"a😀", "a\x94\x39\xFC\x36"},
        {"a\xEF\xBF\xBD\x62", "a\xFF\x62"},
        {"\xEF\xBF\xBD\xEF\xBF\xBD", "\x80\x80"},
        {"ab\xEF\xBF\xBD", "ab\xD6"},
        {"\xEF\xBF\xBD", "\x94\x39\xFC"}, // a cut four-byte form is one damaged character
    };
    for (const Pair &c : cases)
        EXPECT_EQ(display_text(c.gb18030), c.utf8) << c.utf8;
}

TEST(TypedText, BecomesGb18030) {
    for (const Pair &p : kPairs)
        EXPECT_EQ(typed_text(p.utf8), p.gb18030) << p.utf8;
}

} // namespace
} // namespace tarvendi::platform
