#pragma once
// Chinese numeral characters to ASCII digits, one character for one digit.

#include <string>
#include <string_view>

namespace tarvendi::rules {

// Replaces each of 一 二 三 四 五 六 七 八 九 by its digit "1".."9", and 十 by "1" only when
// ten_to_one is set, everywhere in the name, extension and folder part included; then trims.
// Numerals match only as whole characters, never across two neighbouring characters (the bytes of
// 八 straddle 前说). There is no digit for 零, 百 or 千: this is no reading of numbers, so 二十一
// with ten_to_one becomes "211".
std::string numerals_to_digits(std::string_view name, bool ten_to_one);

} // namespace tarvendi::rules
