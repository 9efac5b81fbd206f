#pragma once
// Rules that move a stretch of bytes within a name. They work on the item's whole text (folder
// part and directory brackets included), count 1-based byte positions, and do not trim: a stretch
// that begins or ends inside a Chinese character takes half of it along, as the user set it.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {

// Cuts `length` bytes at `start` and puts them back before the byte that stood at `target` in the
// old name: target <= 1 for the front, a target past the end (999) for the end. The stretch never
// goes behind the start of the extension's first occurrence, so "the end" of a name with an
// extension is just before it; a target inside the stretch or right behind it changes nothing.
// A start below 1 is moved to 1 and the length shortened by as many bytes, so the stretch still
// ends where start + length - 1 says; length <= 0 or a start past the end changes nothing.
std::string move_substring(std::string_view name, std::int32_t start, std::int32_t length,
                           std::int32_t target);

// Moves the bytes that stand `length` down to `start` bytes before the extension's first
// occurrence (the end of the name when there is no extension) to the front: start = 1, length = 3
// moves the last three bytes before the extension. The name is unchanged when start > length or
// when fewer than `length` bytes stand before the extension. A start below 1 reaches into the
// extension by as many bytes.
std::string tail_to_front(std::string_view name, std::int32_t start, std::int32_t length);

} // namespace tarvendi::rules
