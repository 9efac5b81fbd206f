#include "tag_template.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {
namespace {

struct TagCase {
    const char *why;
    std::string_view tmpl;
    std::int32_t counter;
    std::string_view title;
    std::string_view artist;
    std::string_view ext;
    std::string expected;
};

TEST(IsMp3Name, LowerCasedExtensionOnly) {
    const std::pair<std::string_view, bool> cases[] = {
        {"song.mp3", true},      {"SONG.MP3", true},   {"a.Mp3", true},
        {"song.mp3.bak", false}, {"mp3", false},       {".mp3", true},
        {"dir.mp3/song", false}, {"song.mp3 ", false}, {"/music/x.MP3", true},
    };
    for (const auto &[name, expected] : cases)
        EXPECT_EQ(is_mp3_name(name), expected) << name;
}

TEST(TagTemplate, Table) {
    const TagCase cases[] = {
        {"default template", "##_@_$", 1, "T", "A", ".mp3", "01_T_A.mp3"},
        {"extension as written", "##_@_$", 2, "U", "B", ".MP3", "02_U_B.MP3"},
        {"every title token", "@@", 1, "T", "A", ".mp3", "TT.mp3"},
        {"number only", "###", 7, "T", "A", ".mp3", "007.mp3"},
        {"negative number", "###", -3, "T", "A", ".mp3", "0-3.mp3"},
        {"at sign from the title stays", "@", 1, "a@b", "Z", ".mp3", "a@b.mp3"},
        {"dollar from the title replaced", "@", 1, "x$y", "Z", ".mp3", "xZy.mp3"},
        {"dollar from the artist stays", "$", 1, "T", "a$b", ".mp3", "a$b.mp3"},
        {"at sign from the artist stays", "$", 1, "T", "a@b", ".mp3", "a@b.mp3"},
        {"hash from the title stays", "##@", 5, "C#", "A", ".mp3", "05C#.mp3"},
        {"empty template", "", 1, "T", "A", ".mp3", ".mp3"},
        {"blank template", "   ", 1, "T", "A", ".mp3", ".mp3"},
        {"template trimmed before the extension", "  @  ", 1, "T", "A", ".mp3", "T.mp3"},
        {"empty tag", "##_@_$", 3, "", "", ".mp3", "03__.mp3"},
        {"result trimmed", "@", 1, " T ", "A", ".mp3", "T .mp3"},
        // 這@: the second byte of 這 (DF 40) is "@" and no token.
        {"token inside a character", "\xDF\x40@", 1, "T", "A", ".mp3", "\xDF\x40T.mp3"},
        // The title ends in half of 語 (D5): the template's "$" is still a token.
        {"title cut inside a character", "@$", 1, "a\xD5", "Z", ".mp3", "a\xD5Z.mp3"},
    };
    for (const TagCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(tag_template(c.tmpl, c.counter, c.title, c.artist, c.ext), c.expected);
    }
}

} // namespace
} // namespace tarvendi::rules
