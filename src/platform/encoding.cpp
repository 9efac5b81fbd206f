#include "encoding.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace tarvendi::platform {
namespace {

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char *to, const char *from)
        : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("glibc has no GB18030 converter (gconv modules missing)");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Appends the conversion of in to out. On an invalid or cut sequence returns false with
    // `consumed` set to the offset of the first byte that did not convert; out then holds the
    // conversion of everything before it.
    bool append(std::string_view in, std::string &out, std::size_t &consumed) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char *src = const_cast<char *>(in.data());
        std::size_t src_left = in.size();
        // Neither direction more than doubles a text; the loop still copes if it did.
        std::size_t room = in.size() * 2 + 8;
        for (;;) {
            const std::size_t start = out.size();
            out.resize(start + room);
            char *dst = out.data() + start;
            std::size_t dst_left = room;
            const std::size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
            const int err = errno;
            out.resize(out.size() - dst_left);
            if (r != static_cast<std::size_t>(-1)) {
                consumed = in.size();
                return true;
            }
            if (err != E2BIG) {
                consumed = in.size() - src_left;
                return false;
            }
        }
    }

private:
    iconv_t cd_;
};

Converter &to_gb18030() {
    thread_local Converter c("GB18030", "UTF-8");
    return c;
}

Converter &to_utf8() {
    thread_local Converter c("UTF-8", "GB18030");
    return c;
}

// Length of the well-formed UTF-8 sequence at the start of s, or 0 when the first byte does not
// begin one (overlong forms, surrogates and values above U+10FFFF are not well-formed).
std::size_t utf8_sequence_length(std::string_view s) {
    const auto b = [&](std::size_t i) {
        return static_cast<unsigned char>(s[i]);
    };
    const unsigned char c = b(0);
    std::size_t len = 0;
    unsigned char lo = 0x80;
    unsigned char hi = 0xBF;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        len = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        len = 3;
        if (c == 0xE0)
            lo = 0xA0;
        else if (c == 0xED)
            hi = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        len = 4;
        if (c == 0xF0)
            lo = 0x90;
        else if (c == 0xF4)
            hi = 0x8F;
    } else {
        return 0;
    }
    if (s.size() < len || b(1) < lo || b(1) > hi)
        return 0;
    for (std::size_t i = 2; i < len; ++i) {
        if (b(i) < 0x80 || b(i) > 0xBF)
            return 0;
    }
    return len;
}

void append_markers(std::string_view disk_bytes, std::string &out) {
    for (const char b : disk_bytes)
        out += disk_byte_marker(static_cast<unsigned char>(b));
}

// Converts a well-formed UTF-8 run. A character that glibc's GB18030 cannot hold (24 private-use
// characters such as U+E78D) is treated like invalid input: a marker per byte.
bool append_run(std::string_view run, std::string &out) {
    bool lossless = true;
    while (!run.empty()) {
        std::size_t consumed = 0;
        if (to_gb18030().append(run, out, consumed))
            break;
        const std::size_t bad =
            std::max<std::size_t>(1, utf8_sequence_length(run.substr(consumed)));
        append_markers(run.substr(consumed, bad), out);
        run.remove_prefix(consumed + bad);
        lossless = false;
    }
    return lossless;
}

constexpr unsigned char kMarkerLead = 0xFE;
constexpr unsigned char kMarkerSecond = 0x39;

} // namespace

bool is_utf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = c < 0x80                 ? 1
                                   : c >= 0xC2 && c <= 0xDF ? 2
                                   : c >= 0xE0 && c <= 0xEF ? 3
                                   : c >= 0xF0 && c <= 0xF4 ? 4
                                                            : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        }
        const auto second = static_cast<unsigned char>(length > 1 ? text[i + 1] : 0);
        // Overlong forms, surrogates and code points past U+10FFFF.
        if ((c == 0xE0 && second < 0xA0) || (c == 0xED && second > 0x9F) ||
            (c == 0xF0 && second < 0x90) || (c == 0xF4 && second > 0x8F))
            return false;
        i += length;
    }
    return true;
}

bool is_ascii(std::string_view s) {
    // Without an early exit the loop runs many bytes at a time; names are short.
    unsigned char all = 0;
    for (const char c : s)
        all |= static_cast<unsigned char>(c);
    return all < 0x80;
}

std::string name_from_disk(std::string_view utf8, bool *lossless) {
    if (lossless)
        *lossless = true;
    if (is_ascii(utf8))
        return std::string(utf8);

    std::string out;
    out.reserve(utf8.size() + 8);
    bool all_valid = true;
    std::size_t run_start = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t len = utf8_sequence_length(utf8.substr(i));
        if (len != 0) {
            i += len;
            continue;
        }
        all_valid &= append_run(utf8.substr(run_start, i - run_start), out);
        append_markers(utf8.substr(i, 1), out);
        all_valid = false;
        run_start = ++i;
    }
    all_valid &= append_run(utf8.substr(run_start), out);
    if (lossless)
        *lossless = all_valid;
    return out;
}

std::string disk_byte_marker(unsigned char byte) {
    const int index = byte - 0x80;
    return {static_cast<char>(kMarkerLead), static_cast<char>(kMarkerSecond),
            static_cast<char>(0x81 + index / 10), static_cast<char>(0x30 + index % 10)};
}

std::optional<unsigned char> undecodable_disk_byte(std::string_view unit) {
    const auto b = [&](std::size_t i) {
        return static_cast<unsigned char>(unit[i]);
    };
    if (unit.size() != 4 || b(0) != kMarkerLead || b(1) != kMarkerSecond || b(2) < 0x81 ||
        b(3) < 0x30 || b(3) > 0x39)
        return std::nullopt;
    const int index = (b(2) - 0x81) * 10 + (b(3) - 0x30);
    if (index > 0x7F)
        return std::nullopt;
    return static_cast<unsigned char>(0x80 + index);
}

std::optional<std::string> name_to_disk(std::string_view gb18030) {
    if (is_ascii(gb18030))
        return std::string(gb18030);

    std::string utf8;
    std::size_t consumed = 0;
    if (!to_utf8().append(gb18030, utf8, consumed))
        return std::nullopt;
    // glibc reads a few characters from two forms (U+20087 from 0xFE51 and from 0x95329031) and
    // writes only one. A name that does not come back unchanged is not the one the user sees.
    std::string back;
    if (!to_gb18030().append(utf8, back, consumed) || back != gb18030)
        return std::nullopt;
    return utf8;
}

} // namespace tarvendi::platform
