#include "display_text.h"

#include "encoding.h"

#include <algorithm>

namespace tarvendi::platform {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Byte length of the GB18030 unit at i: 1, 2 or 4 (4 when a digit follows the lead byte).
std::size_t unit_length(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x81 || b > 0xFE || i + 1 >= s.size())
        return 1;
    const auto b2 = static_cast<unsigned char>(s[i + 1]);
    if (b2 >= 0x30 && b2 <= 0x39)
        return std::min<std::size_t>(4, s.size() - i);
    return 2;
}

bool needs_escape(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F || c == '\\';
}

void append_byte_escape(unsigned char b, std::string &out) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
}

// Length of a character at the start of utf8 that breaks or hides a line without being ASCII:
// the C1 controls (U+0080..U+009F, among them U+0085) and the line and paragraph separators
// U+2028 and U+2029; 0 for any other.
std::size_t hidden_break_length(std::string_view utf8) {
    const auto b = [&](std::size_t i) {
        return i < utf8.size() ? static_cast<unsigned char>(utf8[i]) : 0;
    };
    if (b(0) == 0xC2 && b(1) >= 0x80 && b(1) <= 0x9F)
        return 2;
    if (b(0) == 0xE2 && b(1) == 0x80 && (b(2) == 0xA8 || b(2) == 0xA9))
        return 3;
    return 0;
}

bool needs_escape_utf8(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (needs_escape(utf8[i]) || hidden_break_length(utf8.substr(i)) != 0)
            return true;
    }
    return false;
}

// Appends UTF-8 with its control characters, line separators and backslashes escaped (in UTF-8
// a byte below 0x80 is always an ASCII character of its own).
void append_escaped_utf8(std::string_view utf8, std::string &out) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (const std::size_t len = hidden_break_length(utf8.substr(i))) {
            const unsigned code = len == 2
                                      ? static_cast<unsigned char>(utf8[i + 1])
                                      : 0x2000u + (static_cast<unsigned char>(utf8[i + 2]) - 0x80u);
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += kHex[(code >> shift) & 0x0F];
            i += len - 1;
            continue;
        }
        if (!needs_escape(c)) {
            out += c;
            continue;
        }
        switch (c) {
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            append_byte_escape(static_cast<unsigned char>(c), out);
        }
    }
}

// Decodes unit by unit a text that does not convert as a whole. A unit that does not decode
// gives up only its first byte, so that a lead byte cannot take the ASCII byte after it along.
std::string decode_units(std::string_view gb18030, bool escaped) {
    std::string out;
    out.reserve(gb18030.size() * 2);
    for (std::size_t i = 0; i < gb18030.size();) {
        const std::string_view unit = gb18030.substr(i, unit_length(gb18030, i));
        if (const auto disk_byte = undecodable_disk_byte(unit)) {
            if (escaped)
                append_byte_escape(*disk_byte, out);
            else
                out += kReplacement;
            i += unit.size();
        } else if (const auto utf8 = name_to_disk(unit)) {
            if (escaped)
                append_escaped_utf8(*utf8, out);
            else
                out += *utf8;
            i += unit.size();
        } else {
            if (escaped)
                append_byte_escape(static_cast<unsigned char>(unit[0]), out);
            else
                out += kReplacement;
            ++i;
        }
    }
    return out;
}

} // namespace

std::string display_text(std::string_view gb18030) {
    if (is_ascii(gb18030))
        return std::string(gb18030);
    if (auto whole = name_to_disk(gb18030))
        return *whole;
    return decode_units(gb18030, false);
}

std::string escaped_text(std::string_view gb18030) {
    if (std::none_of(gb18030.begin(), gb18030.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80 || needs_escape(c);
        }))
        return std::string(gb18030);
    // Valid GB18030 can hold "\" as the second byte of a character, so controls and backslashes
    // are looked for in the UTF-8, where every byte below 0x80 is a character of its own.
    if (auto whole = name_to_disk(gb18030)) {
        if (!needs_escape_utf8(*whole))
            return *whole;
        std::string out;
        append_escaped_utf8(*whole, out);
        return out;
    }
    return decode_units(gb18030, true);
}

std::string typed_text(std::string_view utf8) {
    return name_from_disk(utf8);
}

} // namespace tarvendi::platform
