#include "reorder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {
namespace {

struct MoveCase {
    const char *why;
    std::string_view name;
    std::int32_t start;
    std::int32_t length;
    std::int32_t target;
    std::string expected;
};

TEST(MoveSubstring, Table) {
    const MoveCase cases[] = {
        {"defaults: just before the extension", "ABCDEFGH.txt", 1, 6, 999, "GHABCDEF.txt"},
        {"to the front", "ABCDEFGH.txt", 4, 2, 0, "DEABCFGH.txt"},
        {"target 1 is the front", "ABCDEF", 3, 2, 1, "CDABEF"},
        {"target counts in the old name", "ABCDEFGH.txt", 1, 2, 5, "CDABEFGH.txt"},
        {"target right behind the stretch", "ABCDEFGH.txt", 2, 3, 5, "ABCDEFGH.txt"},
        {"target inside the stretch", "ABCDEFGH.txt", 2, 3, 3, "ABCDEFGH.txt"},
        // 01歌曲.mp3 -> 歌曲01.mp3
        {"Chinese name", "01\xB8\xE8\xC7\xFA.mp3", 1, 2, 999,
         "\xB8\xE8\xC7\xFA"
         "01.mp3"},
        // 歌曲: the stretch E8 C7 takes half of each character along.
        {"byte-exact halves", "\xB8\xE8\xC7\xFA", 2, 2, 999, "\xB8\xFA\xE8\xC7"},
        {"no extension: the end", "ABCDEF", 1, 2, 999, "CDEFAB"},
        {"first occurrence of the extension", "ab.mp3 cd.mp3", 1, 1, 999, "ba.mp3 cd.mp3"},
        {"stretch shortened at the end", "ABCDEF", 5, 10, 1, "EFABCD"},
        {"start past the end", "ABC", 5, 2, 1, "ABC"},
        {"length 0", "ABCDEF", 2, 0, 999, "ABCDEF"},
        {"start 0 shortens the stretch", "ABCDEF", 0, 3, 4, "CABDEF"},
        {"start below 1 leaves nothing", "ABCDEF", -1, 2, 4, "ABCDEF"},
        {"stretch with the extension", "ABC.txt", 2, 100, 0, "BC.txtA"},
        {"lowest start", "ABCDEF", INT32_MIN, INT32_MAX, INT32_MAX, "ABCDEF"},
        {"longest stretch to the front", "ABCDEF", 1, INT32_MAX, INT32_MIN, "ABCDEF"},
        {"highest values", "ABC.txt", INT32_MAX, INT32_MAX, INT32_MAX, "ABC.txt"},
        {"lowest length", "ABCDEF", 2, INT32_MIN, INT32_MAX, "ABCDEF"},
        {"last byte to the front", "ABCDEF", 6, 1, INT32_MIN, "FABCDE"},
    };
    for (const MoveCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(move_substring(c.name, c.start, c.length, c.target), c.expected);
    }
}

struct TailCase {
    const char *why;
    std::string_view name;
    std::int32_t start;
    std::int32_t length;
    std::string expected;
};

TEST(TailToFront, Table) {
    const TailCase cases[] = {
        {"defaults", "song001.mp3", 1, 3, "001song.mp3"},
        {"stretch ending before the last byte", "abc123.txt", 2, 3, "12abc3.txt"},
        {"no extension", "abcdef", 1, 3, "defabc"},
        {"too short", "ab.txt", 1, 3, "ab.txt"},
        {"exactly long enough", "abc.txt", 1, 3, "abc.txt"},
        {"start beyond length", "song001.mp3", 4, 3, "song001.mp3"},
        {"first occurrence of the extension", "abcd.mp3 live.mp3", 1, 2, "cdab.mp3 live.mp3"},
        // 歌曲01.mp3 -> 01歌曲.mp3
        {"Chinese name",
         "\xB8\xE8\xC7\xFA"
         "01.mp3",
         1, 2, "01\xB8\xE8\xC7\xFA.mp3"},
        {"start 0 reaches into the extension", "abc.txt", 0, 2, "bc.atxt"},
        {"start 0 without extension", "abc", 0, 1, "cab"},
        {"lowest start", "abcdef", INT32_MIN, 3, "defabc"},
        {"highest length", "abcdef", 1, INT32_MAX, "abcdef"},
        {"lowest length", "abcdef", INT32_MAX, INT32_MIN, "abcdef"},
        {"empty name", "", 1, 0, ""},
    };
    for (const TailCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(tail_to_front(c.name, c.start, c.length), c.expected);
    }
}

} // namespace
} // namespace tarvendi::rules
