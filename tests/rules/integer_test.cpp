#include "integer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvendi::rules {
namespace {

struct IntCase {
    std::string_view text;
    std::optional<std::int32_t> expected;
};

TEST(ParseInt, ReadsWholeNumbersLikeTheFieldsAlwaysHave) {
    const IntCase cases[] = {
        {"1", 1},
        {" 12", 12},
        {"   -12", -12},
        {"-5", -5},
        {"+7", 7},
        {"007", 7},
        {"$1F", 31},
        {"0x10", 16},
        {"0X1f", 31},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"$7FFFFFFF", INT32_MAX},
        {"$80000000", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"12 ", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"abc", std::nullopt},
        {"1a", std::nullopt},
        {"+-1", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"$100000000", std::nullopt},
        {"$G", std::nullopt},
        {"\xA3\xB1", std::nullopt}, // １ (full-width digit)
    };
    for (const IntCase &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parse_int(c.text), c.expected);
    }
}

} // namespace
} // namespace tarvendi::rules
