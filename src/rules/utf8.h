#pragma once
// UTF-8 one code point at a time, for the few places that work on the disk's spelling of a name
// rather than on its GB18030 bytes (letter case).

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvendi::rules {

// Decodes the character at i into cp and returns its byte length, or 0 when the bytes there are
// not valid UTF-8 (overlong forms, surrogates and values past U+10FFFF included).
std::size_t decode_utf8(std::string_view s, std::size_t i, char32_t &cp);
// Appends cp (a valid code point) in UTF-8.
void append_utf8(char32_t cp, std::string &out);

} // namespace tarvendi::rules
