#include "numerals.h"

#include "text.h"

namespace tarvendi::rules {

namespace {

// The GB18030 bytes of 一 .. 九, in the order of their digits, and of 十.
constexpr std::string_view kOneToNine[] = {
    "\xD2\xBB", "\xB6\xFE", "\xC8\xFD", "\xCB\xC4", "\xCE\xE5",
    "\xC1\xF9", "\xC6\xDF", "\xB0\xCB", "\xBE\xC5",
};
constexpr std::string_view kTen = "\xCA\xAE";

// The digit for the two-byte character c, or 0 when it is not a numeral to convert.
char digit_of(std::string_view c, bool ten_to_one) {
    for (int d = 0; d < 9; ++d) {
        if (c == kOneToNine[d])
            return static_cast<char>('1' + d);
    }
    return ten_to_one && c == kTen ? '1' : '\0';
}

} // namespace

std::string numerals_to_digits(std::string_view name, bool ten_to_one) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t len = char_length(name, i);
        const std::string_view c = name.substr(i, len);
        const char digit = len == 2 ? digit_of(c, ten_to_one) : '\0';
        if (digit != '\0')
            out += digit;
        else
            out += c;
        i += len;
    }
    return trim(out);
}

} // namespace tarvendi::rules
