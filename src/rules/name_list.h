#pragma once
// The operations of the name-list tools: the name list is a GB18030 text of lines separated by
// "\n" (a byte that no GB18030 character holds), each line a name. Positions are 1-based and
// lengths count bytes; searches match only where a character begins.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::rules {

// The lines of text; a last line that is empty (the text ends with a line break) does not
// count, so "" has no line and "a\n" has one.
std::vector<std::string> list_lines(std::string_view text);

// Rewrites every line of text (as list_lines counts them) by edit(line, index from 0) and puts
// it back where it stood: the line breaks, a final one included, stay as they were.
std::string edit_lines(std::string_view text,
                       const std::function<std::string(const std::string &, std::size_t)> &edit);

// text with lines added after its last line (a final line break of text is not a line, so no
// blank line comes between).
std::string append_lines(std::string_view text, const std::vector<std::string> &lines);

// text with every "\n" written as "\r\n", the form of a saved name list; no break is added.
std::string crlf_lines(std::string_view text);

// The name-list line for a working-list item: its file-name part, without its extension when
// drop_extension (cut_extension, so "[a.b]" loses ".b]"), trimmed.
std::string extracted_name(std::string_view item, bool drop_extension);

// number (from 1), at least two digits wide, then "_", then line: 1 gives "01_", 100 "100_".
std::string numbered_line(std::string_view line, std::size_t number);

// Deletes length bytes at the 1-based start: nothing when start < 1, start is past the end or
// length < 1; up to the end when fewer bytes follow.
std::string delete_stretch(std::string_view line, std::int32_t start, std::int32_t length);

// Replaces the first occurrence of the trimmed typed_find in line: as many bytes as typed_find
// has (blanks typed around it included) are deleted there and replacement goes in. A line
// without an occurrence, or an empty trimmed text, leaves the line as it is.
std::string replace_in_line(std::string_view line, std::string_view typed_find,
                            std::string_view replacement);

// False for a line that must not become a folder even where the file system would take it: its
// last level (after the last separator) is empty, made of blanks only, or holds a byte below 32.
bool folder_line_usable(std::string_view line);

} // namespace tarvendi::rules
