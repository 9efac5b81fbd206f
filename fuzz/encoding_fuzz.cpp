// Name conversion between the disk (UTF-8) and the rules (GB18030) on arbitrary bytes, read both
// ways. Traps when a property that renaming relies on breaks: a name that converts without loss
// comes back as the very same bytes, one that does not never converts back at all (so no rename
// can reach another file through it) yet still holds every disk byte, and every text for the
// disk or the screen is well-formed UTF-8, a quoted name one line.

#include "display_text.h"
#include "encoding.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

using namespace tarvendi::platform;

void require(bool holds) {
    if (!holds)
        __builtin_trap();
}

// Well-formed UTF-8: every sequence decodes, in its shortest form, to a scalar value (no
// surrogate, nothing past U+10FFFF). Decodes rather than checks byte ranges, so that it does not
// share a mistake with the converter's own check.
bool is_utf8(std::string_view s) {
    constexpr std::uint32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        std::size_t len = 1;
        std::uint32_t cp = lead;
        if (lead >= 0x80) {
            if ((lead & 0xE0) == 0xC0)
                len = 2;
            else if ((lead & 0xF0) == 0xE0)
                len = 3;
            else if ((lead & 0xF8) == 0xF0)
                len = 4;
            else
                return false;
            if (s.size() - i < len)
                return false;
            cp = lead & (0x7F >> len);
            for (std::size_t k = 1; k < len; ++k) {
                const auto b = static_cast<unsigned char>(s[i + k]);
                if ((b & 0xC0) != 0x80)
                    return false;
                cp = cp << 6 | (b & 0x3F);
            }
            if (cp < kShortest[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
                return false;
        }
        i += len;
    }
    return true;
}

// The disk bytes a name read from disk stands for: each marker gives back its byte, the runs
// between markers convert back. Walks GB18030 units itself (lead byte, then a digit for the
// four-byte form) rather than sharing the display code's walk.
std::optional<std::string> disk_bytes(std::string_view gb18030) {
    std::string out;
    std::size_t run = 0;
    const auto flush = [&](std::size_t end) {
        const auto utf8 = name_to_disk(gb18030.substr(run, end - run));
        if (utf8)
            out += *utf8;
        return utf8.has_value();
    };
    for (std::size_t i = 0; i < gb18030.size();) {
        const auto lead = static_cast<unsigned char>(gb18030[i]);
        std::size_t len = 1;
        if (lead >= 0x81 && lead <= 0xFE && i + 1 < gb18030.size())
            len = gb18030[i + 1] >= '0' && gb18030[i + 1] <= '9' ? 4 : 2;
        if (const auto b = undecodable_disk_byte(gb18030.substr(i, len))) {
            if (!flush(i))
                return std::nullopt;
            out.push_back(static_cast<char>(*b));
            run = i + len;
        }
        i += len;
    }
    if (!flush(gb18030.size()))
        return std::nullopt;
    return out;
}

// One line: no byte below 0x20 and no DEL, whatever the name holds.
bool is_one_line(std::string_view s) {
    return std::none_of(s.begin(), s.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; });
}

void check_from_disk(std::string_view utf8) {
    bool lossless = false;
    const std::string gb18030 = name_from_disk(utf8, &lossless);
    require(typed_text(utf8) == gb18030);
    require(disk_bytes(gb18030) == utf8);
    require(is_utf8(utf8) || !lossless);
    const auto back = name_to_disk(gb18030);
    if (lossless)
        require(back == utf8);
    else
        require(!back);
    require(is_utf8(display_text(gb18030)));
    const std::string quoted = escaped_text(gb18030);
    require(is_utf8(quoted) && is_one_line(quoted));
}

void check_to_disk(std::string_view gb18030) {
    const auto utf8 = name_to_disk(gb18030);
    const std::string shown = display_text(gb18030);
    require(is_utf8(shown));
    const std::string quoted = escaped_text(gb18030);
    require(is_utf8(quoted) && is_one_line(quoted));
    if (!utf8)
        return;
    require(is_utf8(*utf8) && shown == *utf8);
    bool lossless = false;
    require(name_from_disk(*utf8, &lossless) == gb18030 && lossless);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    check_from_disk(input);
    check_to_disk(input);
    return 0;
}
