#include "regex_rule.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>

namespace tarvendi::rules {
namespace {

struct ReplaceCase {
    const char *why;
    std::string_view pattern;
    bool case_sensitive;
    std::string_view text;
    std::string_view replacement;
    bool all;
    std::string expected;
};

TEST(RegexReplace, Table) {
    const ReplaceCase cases[] = {
        {"dot is one Chinese character", "^..", true, "出水莲.mp3", "X", false, "X莲.mp3"},
        {"dot is one four-byte character", "a.b", true, "a𠀀b a😀b", "[$0]", true, "[a𠀀b] [a😀b]"},
        {"groups swapped", "(\\d+)-(.+)", true, "03-出水莲", "$2 $1", false, "出水莲 03"},
        {"whole match", "\\d+", true, "第3集", "<$0>", false, "第<3>集"},
        {"first only", "a", true, "banana", "o", false, "bonana"},
        {"all", "a", true, "banana", "o", true, "bonono"},
        {"case-sensitive", "ABC", true, "abc.txt", "x", true, "abc.txt"},
        {"case-insensitive", "abc", false, "ABC.txt", "x", true, "x.txt"},
        {"case-insensitive Cyrillic", "привет", false, "ПРИВЕТ", "x", true, "x"},
        {"\\w knows Chinese", "\\w+", true, "歌曲 01", "W", true, "W W"},
        {"empty matches everywhere", "x*", true, "abc", "-", true, "-a-b-c-"},
        {"empty match after a match", "a*", true, "baaac", "-", true, "-b--c-"},
        {"empty matches between Chinese", "", true, "中文", "|", true, "|中|文|"},
        {"empty pattern, first only", "", true, "abc", "", false, "abc"},
        {"unset group", "(a)|(b)", true, "ab", "[$1$2]", true, "[a][b]"},
        {"group the pattern lacks", "a", true, "a", "[$7]", false, "[]"},
        {"dollar escapes", "a", true, "a", "$$1 $x $", false, "$1 $x $"},
        {"no match", "z", true, "abc", "$0", true, "abc"},
    };
    for (const ReplaceCase &c : cases) {
        SCOPED_TRACE(c.why);
        const Regex re(c.pattern, {.case_sensitive = c.case_sensitive});
        EXPECT_EQ(re.replace(c.text, c.replacement, c.all), c.expected);
    }
}

struct BadPatternCase {
    std::string_view pattern;
    std::size_t offset; // in characters
};

TEST(RegexReplace, BadPatternsReportTheirPlace) {
    const BadPatternCase cases[] = {
        {"(", 1},
        {"中(", 2},
        {"中文)x", 2},
        {"𠀀[", 2},
    };
    for (const BadPatternCase &c : cases) {
        SCOPED_TRACE(std::string(c.pattern));
        try {
            Regex re(c.pattern);
            ADD_FAILURE() << "compiled";
        } catch (const RegexError &e) {
            EXPECT_STRNE(e.what(), "");
            EXPECT_EQ(e.offset(), c.offset);
        }
    }
}

TEST(RegexReplace, RunawayPatternGivesUpQuickly) {
    const Regex re("(a+)+$");
    const auto before = std::chrono::steady_clock::now();
    EXPECT_THROW(re.replace(std::string(36, 'a') + "!", "x", true), RegexGaveUp);
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
}

struct CaseCase {
    std::string_view text;
    LetterCase mode;
    std::string expected;
};

TEST(ChangeCase, Table) {
    const CaseCase cases[] = {
        {"Song Title.MP3", LetterCase::Keep, "Song Title.MP3"},
        {"Song Title.mp3", LetterCase::Upper, "SONG TITLE.MP3"},
        {"Song Title.MP3", LetterCase::Lower, "song title.mp3"},
        {"àéîõüþÿ ×÷", LetterCase::Upper, "ÀÉÎÕÜÞŸ ×÷"},
        {"ÀÉÎÕÜÞŸ", LetterCase::Lower, "àéîõüþÿ"},
        {"ąčęłńśžŋ ıſ", LetterCase::Upper, "ĄČĘŁŃŚŽŊ IS"},
        {"ĄČĘŁŃŚŽŊ İ", LetterCase::Lower, "ąčęłńśžŋ i"},
        {"ĸŉß", LetterCase::Upper, "ĸŉß"},
        {"lǚ ǎ việt", LetterCase::Upper, "LǙ Ǎ VIỆT"},
        {"ΟΔΟΣ ΣΑΣ", LetterCase::Lower, "οδος σας"},
        {"οδος άώ", LetterCase::Upper, "ΟΔΟΣ ΆΏ"},
        {"Привет ЁЖ ґ", LetterCase::Upper, "ПРИВЕТ ЁЖ Ґ"},
        {"ПРИВЕТ ЁЖ Ґ", LetterCase::Lower, "привет ёж ґ"},
        {"ａｂｃ　ＸＹＺ", LetterCase::Upper, "ＡＢＣ　ＸＹＺ"},
        {"ａｂｃ　ＸＹＺ", LetterCase::Lower, "ａｂｃ　ｘｙｚ"},
        {"中文歌曲𠀀", LetterCase::Upper, "中文歌曲𠀀"},
        {"hello-world 2x", LetterCase::Title, "Hello-World 2x"},
        {"o'neil MCDONALD", LetterCase::Title, "O'Neil Mcdonald"},
        {"中a 歌b_c", LetterCase::Title, "中a 歌b_C"},
        {"ΟΔΟΣ привет ＡＢＣ", LetterCase::Title, "Οδος Привет Ａｂｃ"},
        {"\xFF"
         "ab \xC3",
         LetterCase::Upper,
         "\xFF"
         "AB \xC3"},
        {"a\xFF"
         "b",
         LetterCase::Title,
         "A\xFF"
         "B"},
    };
    for (const CaseCase &c : cases) {
        SCOPED_TRACE(std::string(c.text));
        EXPECT_EQ(change_case(c.text, c.mode), c.expected);
    }
}

} // namespace
} // namespace tarvendi::rules
