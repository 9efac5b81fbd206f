#pragma once
// Removal of classes of single-byte characters from the part of a name before its extension.

#include <string>
#include <string_view>

namespace tarvendi::rules {

// The classes of bytes that clean_name removes; any combination may be set. Only bytes below
// 0x80 belong to a class, and only where they stand as a character of their own: the second byte
// of a Chinese character (the "Z" of 語, the "_" of 開) and the digits inside four-byte GB18030
// characters are never removed.
struct CleanClasses {
    bool digits = false;     // "0".."9"
    bool letters = false;    // 0x41..0x7A: "A".."Z", "a".."z" and "[\]^_`" between them
    bool space = false;      // 0x20
    bool hyphen = false;     // "-"
    bool underscore = false; // "_"
    bool brackets = false;   // "[" and "]"
};

// Removes every byte of the chosen classes that stands before the extension (which is kept as it
// is), then trims the whole result. The result may be empty; with no class chosen the name is
// only trimmed.
std::string clean_name(std::string_view name, const CleanClasses &classes);

} // namespace tarvendi::rules
