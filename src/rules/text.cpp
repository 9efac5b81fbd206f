#include "text.h"

#include <algorithm>

namespace tarvendi::rules {

std::size_t char_length(std::string_view s, std::size_t i) {
    const auto lead = [&](std::size_t k) {
        return k < s.size() && is_lead_byte(static_cast<unsigned char>(s[k]));
    };
    const auto digit = [&](std::size_t k) {
        return k < s.size() && s[k] >= '0' && s[k] <= '9';
    };
    if (!lead(i) || i + 1 == s.size())
        return 1;
    // Walked as two two-byte units, a four-byte character would let a search match its second
    // half together with the first half of the next one.
    return digit(i + 1) && lead(i + 2) && digit(i + 3) ? 4 : 2;
}

std::size_t find_text(std::string_view hay, std::string_view needle, std::size_t from) {
    if (needle.empty() || needle.size() > hay.size())
        return std::string_view::npos;
    const std::size_t last = hay.size() - needle.size();
    for (std::size_t i = from; i <= last; i += char_length(hay, i)) {
        if (hay.compare(i, needle.size(), needle) == 0)
            return i;
    }
    return std::string_view::npos;
}

std::string_view trimmed(std::string_view s) {
    auto blank = [](char c) {
        return static_cast<unsigned char>(c) <= 32;
    };
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && blank(s[b]))
        ++b;
    while (e > b && blank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

std::string trim(std::string_view s) {
    return std::string(trimmed(s));
}

std::string ascii_lower(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); i += char_length(out, i)) {
        if (out[i] >= 'A' && out[i] <= 'Z')
            out[i] = static_cast<char>(out[i] - 'A' + 'a');
    }
    return out;
}

namespace {

// The position of the last `c` (an ASCII character that is no digit) that starts a character of
// text, from `from` on. Such a byte can only be swallowed as the second byte of a unit whose
// lead byte stands right before it: where no lead byte does, the last one found from the end
// is the answer at once; only after a lead byte is the text walked.
std::size_t last_unit(std::string_view text, char c, std::size_t from) {
    const std::size_t last = text.rfind(c);
    if (last == std::string_view::npos || last < from)
        return std::string_view::npos;
    if (last == from || !is_lead_byte(static_cast<unsigned char>(text[last - 1])))
        return last;
    std::size_t found = std::string_view::npos;
    for (std::size_t i = from; i < text.size(); i += char_length(text, i)) {
        if (text[i] == c)
            found = i;
    }
    return found;
}

} // namespace

std::size_t file_name_start(std::string_view name) {
    const std::size_t separator = last_unit(name, kSeparator, 0);
    return separator == std::string_view::npos ? 0 : separator + 1;
}

std::string file_name_part(std::string_view name) {
    return std::string(name.substr(file_name_start(name)));
}

std::string folder_part(std::string_view name) {
    const std::size_t start = file_name_start(name);
    return start == 0 ? std::string() : std::string(name.substr(0, start - 1));
}

std::string extension(std::string_view name) {
    const std::size_t dot = last_unit(name, '.', file_name_start(name));
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string base_name(std::string_view name) {
    const std::string part = file_name_part(name);
    const std::size_t ext = extension(part).size();
    return part.substr(0, part.size() - ext);
}

std::string cut_extension(std::string_view name, std::string_view ext) {
    std::string out(name);
    const std::size_t p = find_text(name, ext);
    if (p != std::string_view::npos)
        out.erase(p, 20);
    return out;
}

std::string replace_first(std::string_view s, std::string_view old_text,
                          std::string_view new_text) {
    std::string out(s);
    std::size_t p = find_text(s, old_text);
    if (p == std::string_view::npos)
        p = 0;
    else
        out.erase(p, old_text.size());
    out.insert(p, new_text);
    return out;
}

std::string sequence_digits(std::int32_t n) {
    return "000000" + std::to_string(n);
}

std::string fill_sequence(std::string_view tmpl, std::string_view digits) {
    std::string out(tmpl);
    std::size_t j = digits.size(); // digits still unused at the right of the current run
    for (std::size_t i = out.size(); i-- > 0;) {
        if (out[i] == '#') {
            out[i] = j > 0 ? digits[--j] : '0';
        } else {
            j = digits.size();
        }
    }
    return out;
}

std::string fill_counter(std::string_view tmpl, std::int32_t counter) {
    return fill_sequence(tmpl, sequence_digits(counter));
}

} // namespace tarvendi::rules
