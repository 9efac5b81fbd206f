#pragma once
// Whole-number fields are read the way users of this program have always typed them: optional
// leading blanks, an optional sign, then decimal digits or a "$"/"0x" hexadecimal form.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvendi::rules {

// The value of text, or nothing when the text is empty, malformed, has trailing characters or
// lies outside the 32-bit signed range (hexadecimal forms may spell the full 32-bit pattern).
std::optional<std::int32_t> parse_int(std::string_view text);

} // namespace tarvendi::rules
