#include "numerals.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tarvendi::rules {
namespace {

struct NumeralCase {
    const char *why;
    std::string_view name;
    bool ten_to_one;
    std::string expected;
};

TEST(NumeralsToDigits, Table) {
    const NumeralCase cases[] = {
        // 第三集.rmvb -> 第3集.rmvb
        {"one numeral", "\xB5\xDA\xC8\xFD\xBC\xAF.rmvb", false,
         "\xB5\xDA"
         "3\xBC\xAF.rmvb"},
        // 第十二集.avi
        {"ten kept", "\xB5\xDA\xCA\xAE\xB6\xFE\xBC\xAF.avi", false,
         "\xB5\xDA\xCA\xAE"
         "2\xBC\xAF.avi"},
        {"ten to one", "\xB5\xDA\xCA\xAE\xB6\xFE\xBC\xAF.avi", true,
         "\xB5\xDA"
         "12\xBC\xAF.avi"},
        // 第十集.avi
        {"ten alone", "\xB5\xDA\xCA\xAE\xBC\xAF.avi", true,
         "\xB5\xDA"
         "1\xBC\xAF.avi"},
        // 二十一.txt
        {"no reading of numbers", "\xB6\xFE\xCA\xAE\xD2\xBB.txt", true, "211.txt"},
        // 一一.txt
        {"every occurrence", "\xD2\xBB\xD2\xBB.txt", false, "11.txt"},
        // 一二三四五六七八九
        {"all nine", "\xD2\xBB\xB6\xFE\xC8\xFD\xCB\xC4\xCE\xE5\xC1\xF9\xC6\xDF\xB0\xCB\xBE\xC5",
         false, "123456789"},
        // 前说.txt = C7 B0 CB B5: the bytes B0 CB of 八 straddle the two characters.
        {"eight straddling", "\xC7\xB0\xCB\xB5.txt", false, "\xC7\xB0\xCB\xB5.txt"},
        // 人你.txt = C8 CB C4 E3: the bytes CB C4 of 四 straddle the two characters.
        {"four straddling", "\xC8\xCB\xC4\xE3.txt", false, "\xC8\xCB\xC4\xE3.txt"},
        // 第零集.mp4
        {"no zero", "\xB5\xDA\xC1\xE3\xBC\xAF.mp4", true, "\xB5\xDA\xC1\xE3\xBC\xAF.mp4"},
        // a.三 and 三/a: extension and folder part are converted too.
        {"extension converted", "a.\xC8\xFD", false, "a.3"},
        {"folder part converted", "\xC8\xFD/a", false, "3/a"},
        {"trimmed", " \xD2\xBB ", false, "1"},
        // 😀 (94 39 FC 36) is no numeral.
        {"four-byte character", "\x94\x39\xFC\x36", true, "\x94\x39\xFC\x36"},
    };
    for (const NumeralCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(numerals_to_digits(c.name, c.ten_to_one), c.expected);
    }
}

} // namespace
} // namespace tarvendi::rules
