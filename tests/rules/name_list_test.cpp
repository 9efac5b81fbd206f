#include "name_list.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::rules {
namespace {

// GB18030 bytes: 中 is D6 D0, 国 is B9 FA; "泄" (D0 B9) straddles them in 中国.
const std::string kZhong = "\xD6\xD0";
const std::string kGuo = "\xB9\xFA";

struct LinesCase {
    std::string text;
    std::vector<std::string> expected;
};

TEST(ListLines, FinalEmptyLineDoesNotCount) {
    const LinesCase cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\n\n", {"a", ""}},
        {"\n", {""}},
        {" \t\n x ", {" \t", " x "}},
    };
    for (const LinesCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(list_lines(c.text), c.expected);
    }
}

struct EditCase {
    std::string text;
    std::string expected;
};

TEST(EditLines, NumbersEveryCountedLineAndKeepsTheBreaks) {
    const EditCase cases[] = {
        {"", ""},
        {"a", "0:a"},
        {"a\nb", "0:a\n1:b"},
        {"a\nb\n", "0:a\n1:b\n"},
        {"a\n\n", "0:a\n1:\n"},
        {"\n", "0:\n"},
    };
    for (const EditCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(edit_lines(c.text, [](const std::string &line,
                                        std::size_t i) { return std::to_string(i) + ":" + line; }),
                  c.expected);
    }
}

TEST(EditLines, AnErrorEndsTheEditAtTheFirstLine) {
    std::vector<std::string> seen;
    EXPECT_THROW(edit_lines("a\nb",
                            [&](const std::string &line, std::size_t) -> std::string {
                                seen.push_back(line);
                                throw std::runtime_error("bad");
                            }),
                 std::runtime_error);
    EXPECT_EQ(seen, std::vector<std::string>{"a"});
}

struct AppendCase {
    std::string text;
    std::vector<std::string> lines;
    std::string expected;
};

TEST(AppendLines, AfterTheLastLine) {
    const AppendCase cases[] = {
        {"", {}, ""},
        {"", {"CD1", "CD2"}, "CD1\nCD2"},
        {"a", {"CD1"}, "a\nCD1"},
        {"a\n", {"CD1", "CD2"}, "a\nCD1\nCD2"},
        {"a\n\n", {"CD1"}, "a\n\nCD1"},
        {"a", {}, "a"},
        {"", {"", "x"}, "\nx"},
        {"a", {"", ""}, "a\n\n"},
    };
    for (const AppendCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(append_lines(c.text, c.lines), c.expected);
    }
}

TEST(CrlfLines, EveryBreakBecomesCrLf) {
    const EditCase cases[] = {
        {"", ""}, {"a", "a"}, {"a\nb", "a\r\nb"}, {"a\n", "a\r\n"}, {"\n\n", "\r\n\r\n"},
    };
    for (const EditCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(crlf_lines(c.text), c.expected);
    }
}

struct ExtractCase {
    std::string item;
    bool drop_extension;
    std::string expected;
};

TEST(ExtractedName, FileNamePartWithOrWithoutExtension) {
    const ExtractCase cases[] = {
        {"01 a.mp3", true, "01 a"},
        {"01 a.mp3", false, "01 a.mp3"},
        {"b.txt", true, "b"},
        {"noext", true, "noext"},
        {"/music/cd/song.mp3", true, "song"},
        {"/music/cd/song.mp3", false, "song.mp3"},
        {"/music/c.d/song", true, "song"},
        {"[a.b]", true, "[a"},
        {"[folder]", true, "[folder]"},
        {" a.mp3 ", true, "a"},
        {"  x.y  ", false, "x.y"},
        // cut_extension cuts at the first occurrence of the extension text, 20 bytes at most.
        {"a.txt.txt", true, "a"},
        {"a.abcdefghijklmnopqrstuvwxyz", true, "atuvwxyz"},
        {kZhong + kGuo + ".mp3", true, kZhong + kGuo},
    };
    for (const ExtractCase &c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(extracted_name(c.item, c.drop_extension), c.expected);
    }
}

struct NumberCase {
    std::string line;
    std::size_t number;
    std::string expected;
};

