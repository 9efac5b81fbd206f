#include "clean.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tarvendi::rules {
namespace {

constexpr CleanClasses kDigits{.digits = true};
constexpr CleanClasses kLetters{.letters = true};
constexpr CleanClasses kSpace{.space = true};
constexpr CleanClasses kDashes{.hyphen = true, .underscore = true};
constexpr CleanClasses kAll{true, true, true, true, true, true};

struct CleanCase {
    const char *why;
    std::string_view name;
    CleanClasses classes;
    std::string expected;
};

TEST(CleanName, Table) {
    const CleanCase cases[] = {
        // 01 歌曲 (2).mp3
        {"digits, blank at the front trimmed", "01 \xB8\xE8\xC7\xFA (2).mp3", kDigits,
         "\xB8\xE8\xC7\xFA ().mp3"},
        {"extension keeps its letters", "Track01.MP3", kLetters, "01.MP3"},
        {"letter range holds ^ and _", "a^b_c.txt", kLetters, ".txt"},
        {"letter range holds the brackets", "[x]1", kLetters, "1"},
        // 語文A.txt: the second byte of 語 is "Z".
        {"second byte not a letter",
         "\xD5\x5A\xCE\xC4"
         "A.txt",
         kLetters, "\xD5\x5A\xCE\xC4.txt"},
        // 開_1.txt: the second byte of 開 is "_".
        {"second byte not an underscore", "\xE9\x5F_1.txt", kDashes,
         "\xE9\x5F"
         "1.txt"},
        {"hyphen and underscore", "a-_b.txt", kDashes, "ab.txt"},
        {"hyphen only", "a-_b", {.hyphen = true}, "a_b"},
        {"underscore only", "a-_b", {.underscore = true}, "a-b"},
        {"removed once, next byte examined",
         "1_2.txt",
         {.letters = true, .underscore = true},
         "12.txt"},
        {"brackets", "[HD]x.mkv", {.brackets = true}, "HDx.mkv"},
        // 第１集.avi: a full-width digit is a character of its own.
        {"full-width digit stays", "\xB5\xDA\xA3\xB1\xBC\xAF.avi", kDigits,
         "\xB5\xDA\xA3\xB1\xBC\xAF.avi"},
        // 😀1.txt: 94 39 FC 36 holds the bytes of "9" and "6".
        {"digits inside a four-byte character",
         "\x94\x39\xFC\x36"
         "1.txt",
         kDigits, "\x94\x39\xFC\x36.txt"},
        {"last byte before the extension", "song2.mp3", kDigits, "song.mp3"},
        {"blank before the extension stays", "Track 01.mp3", kDigits, "Track .mp3"},
        {"everything removed", "2009", kDigits, ""},
        {"spaces", "a b .txt", kSpace, "ab.txt"},
        {"all extension", ".2009", kAll, ".2009"},
        {"all extension, letters", ".htaccess", kAll, ".htaccess"},
        {"no class only trims", " a1 ", {}, "a1"},
    };
    for (const CleanCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(clean_name(c.name, c.classes), c.expected);
    }
}

} // namespace
} // namespace tarvendi::rules
