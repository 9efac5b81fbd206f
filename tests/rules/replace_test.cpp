#include "replace.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {
namespace {

struct RangeCase {
    const char *why;
    std::string_view name;
    std::string_view start;
    std::string_view end;
    std::size_t end_length;
    std::string_view tmpl;
    std::int32_t counter;
    bool cut_ext;
    std::string expected;
};

TEST(RangeReplace, Table) {
    const RangeCase cases[] = {
        // 03-出水莲.mp3: p = 1, q = 3, L = 1, k = 3.
        {"worked example", "03-\xB3\xF6\xCB\xAE\xC1\xAB.mp3", "0", "-", 1, "##-", 7, false,
         "07-\xB3\xF6\xCB\xAE\xC1\xAB.mp3"},
        {"first pair only", "a(x)b(y).txt", "(", ")", 1, "", 1, false, "ab(y).txt"},
        {"start equals end", "a_b_c", "_", "_", 1, "", 1, false, "ab_c"},
        {"empty start", "abc.txt", "", "c", 1, "X", 1, false, "abc.txt"},
        {"hash of the name filled", "C#.txt", "zz", "t", 1, "", 5, false, "C5.txt"},
        {"hash of name and template join", "##a", "a", "a", 1, "#", 12, false, "012"},
        {"extension cut, start absent", "song.mp3", "x", "y", 1, "", 1, true, "song"},
        {"extension cut without a dot", "song", "x", "y", 1, "", 1, true, "song"},
        {"cut at the earlier extension", "a.txt.b.txt", "a", "a", 1, "##", 3, true, "03"},
        {"extension searched when kept", "song.mp3", "mp3", "3", 1, "wav", 1, false, "song.wav"},
        {"whole name", "abc", "a", "c", 1, "", 1, false, ""},
        {"end typed bare", "a-b-c", "a", "-", 1, "X", 1, false, "Xb-c"},
        {"blanks around end lengthen", "a-b-c", "a", "-", 3, "X", 1, false, "Xc"},
        {"end only before start", "a-bXc", "X", "-", 1, "T", 1, false, "a-bTXc"},
        {"end absent", "abc", "b", "z", 1, "T", 1, false, "aTbc"},
        {"huge end length", "abc", "b", "c", SIZE_MAX, "X", 1, false, "aX"},
        {"result trimmed", "abc", "a", "a", 1, " ", 1, false, "bc"},
        // 中国 holds no 泄 (D0 B9 straddles 中 and 国).
        {"start never straddles", "\xD6\xD0\xB9\xFA", "\xD0\xB9", "\xD0\xB9", 2, "X", 1, false,
         "\xD6\xD0\xB9\xFA"},
        // 中国泄: the end 泄 is the real one at byte 5, so all six bytes go.
        {"end never straddles", "\xD6\xD0\xB9\xFA\xD0\xB9", "\xD6\xD0", "\xD0\xB9", 2, "X", 1,
         false, "X"},
        // 語Zx: the "Z" of 語 (D5 5A) is no start.
        {"ASCII inside a character",
         "\xD5\x5A"
         "Zx",
         "Z", "Z", 1, "Y", 1, false,
         "\xD5\x5A"
         "Yx"},
    };
    for (const RangeCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(range_replace(c.name, c.start, c.end, c.end_length, c.tmpl, c.counter, c.cut_ext),
                  c.expected);
    }
}

struct TextCase {
    const char *why;
    std::string_view name;
    std::string_view find;
    std::size_t find_length;
    std::string_view replacement;
    bool cut_ext;
    std::string expected;
};

TEST(TextReplace, Table) {
    const TextCase cases[] = {
        {"first occurrence only", "a-b-c.txt", "-", 1, "_", false, "a_b-c.txt"},
        {"case-sensitive", "abc.txt", "ABC", 3, "x", false, "abc.txt"},
        {"blanks around the search text", "a-b c", "-", 3, "_", false, "a_c"},
        {"blanks inside stay", "a-b", "-", 1, " + ", false, "a + b"},
        {"blanks at the end trimmed", "ab-", "-", 1, " x ", false, "ab x"},
        {"empty search text", "abc", "", 0, "x", false, "abc"},
        {"extension cut", "song.mp3", "so", 2, "mu", true, "mung"},
        {"hash stays literal", "a-b", "-", 1, "##", false, "a##b"},
        {"length past the end", "abc", "b", 10, "X", false, "aX"},
        {"no literal match", "Track.mp3", "Track-##", 8, "x", false, "Track.mp3"},
        // 中国 holds no 泄.
        {"never straddles", "\xD6\xD0\xB9\xFA", "\xD0\xB9", 2, "x", false, "\xD6\xD0\xB9\xFA"},
        // 𠓦𠀀.txt holds no 㕭 (82 30 95 32), though its halves meet in the middle; deleting them
        // would leave 𠓬.txt.
        {"never straddles four-byte characters", "\x95\x33\x82\x30\x95\x32\x82\x36.txt",
         "\x82\x30\x95\x32", 4, "", false, "\x95\x33\x82\x30\x95\x32\x82\x36.txt"},
        // 語文A: the "Z" of 語 (D5 5A) is not found; 語文Z: the real one is.
        {"ASCII inside a character",
         "\xD5\x5A\xCE\xC4"
         "A",
         "Z", 1, "z", false,
         "\xD5\x5A\xCE\xC4"
         "A"},
        {"ASCII after characters",
         "\xD5\x5A\xCE\xC4"
         "Z",
         "Z", 1, "z", false,
         "\xD5\x5A\xCE\xC4"
         "z"},
    };
    for (const TextCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(text_replace(c.name, c.find, c.find_length, c.replacement, c.cut_ext),
                  c.expected);
    }
}

struct SequenceCase {
    const char *why;
    std::string_view name;
    std::int32_t position;
    std::int32_t length;
    std::string_view tmpl;
    std::int32_t counter;
    std::string expected;
};

TEST(SequenceReplace, Table) {
    const SequenceCase cases[] = {
        // 03-出水莲 and 00-春江花月夜 with the template 中国名曲-###.
        {"tab example, first", "03-\xB3\xF6\xCB\xAE\xC1\xAB", 1, 3,
         "\xD6\xD0\xB9\xFA\xC3\xFB\xC7\xFA-###.", 1,
         "\xD6\xD0\xB9\xFA\xC3\xFB\xC7\xFA-001.\xB3\xF6\xCB\xAE\xC1\xAB"},
        {"tab example, second", "00-\xB4\xBA\xBD\xAD\xBB\xA8\xD4\xC2\xD2\xB9", 1, 3,
         "\xD6\xD0\xB9\xFA\xC3\xFB\xC7\xFA-###.", 2,
         "\xD6\xD0\xB9\xFA\xC3\xFB\xC7\xFA-002.\xB4\xBA\xBD\xAD\xBB\xA8\xD4\xC2\xD2\xB9"},
        {"defaults", "123 song.mp3", 1, 3, "##-", 1, "01- song.mp3"},
        {"empty template deletes", "03-abc.mp3", 1, 3, "", 1, "abc.mp3"},
        {"position past the end appends", "a.mp3", 20, 3, "-##", 1, "a.mp3-01"},
        {"position right after the end", "abc", 4, 2, "X", 1, "abcX"},
        {"position 0 goes in front", "abc", 0, 3, "X", 1, "Xabc"},
        {"length 0 only inserts", "abc", 2, 0, "X", 1, "aXbc"},
        {"negative length only inserts", "abc", 2, -4, "X", 1, "aXbc"},
        {"length past the end", "abcd", 3, 100, "X", 1, "abX"},
        {"hash of the name filled", "C#", 1, 0, "", 5, "C5"},
        {"result trimmed", " 1 a", 1, 2, "", 1, "a"},
        // 出水: deleting one byte leaves the second half of 出.
        {"byte-exact cut", "\xB3\xF6\xCB\xAE", 1, 1, "", 1, "\xF6\xCB\xAE"},
        {"lowest position", "abc", INT32_MIN, INT32_MAX, "X", 1, "Xabc"},
        {"highest position", "abc", INT32_MAX, INT32_MAX, "X", 1, "abcX"},
        {"lowest length", "abc", 2, INT32_MIN, "X", 1, "aXbc"},
    };
    for (const SequenceCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(sequence_replace(c.name, c.position, c.length, c.tmpl, c.counter), c.expected);
    }
}

} // namespace
} // namespace tarvendi::rules
