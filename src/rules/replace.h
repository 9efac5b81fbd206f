#pragma once
// The three replace rules: a stretch between two marker texts, the first occurrence of a text,
// and a stretch given by position and length. All texts are GB18030 byte strings; the searches
// match only where a character of the name begins, while lengths and positions count bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {

// Replaces the stretch from the first start_text to the first end_text (searched from the front
// of the name, not from start_text) by tmpl, then fills every "#" run of the whole result with
// the counter and trims it.
// - start_text and end_text are the trimmed field texts; end_length is the byte length of the end
//   field as typed, so blanks typed around the end text lengthen the stretch by their number.
// - Nothing is replaced when start_text is empty or absent; an absent end_text counts as found at
//   position 0, which usually deletes nothing and puts tmpl in front of start_text.
// - With cut_ext the extension is cut from the name first (cut_extension) and not put back.
std::string range_replace(std::string_view name, std::string_view start_text,
                          std::string_view end_text, std::size_t end_length, std::string_view tmpl,
                          std::int32_t counter, bool cut_ext);

// Deletes find_length bytes at the first occurrence of `find` and inserts `replacement` there
// literally ("#" is not filled), then trims. `find` is the trimmed search field and find_length
// the byte length of that field as typed. An empty or absent `find` only trims the name. cut_ext
// cuts the extension first, as in range_replace.
std::string text_replace(std::string_view name, std::string_view find, std::size_t find_length,
                         std::string_view replacement, bool cut_ext);

// Deletes `length` bytes at the 1-based byte `position` (nothing when position < 1, position is
// past the end or length < 1), inserts tmpl there (in front for position < 1, appended for a
// position past the end), fills every "#" run of the whole result with the counter and trims.
std::string sequence_replace(std::string_view name, std::int32_t position, std::int32_t length,
                             std::string_view tmpl, std::int32_t counter);

} // namespace tarvendi::rules
