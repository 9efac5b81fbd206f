#include "text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {
namespace {

constexpr std::size_t npos = std::string_view::npos;

struct FindCase {
    const char *why;
    std::string_view hay;
    std::string_view needle;
    std::size_t from;
    std::size_t expected;
};

TEST(FindText, MatchesOnlyWhereACharacterBegins) {
    const FindCase cases[] = {
        {"plain ASCII", "a-b-c", "-", 0, 1},
        {"search from an offset", "a-b-c", "-", 2, 3},
        {"empty needle", "abc", "", 0, npos},
        {"needle longer than the text", "ab", "abc", 0, npos},
        {"needle at the very end", "abc", "bc", 0, 1},
        // 中国 = D6 D0 B9 FA; 泄 = D0 B9 straddles the two characters.
        {"straddling halves", "\xD6\xD0\xB9\xFA", "\xD0\xB9", 0, npos},
        // 中国泄: the real 泄 after the two characters.
        {"real character after a straddle", "\xD6\xD0\xB9\xFA\xD0\xB9", "\xD0\xB9", 0, 4},
        // 語 = D5 5A: its second byte is "Z".
        {"ASCII inside a character", "\xD5\x5A", "Z", 0, npos},
        {"ASCII after a character",
         "\xD5\x5A"
         "Z",
         "Z", 0, 2},
        // 誠 = D5 5C: its second byte is "\".
        {"backslash inside a character",
         "\xD5\x5C"
         "\\",
         "\\", 0, 2},
        // 😀 = 94 39 FC 36 in four bytes; "9" and "6" inside it are no digits.
        {"digit inside a four-byte character",
         "\x94\x39\xFC\x36"
         "9",
         "9", 0, 4},
        {"first of two occurrences", "a.txt.txt", ".txt", 0, 1},
        // 𠓦𠀀 = 95 33 82 30 95 32 82 36; the halves across the middle, 82 30 95 32, are 㕭.
        {"straddling four-byte characters", "\x95\x33\x82\x30\x95\x32\x82\x36", "\x82\x30\x95\x32",
         0, npos},
        {"real four-byte character after a straddle",
         "\x95\x33\x82\x30\x95\x32\x82\x36\x82\x30\x95\x32", "\x82\x30\x95\x32", 0, 8},
    };
    for (const FindCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(find_text(c.hay, c.needle, c.from), c.expected);
    }
}

struct TrimCase {
    std::string_view text;
    std::string expected;
};

TEST(Trim, RemovesBytesUpToBlankAtBothEnds) {
    const TrimCase cases[] = {
        {"", ""},
        {"   ", ""},
        {" \t a b \r\n", "a b"},
        {"\x01x\x1F", "x"},
        {"\x7F", "\x7F"},
        {"\xA1\xA1"
         "a\xA1\xA1",
         "\xA1\xA1"
         "a\xA1\xA1"}, // full-width blanks are characters
    };
    for (const TrimCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(trim(c.text), c.expected);
    }
}

struct PartsCase {
    std::string_view name;
    std::string file_name;
    std::string folder;
    std::string ext;
    std::string base;
};

TEST(AsciiLower, FoldsLettersButNotTheBytesOfACharacter) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"Song.MP3", "song.mp3"},
        {"", ""},
        // 語 = D5 5A: its second byte is "Z" and stays.
        {"\xD5\x5A"
         "AZ",
         "\xD5\x5A"
         "az"},
        // 𠀀 = 95 32 82 36 walks as one character.
        {"\x95\x32\x82\x36"
         "X",
         "\x95\x32\x82\x36"
         "x"},
    };
    for (const auto &[in, expected] : cases)
        EXPECT_EQ(ascii_lower(in), expected) << in;
}

TEST(NameParts, SplitAtTheLastSeparatorAndTheLastDotAfterIt) {
    const PartsCase cases[] = {
        {"a.txt", "a.txt", "", ".txt", "a"},
        {"/music/a.b.mp3", "a.b.mp3", "/music", ".mp3", "a.b"},
        {"dir.d/readme", "readme", "dir.d", "", "readme"},
        {"a\\b.txt", "a\\b.txt", "", ".txt", "a\\b"},
        {"x:y.txt", "x:y.txt", "", ".txt", "x:y"},
        {".htaccess", ".htaccess", "", ".htaccess", ""},
        {"a.", "a.", "", ".", "a"},
        {"dir/", "", "dir", "", ""},
        {"song.mp3 ", "song.mp3 ", "", ".mp3 ", "song"},
        // 誠.txt: the second byte of 誠 (D5 5C) is "\", an ordinary byte anyway.
        {"d/\xD5\x5C.txt", "\xD5\x5C.txt", "d", ".txt", "\xD5\x5C"},
        // 歌曲/出水莲.mp3
        {"\xB8\xE8\xC7\xFA/\xB3\xF6\xCB\xAE\xC1\xAB.mp3", "\xB3\xF6\xCB\xAE\xC1\xAB.mp3",
         "\xB8\xE8\xC7\xFA", ".mp3", "\xB3\xF6\xCB\xAE\xC1\xAB"},
        // 😀.txt with a four-byte character
        {"\x94\x39\xFC\x36.txt", "\x94\x39\xFC\x36.txt", "", ".txt", "\x94\x39\xFC\x36"},
        // A lead byte takes the byte after it, also a "/" or "." (bytes no GB18030 text holds):
        // the one before it counts.
        {"x/a\x81/b", "a\x81/b", "x", "", "a\x81/b"},
        {"\x81\x81/b", "b", "\x81\x81", "", "b"},
        {"a.b\x81.c", "a.b\x81.c", "", ".b\x81.c", "a"},
        {"a\x81\x81.c", "a\x81\x81.c", "", ".c", "a\x81\x81"},
    };
    for (const PartsCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(file_name_part(c.name), c.file_name);
        EXPECT_EQ(folder_part(c.name), c.folder);
        EXPECT_EQ(extension(c.name), c.ext);
        EXPECT_EQ(base_name(c.name), c.base);
    }
}

