// What a folder's file system lets its names be: whether it folds case, and the names that the
// file systems of Windows media cannot hold.

#include "file_system_kind.h"
#include "filesystem.h"
#include "utf8.h"

#include <algorithm>

#include <locale.h>
#include <wctype.h>

namespace tarvendi::platform {

namespace {

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
        char32_t value = 0;
        const std::size_t length =
            std::max<std::size_t>(1, rules::decode_utf8(disk_name, at, value));
        if (length == 1 && (value < 32 || std::string_view(R"("*:<>?\|)").find(disk_name[at]) !=
                                              std::string_view::npos))
            return false;
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
        char32_t value = 0;
        const std::size_t length =
            std::max<std::size_t>(1, rules::decode_utf8(disk_name, at, value));
        if (length == 1) {
            // ASCII, or a byte that is not UTF-8 and stays as it is
            const char c = disk_name[at];
            out += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        } else {
            // A letter whose other case is longer or shorter in UTF-8 stays as it is, so that a
            // folded name is as long as the name.
            const std::size_t before = out.size();
            rules::append_utf8(
                locale ? static_cast<char32_t>(::towupper_l(static_cast<wint_t>(value), locale))
                       : value,
                out);
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
