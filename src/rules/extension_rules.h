#pragma once
// Rules that take the bare name of an item apart at its extension: a new extension, and zeros in
// front of the rest. Both drop any folder part of the item, so their results are bare names.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {

// Gives the bare, trimmed name a new extension. new_ext is the field's text as typed: it is
// trimmed here and otherwise taken as it stands, so an empty one leaves the name ending in "."
// and one typed with its own dot gives two dots ("a..wav"); the field asks for the extension
// without its dot, and the name shows the user at once what was typed.
// The old extension is deleted together with the byte after it at its FIRST occurrence in the
// name, which for x.mp3.backup.mp3 is not the end of the name.
std::string change_extension(std::string_view name, std::string_view new_ext);

// Results of pad_name never grow beyond this many bytes before the extension: far longer than
// any file name a file system accepts, so such a rename is refused either way, and a mistyped
// width cannot make a single name take gigabytes.
inline constexpr std::size_t kMaxPaddedLength = 4096;

// Puts "0" in front of the bare, trimmed name without its extension until it is `width` bytes
// long (a Chinese character counts two), then appends the extension and trims. Names already as
// long, and widths below 1, leave the name as it is apart from the folder part and trimming.
std::string pad_name(std::string_view name, std::int32_t width);

} // namespace tarvendi::rules
