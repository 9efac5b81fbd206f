// What a folder's file system lets its names be: whether it folds case, and the names that the
// file systems of Windows media cannot hold.

#include "file_system_kind.h"
#include "filesystem.h"

#include <locale.h>
#include <wctype.h>

namespace tarvendi::platform {

namespace {

// The code point that starts at text[at] and its length in bytes; a byte that does not begin a
// valid UTF-8 sequence stands for itself, one byte long, as no code point (-1).
std::pair<long, std::size_t> code_point(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length > text.size())
        return {-1, 1};
    long value = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {-1, 1};
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    return {value, length};
}

void append_utf8(std::string &out, long value) {
    if (value < 0x80) {
        out += static_cast<char>(value);
    } else if (value < 0x800) {
        out += static_cast<char>(0xC0 | (value >> 6));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        out += static_cast<char>(0xE0 | (value >> 12));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (value >> 18));
        out += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (value & 0x3F));
    }
}

locale_t unicode_locale() {
    static const locale_t locale = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    return locale;
}

} // namespace

NameRules name_rules(const std::string &disk_folder) {
    const char *folder = disk_folder.empty() ? "." : disk_folder.c_str();
    if (file_system_kind(folder) == FileSystemKind::WindowsMedia)
        return {true, true};
    return {folder_folds_case(folder), false};
}

bool windows_allows(std::string_view disk_name) {
    if (disk_name.ends_with('.') || disk_name.ends_with(' '))
        return false;
    std::size_t units = 0; // UTF-16
    for (std::size_t at = 0; at < disk_name.size();) {
        const auto [value, length] = code_point(disk_name, at);
        if (value >= 0 && value < 0x80) {
            const auto c = static_cast<char>(value);
            if (value < 32 || std::string_view(R"("*:<>?\|)").find(c) != std::string_view::npos)
                return false;
        }
        units += value >= 0x10000 ? 2 : 1;
        at += length;
    }
    return units <= 255;
}

std::string folded(std::string_view disk_name) {
    std::string out;
    out.reserve(disk_name.size());
    const locale_t locale = unicode_locale();
    for (std::size_t at = 0; at < disk_name.size();) {
        const auto [value, length] = code_point(disk_name, at);
        if (value < 0x80) {
            const char c = disk_name[at];
            out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        } else {
            // A letter whose other case is longer or shorter in UTF-8 stays as it is, so that a
            // folded name is as long as the name.
            const std::size_t before = out.size();
            append_utf8(out,
                        locale ? static_cast<long>(::towupper_l(static_cast<wint_t>(value), locale))
                               : value);
            if (out.size() - before != length) {
                out.resize(before);
                out.append(disk_name.substr(at, length));
            }
        }
        at += length;
    }
    return out;
}

} // namespace tarvendi::platform
