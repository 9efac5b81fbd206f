// Name conversion between the disk (UTF-8) and the rules (GB18030) on arbitrary bytes, read both
// ways. Traps when a property that renaming relies on breaks: a name that converts without loss
// comes back as the very same bytes, one that does not never converts back at all (so no rename
// can reach another file through it), and every text for the disk or the screen is well-formed
// UTF-8.

#include "display_text.h"
#include "encoding.h"

#include <cstdint>

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

void check_from_disk(std::string_view utf8) {
    bool lossless = false;
    const std::string gb18030 = name_from_disk(utf8, &lossless);
    require(typed_text(utf8) == gb18030);
    require(lossless || gb18030.find('\xFF') != std::string::npos);
    require(is_utf8(utf8) || !lossless);
    const auto back = name_to_disk(gb18030);
    if (lossless)
        require(back == utf8);
    else
        require(!back);
    require(is_utf8(display_text(gb18030)));
}

void check_to_disk(std::string_view gb18030) {
    const auto utf8 = name_to_disk(gb18030);
    const std::string shown = display_text(gb18030);
    require(is_utf8(shown));
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
