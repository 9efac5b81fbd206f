#pragma once
// Conversion between the GB18030 bytes that every rule works on and the UTF-8 bytes of Linux
// file names. This is the only place where names change encoding.

#include <optional>
#include <string>
#include <string_view>

namespace tarvendi::platform {

// True when every byte is below 0x80: such a text is the same in UTF-8 and GB18030.
bool is_ascii(std::string_view text);
// True when text is well-formed UTF-8 (no overlong form, surrogate or code point past U+10FFFF).
bool is_utf8(std::string_view text);

// GB18030 bytes of a name read from disk. Each byte that is not valid UTF-8 becomes the marker
// of that byte (see disk_byte_marker), and so does each byte of the few private-use characters
// that glibc's GB18030 lacks: the name still shows, and messages can tell "a\x80" from "a\xFF",
// but it never converts back, so no rename can reach a different file through it. `lossless`
// (optional) tells whether every byte converted.
std::string name_from_disk(std::string_view utf8, bool *lossless = nullptr);

// The four GB18030 bytes 0xFE 0x39 X Y that stand for a disk byte (0x80..0xFF) that did not
// convert: X = 0x81 + (byte - 0x80) / 10, Y = 0x30 + (byte - 0x80) % 10. glibc decodes no
// 0xFE39xxxx sequence, so a name holding a marker is refused by name_to_disk; the rules' walk
// takes a marker as one four-byte character. `byte` must be 0x80..0xFF (ASCII always converts).
std::string disk_byte_marker(unsigned char byte);

// The disk byte that `unit` stands for when it is exactly one marker (four bytes), else nothing.
std::optional<unsigned char> undecodable_disk_byte(std::string_view unit);

// UTF-8 bytes of a GB18030 name, or nothing when it is not valid GB18030 (for example a
// character cut in half by a rule, or a name holding a disk-byte marker) or would not convert
// back to the same bytes.
std::optional<std::string> name_to_disk(std::string_view gb18030);

} // namespace tarvendi::platform