struct CutCase {
    std::string_view name;
    std::string_view ext;
    std::string expected;
};

TEST(CutExtension, DeletesTwentyBytesAtTheFirstOccurrence) {
    const CutCase cases[] = {
        {"song.mp3", ".mp3", "song"},
        {"a.txt.txt", ".txt", "a"},
        {"song.mp3", "", "song.mp3"},
        {"song", ".mp3", "song"},
        {"a.mp3-0123456789abcdefghij.mp3", ".mp3", "afghij.mp3"},
        {"a.abcdefghijklmnopqrstuvwxyz", ".abcdefghijklmnopqrstuvwxyz", "atuvwxyz"},
    };
    for (const CutCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cut_extension(c.name, c.ext), c.expected);
    }
}

struct ReplaceFirstCase {
    std::string_view s;
    std::string_view old_text;
    std::string_view new_text;
    std::string expected;
};

TEST(ReplaceFirst, ReplacesTheFirstOccurrenceOrPrepends) {
    const ReplaceFirstCase cases[] = {
        {"a-b-c", "-", "_", "a_b-c"},
        {"abc", "abc", "", ""},
        {"abc", "x", "Z", "Zabc"},
        {"abc", "", "Z", "Zabc"},
        {"abc", "c", "", "ab"},
        // 中国 holds no 泄, so the new text goes in front.
        {"\xD6\xD0\xB9\xFA", "\xD0\xB9", "X", "X\xD6\xD0\xB9\xFA"},
        // 語Z: only the real "Z" is replaced.
        {"\xD5\x5A"
         "Z",
         "Z", "", "\xD5\x5A"},
    };
    for (const ReplaceFirstCase &c : cases) {
        SCOPED_TRACE(c.s);
        EXPECT_EQ(replace_first(c.s, c.old_text, c.new_text), c.expected);
    }
}

struct DigitsCase {
    std::int32_t n;
    std::string expected;
};

TEST(SequenceDigits, PrefixesSixZeros) {
    const DigitsCase cases[] = {
        {0, "0000000"},
        {123, "000000123"},
        {-3, "000000-3"},
        {INT32_MIN, "000000-2147483648"},
    };
    for (const DigitsCase &c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(sequence_digits(c.n), c.expected);
    }
}

struct FillCase {
    std::string_view tmpl;
    std::int32_t counter;
    std::string expected;
};

TEST(FillCounter, FillsEachRunFromItsRightEnd) {
    const FillCase cases[] = {
        {"##-*", 1, "01-*"},
        {"###", 7, "007"},
        {"##", 123, "23"},
        {"###-###", 1, "001-001"},
        {"###", -3, "0-3"},
        {"", 5, ""},
        {"#", 9, "9"},
        {"#", 10, "0"},
        {"##", 100, "00"},
        {"a#b##c", 5, "a5b05c"},
        {"no runs", 5, "no runs"},
        {"##########", 5, "0000000005"},  // longer than "0000005": zeros on the left
        {"##########", -3, "00000000-3"}, // longer than "000000-3"
        {"###########", INT32_MAX, "02147483647"},
        // 中国##: the runs after Chinese characters are filled byte by byte.
        {"\xD6\xD0\xB9\xFA##", 4,
         "\xD6\xD0\xB9\xFA"
         "04"},
    };
    for (const FillCase &c : cases) {
        SCOPED_TRACE(c.tmpl);
        EXPECT_EQ(fill_counter(c.tmpl, c.counter), c.expected);
    }
}

struct FillDigitsCase {
    std::string_view tmpl;
    std::string_view digits;
    std::string expected;
};

TEST(FillSequence, TakesTheRightMostDigitsAndPadsWithZeros) {
    const FillDigitsCase cases[] = {
        {"#####", "12", "00012"},
        {"##-##", "123", "23-23"},
        {"##", "", "00"},
        {"", "123", ""},
    };
    for (const FillDigitsCase &c : cases) {
        SCOPED_TRACE(c.tmpl);
        EXPECT_EQ(fill_sequence(c.tmpl, c.digits), c.expected);
    }
}

} // namespace
} // namespace tarvendi::rules
