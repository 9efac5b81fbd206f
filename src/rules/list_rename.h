#pragma once
// New names taken from the lines of a name list, one line per checked item.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {

// True when the numbering template (the field's text; blanks at its ends do not count) puts a
// number in front of each name, that is when the pass raises its counter after each item.
bool list_rename_numbers(std::string_view tmpl);

// The new name for the item `old_name` from its `line` of the name list (empty for an item past
// the last line): the trimmed line, then the old name's extension unless in directory mode (a
// line with its own extension keeps it: "Intro.wav" for a.mp3 gives "Intro.wav.mp3"). When
// list_rename_numbers(tmpl), the trimmed template filled with `counter` goes in front; it keeps
// only the right-most digits that fit ("##-" with 100 gives "00-"). The result is trimmed and
// may be the bare extension.
std::string list_rename(std::string_view old_name, std::string_view line, std::string_view tmpl,
                        std::int32_t counter, bool directory_mode);

} // namespace tarvendi::rules
