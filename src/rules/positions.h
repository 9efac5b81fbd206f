#pragma once
// Byte-exact cuts and insertions at the 1-based positions that users type. Positions and lengths
// are 64-bit so that sums and differences of any two 32-bit parameters stay exact; every value,
// however far outside the text, is clamped to it rather than rejected.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarvendi::rules {

// 0-based offset for inserting before the byte at 1-based position `pos` of a text of `size`
// bytes: the front for pos <= 1, the end for pos past the last byte.
std::size_t insert_offset(std::int64_t pos, std::size_t size);

// Removes the bytes start .. start + length - 1 (1-based) from s and returns them; the stretch is
// shortened when s ends sooner and is empty when length <= 0, start < 1 or start is past the end.
std::string cut_bytes(std::string &s, std::int64_t start, std::int64_t length);

} // namespace tarvendi::rules
