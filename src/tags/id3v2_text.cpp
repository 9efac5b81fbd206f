#include "id3v2_text.h"

#include "display_text.h"
#include "encoding.h"

namespace tarvendi::tags {

namespace {

bool high(unsigned char c) {
    return c >= 0x80;
}

bool ascii_letter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool latin1_letter(unsigned char c) {
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

bool plausible_latin1(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        if (!high(static_cast<unsigned char>(bytes[i]))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < bytes.size() && high(static_cast<unsigned char>(bytes[end])))
            ++end;
        const auto at = [&](std::size_t k) {
            return static_cast<unsigned char>(bytes[k]);
        };
        const bool in_word = i > 0 && end < bytes.size() && ascii_letter(at(i - 1)) &&
                             ascii_letter(at(end)) && latin1_letter(at(i)) &&
                             latin1_letter(at(end - 1));
        if (end - i > 2 || (end - i == 2 && !in_word))
            return false;
        i = end;
    }
    return true;
}

std::string from_latin1(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (u >> 6));
            utf8 += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return platform::typed_text(utf8);
}

} // namespace

std::string latin1_frame_text(std::string_view bytes) {
    if (!platform::is_ascii(bytes) && !plausible_latin1(bytes) &&
        platform::name_to_disk(bytes).has_value())
        return std::string(bytes);
    return from_latin1(bytes);
}

} // namespace tarvendi::tags
