#include "wildcard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvendi::rules {
namespace {

// 7 March 2009, 08:05:04.
constexpr Timestamp kTime{2009, 3, 7, 8, 5, 4};

struct WildcardCase {
    const char *why;
    std::string_view name;
    std::string_view tmpl;
    std::int32_t counter;
    std::optional<Timestamp> time;
    std::string expected;
};

TEST(WildcardRename, Table) {
    const WildcardCase cases[] = {
        {"number and base", "song.mp3", "##-*", 1, kTime, "01-song.mp3"},
        {"base and number", "song.mp3", "*-###", 1, kTime, "song-001.mp3"},
        {"number with a dot", "song.mp3", "###.*", 1, kTime, "001.song.mp3"},
        {"only the last digits", "song.mp3", "##-*", 100, kTime, "00-song.mp3"},
        {"base cut at the first extension", "a.txt.txt", "*", 1, kTime, "a.txt"},
        {"empty template", "song.mp3", "", 1, kTime, ".mp3"},
        {"blank template", "song.mp3", "   ", 1, kTime, ".mp3"},
        {"template holding the extension", "song.mp3", "*.mp3", 1, kTime, "song.mp3"},
        {"template trimmed", "song.mp3", "  ##-*  ", 1, kTime, "01-song.mp3"},
        {"base trimmed", " song.mp3", "##-*", 1, kTime, "01-song.mp3"},
        {"date", "song.mp3", "###-/-*", 1, kTime, "001-20090307-song.mp3"},
        {"time", "song.mp3", "###:-*", 1, kTime, "00108.05.04-song.mp3"},
        {"date and time", "song.mp3", "###-/ :-*", 1, kTime, "001-20090307 08.05.04-song.mp3"},
        {"every date token", "song.mp3", "/-/", 1, kTime, "20090307-20090307.mp3"},
        {"no date: first dropped", "song.mp3", "/-*", 1, std::nullopt, "-song.mp3"},
        {"no date: second kept", "song.mp3", "/-/-*", 1, std::nullopt, "-/-song.mp3"},
        {"no time: second kept", "song.mp3", ":a:", 1, std::nullopt, "a:.mp3"},
        {"folder without extension", "abc", "*-##", 1, std::nullopt, "abc-01"},
        {"full path gives a bare name", "/music/song.mp3", "##-*", 3, kTime, "03-song.mp3"},
        {"star in the name is text", "a*b.mp3", "*-*", 1, kTime, "a*b-a*b.mp3"},
        {"colon in the name is text", "a:b.mp3", "*", 1, kTime, "a:b.mp3"},
        {"hash in the name is text", "C#.mp3", "##-*", 1, kTime, "01-C#.mp3"},
        // 出水莲.mp3
        {"Chinese base", "\xB3\xF6\xCB\xAE\xC1\xAB.mp3", "##-*", 1, kTime,
         "01-\xB3\xF6\xCB\xAE\xC1\xAB.mp3"},
    };
    for (const WildcardCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(wildcard_rename(c.name, c.tmpl, c.counter, c.time), c.expected);
    }
}

struct NeedsTimeCase {
    std::string_view tmpl;
    bool expected;
};

TEST(WildcardNeedsTime, SeesDateAndTimeTokens) {
    const NeedsTimeCase cases[] = {
        {"##-*", false}, {"", false}, {"###-/-*", true}, {"a:b", true}, {"\xD5\x5A", false},
    };
    for (const NeedsTimeCase &c : cases) {
        SCOPED_TRACE(c.tmpl);
        EXPECT_EQ(wildcard_needs_time(c.tmpl), c.expected);
    }
}

} // namespace
} // namespace tarvendi::rules
