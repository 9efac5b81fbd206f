#include "display_text.h"

#include "encoding.h"

#include <algorithm>

namespace tarvendi::platform {

namespace {

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

} // namespace

std::string display_text(std::string_view gb18030) {
    if (std::all_of(gb18030.begin(), gb18030.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(gb18030);
    if (auto whole = name_to_disk(gb18030))
        return *whole;
    std::string out;
    for (std::size_t i = 0; i < gb18030.size();) {
        const std::size_t len = unit_length(gb18030, i);
        const auto unit = name_to_disk(gb18030.substr(i, len));
        out += unit ? *unit : std::string("\xEF\xBF\xBD");
        i += len;
    }
    return out;
}

std::string typed_text(std::string_view utf8) {
    return name_from_disk(utf8);
}

} // namespace tarvendi::platform
