#pragma once
// Texts between the GB18030 bytes of the rules and the UTF-8 of the user interface.

#include <string>
#include <string_view>

namespace tarvendi::platform {

// UTF-8 for showing a GB18030 text in a list. A byte that does not decode shows as U+FFFD and
// replaces only itself, so the ASCII after it shows as it is; a disk-byte marker (see
// encoding.h) shows as one U+FFFD. A damaged name is thus still visible, and still refused by
// every rename.
std::string display_text(std::string_view gb18030);

// UTF-8 for a message or report that quotes a name: one line, and two different names never
// read alike. As display_text, except that control characters read as escapes ("\n", "\t",
// "\r", "\x01", "\x7F"), a backslash as "\\", a byte that does not decode as "\x" and its two
// upper-case hex digits, and a disk-byte marker as "\x" and the digits of the disk byte.
std::string escaped_text(std::string_view gb18030);

// GB18030 bytes of a text the user typed (UTF-8).
std::string typed_text(std::string_view utf8);

} // namespace tarvendi::platform
