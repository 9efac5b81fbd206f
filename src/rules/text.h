#pragma once
// Text helpers shared by every rename rule.
//
// Every text here is a byte string in GB18030 (identical to GBK for every GBK character, so a
// Chinese character is two bytes). Positions given to or returned by these helpers are 0-based
// byte offsets; the rule functions built on them convert from the 1-based positions users type.
// Searches match only where a character begins: a byte from 0x81 to 0xFE starts a two-byte unit
// together with the byte after it, or a four-byte character when a digit, another such byte and
// another digit follow (GB18030's four-byte form); every other byte is a character of its own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {

// The only folder separator of names and paths.
inline constexpr char kSeparator = '/';

// True when b begins a two-byte unit.
constexpr bool is_lead_byte(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}

// Byte length of the character that starts at offset i (1, 2 or 4; 1 for a lead byte at the end).
std::size_t char_length(std::string_view s, std::size_t i);

// Offset of the first occurrence of needle in hay at or after `from` that begins on a character
// boundary of hay; npos when there is none or needle is empty. `from` must be a boundary.
std::size_t find_text(std::string_view hay, std::string_view needle, std::size_t from = 0);

// Removes the bytes of value 32 or less at both ends.
std::string trim(std::string_view s);
// The same as a view into s.
std::string_view trimmed(std::string_view s);

// ASCII letters turned to lower case; the bytes of a Chinese character stay as they are, so
// names compared through it differ only where their letters differ in case.
std::string ascii_lower(std::string_view s);

// Offset just after the last separator (0 when there is none).
std::size_t file_name_start(std::string_view name);

// The part after the last separator: the whole name when there is none.
std::string file_name_part(std::string_view name);

// The part before the last separator, without it; empty when there is none.
std::string folder_part(std::string_view name);

// From the last "." after the last separator to the end, dot included; empty when there is none.
std::string extension(std::string_view name);

// The name without folder part and without extension (the "文件名" buttons fill fields with it).
std::string base_name(std::string_view name);

// Deletes up to 20 bytes of name from the first occurrence of ext; nothing when ext is empty or
// absent. The fixed 20 (not ext's length) is how the rules have always dropped extensions.
std::string cut_extension(std::string_view name, std::string_view ext);

// Replaces the first occurrence of old_text by new_text; when old_text does not occur (or is
// empty), new_text is put in front.
std::string replace_first(std::string_view s, std::string_view old_text, std::string_view new_text);

// "000000" followed by the decimal form of n (with "-" when negative).
std::string sequence_digits(std::int32_t n);

// Fills every run of "#" from its right end with the right-most bytes of digits; a run longer
// than digits gets "0" in its remaining left positions.
std::string fill_sequence(std::string_view tmpl, std::string_view digits);

// fill_sequence(tmpl, sequence_digits(counter)).
std::string fill_counter(std::string_view tmpl, std::int32_t counter);

} // namespace tarvendi::rules