TEST(NumberedLine, AtLeastTwoDigits) {
    const NumberCase cases[] = {
        {"a", 1, "01_a"},
        {"i", 9, "09_i"},
        {"j", 10, "10_j"},
        {"", 3, "03_"},
        {"x", 100, "100_x"},
        {"01_a", 1, "01_01_a"},
        {kZhong, 12, "12_" + kZhong},
    };
    for (const NumberCase &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(numbered_line(c.line, c.number), c.expected);
    }
}

struct StretchCase {
    std::string line;
    std::int32_t start;
    std::int32_t length;
    std::string expected;
};

TEST(DeleteStretch, ByteExactAndClamped) {
    const StretchCase cases[] = {
        {"01_a", 1, 3, "a"},
        {"abcdef", 2, 2, "adef"},
        {"abcdef", 5, 10, "abcd"},
        {"abcdef", 6, 1, "abcde"},
        {"abcdef", 7, 1, "abcdef"},
        {"abcdef", 0, 3, "abcdef"},
        {"abcdef", -1, 3, "abcdef"},
        {"abcdef", 1, 0, "abcdef"},
        {"abcdef", 1, -2, "abcdef"},
        {"", 1, 3, ""},
        {"ab", 1, 2147483647, ""},
        // Positions count bytes: a Chinese character is two of them.
        {kZhong + kGuo, 3, 2, kZhong},
        {kZhong + "a", 2, 1,
         "\xD6"
         "a"},
    };
    for (const StretchCase &c : cases) {
        SCOPED_TRACE(std::string(c.line) + " " + std::to_string(c.start) + " " +
                     std::to_string(c.length));
        EXPECT_EQ(delete_stretch(c.line, c.start, c.length), c.expected);
    }
}

struct ReplaceCase {
    std::string line;
    std::string typed_find;
    std::string replacement;
    std::string expected;
};

TEST(ReplaceInLine, FirstOccurrenceOnCharacterBoundaries) {
    const std::string xie = "\xD0\xB9"; // 泄, also the middle bytes of 中国
    const ReplaceCase cases[] = {
        {"01_a_b", "_", "", "01a_b"},
        {"01_a_b", "_", "-", "01-a_b"},
        {"abc", "x", "y", "abc"},
        {"abc", "", "y", "abc"},
        {"abc", "   ", "y", "abc"},
        // Blanks typed around the text are not searched for but delete as many bytes more.
        {"a_bcd", " _ ", "", "ad"},
        {"a_b", " _ ", "", "a"},
        {"aXbX", "X", "YY", "aYYbX"},
        {" x ", "x", "y", " y "},
        {kZhong + kGuo, xie, "!", kZhong + kGuo},
        {kZhong + kGuo + xie, xie, "!", kZhong + kGuo + "!"},
        // The second byte of 語 (DD 5A) is "Z".
        {"\xDD\x5A"
         "Z",
         "Z", "z",
         "\xDD\x5A"
         "z"},
        {kZhong + kGuo, kGuo, kZhong, kZhong + kZhong},
    };
    for (const ReplaceCase &c : cases) {
        SCOPED_TRACE(std::string(c.line) + " / " + std::string(c.typed_find));
        EXPECT_EQ(replace_in_line(c.line, c.typed_find, c.replacement), c.expected);
    }
}

struct FolderCase {
    std::string line;
    bool usable;
};

TEST(FolderLineUsable, LastLevelMustHoldAName) {
    const FolderCase cases[] = {
        {"CD1", true},     {" CD1 ", true},      {"a b", true},   {"/tmp/new", true},
        {"sub/new", true}, {".", true},          {kZhong, true},  {"a\\b:c*", true},
        {"", false},       {" ", false},         {"   ", false},  {"CD1/", false},
        {"/", false},      {"/tmp/  ", false},   {"a\tb", false}, {"a\r", false},
        {"\x1F", false},   {"bad\x01/ok", true},
    };
    for (const FolderCase &c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(folder_line_usable(c.line), c.usable);
    }
}

} // namespace
} // namespace tarvendi::rules
