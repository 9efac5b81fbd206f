// Drives every operation of the rules library with arbitrary bytes and parameters. Besides the
// sanitizers' checks, each operation traps when a property that holds for every input breaks.

#include "clean.h"
#include "extension_rules.h"
#include "integer.h"
#include "list_rename.h"
#include "numerals.h"
#include "positions.h"
#include "reorder.h"
#include "replace.h"
#include "tag_template.h"
#include "text.h"
#include "wildcard.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <iterator>

namespace {

using namespace tarvendi::rules;

constexpr std::size_t npos = std::string::npos;

void require(bool holds) {
    if (!holds)
        __builtin_trap();
}

// Byte length of the GB18030 character at offset i, read from the encoding's own structure
// rather than by the rules' walk: a lead byte and a digit, twice, make one four-byte character.
std::size_t gb_char_length(std::string_view s, std::size_t i) {
    const auto lead = [&](std::size_t k) {
        return k < s.size() && static_cast<unsigned char>(s[k]) >= 0x81 &&
               static_cast<unsigned char>(s[k]) <= 0xFE;
    };
    const auto digit = [&](std::size_t k) {
        return k < s.size() && s[k] >= '0' && s[k] <= '9';
    };
    if (!lead(i) || i + 1 == s.size())
        return 1;
    return digit(i + 1) && lead(i + 2) && digit(i + 3) ? 4 : 2;
}

bool on_boundary(std::string_view s, std::size_t at) {
    std::size_t i = 0;
    while (i < at)
        i += gb_char_length(s, i);
    return i == at;
}

// True when s is a sequence of whole GB18030 characters (by their form; unassigned codes pass).
bool well_formed(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); i += gb_char_length(s, i)) {
        const auto b = static_cast<unsigned char>(s[i]);
        const auto next = i + 1 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0;
        if (b == 0x80 || b == 0xFF ||
            (gb_char_length(s, i) == 2 && (next < 0x40 || next == 0x7F || next == 0xFF)) ||
            (b >= 0x81 && i + 1 == s.size()))
            return false;
    }
    return true;
}

// Whole GB18030 characters of every form, weighted towards the texts that the rules treat
// specially, so that the properties that need well-formed input get it often.
std::string gb_text(FuzzedDataProvider &in) {
    // 一 十 八 are numerals; the second bytes of 這 and 語 are "@" and "Z".
    static constexpr std::string_view kSpecial[] = {
        ".", "#", "@", "$",    "*",        "/",        ":",        " ",        "-",
        "_", "[", "]", ".mp3", "\xD2\xBB", "\xCA\xAE", "\xB0\xCB", "\xDF\x40", "\xD5\x5A",
    };
    const auto byte = [&](unsigned lo, unsigned hi) {
        return static_cast<char>(in.ConsumeIntegralInRange(lo, hi));
    };
    std::string s;
    for (auto n = in.ConsumeIntegralInRange(0, 40); n > 0; --n) {
        switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            s += byte(0x00, 0x7F);
            break;
        case 1:
            s += byte(0x81, 0xFE);
            s += byte(0x40, 0xFE);
            if (s.back() == '\x7F')
                s.back() = '\x80';
            break;
        case 2:
            for (int half = 0; half < 2; ++half) {
                s += byte(0x81, 0xFE);
                s += byte('0', '9');
            }
            break;
        default:
            s += kSpecial[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kSpecial) - 1)];
        }
    }
    return s;
}

std::string text(FuzzedDataProvider &in) {
    return in.ConsumeBool() ? in.ConsumeRandomLengthString(300) : gb_text(in);
}

// Small values reach every position of a short name; the full range finds overflows.
std::int32_t param(FuzzedDataProvider &in) {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<std::int32_t>(-3, 40)
                            : in.ConsumeIntegral<std::int32_t>();
}

std::size_t length_param(FuzzedDataProvider &in) {
    return in.ConsumeBool() ? in.ConsumeIntegralInRange<std::size_t>(0, 40)
                            : in.ConsumeIntegral<std::size_t>();
}

bool is_trimmed(const std::string &s) {
    return trim(s) == s;
}

bool same_bytes(std::string a, std::string b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

// Offset of the n-th character boundary of s (its end when s has fewer characters).
std::size_t boundary(std::string_view s, std::size_t n) {
    std::size_t at = 0;
    for (; n > 0 && at < s.size(); --n)
        at += gb_char_length(s, at);
    return at;
}

void text_search(FuzzedDataProvider &in) {
    const std::string hay = text(in);
    const std::string needle = text(in);
    const std::size_t from = boundary(hay, in.ConsumeIntegralInRange<std::size_t>(0, 8));
    const std::size_t at = find_text(hay, needle, from);
    if (at != npos)
        require(at >= from && hay.compare(at, needle.size(), needle) == 0 && on_boundary(hay, at));
    // A needle cut from the name at a boundary is found there or earlier.
    const std::size_t cut = boundary(hay, in.ConsumeIntegralInRange<std::size_t>(0, 8));
    const std::string piece = hay.substr(cut, in.ConsumeIntegralInRange<std::size_t>(1, 8));
    if (!piece.empty())
        require(find_text(hay, piece) <= cut);
    const std::string t = trim(hay);
    require(hay.find(t) != npos);
    require(t.empty() || (static_cast<unsigned char>(t.front()) > 32 &&
                          static_cast<unsigned char>(t.back()) > 32));
}

void name_parts(FuzzedDataProvider &in) {
    const std::string name = in.ConsumeRemainingBytesAsString();
    const std::size_t start = file_name_start(name);
    const std::string file = file_name_part(name);
    const std::string folder = folder_part(name);
    const std::string ext = extension(name);
    require(start <= name.size() && on_boundary(name, start));
    require(start == 0 ? file == name && folder.empty() : folder + kSeparator + file == name);
    require(base_name(name) + ext == file);
    require(ext.empty() || ext.front() == '.');
}

void extension_cut(FuzzedDataProvider &in) {
    const std::string name = text(in);
    const std::string ext = text(in);
    const std::string out = cut_extension(name, ext);
    const std::size_t at = find_text(name, ext);
    if (at == npos)
        require(out == name);
    else
        require(out.size() == name.size() - std::min<std::size_t>(20, name.size() - at) &&
                out.compare(0, at, name, 0, at) == 0);
}

void first_replace(FuzzedDataProvider &in) {
    const std::string s = text(in);
    const std::string old_text = text(in);
    const std::string new_text = text(in);
    const std::string out = replace_first(s, old_text, new_text);
    const std::size_t at = find_text(s, old_text);
    require(out.size() == s.size() + new_text.size() - (at == npos ? 0 : old_text.size()));
    require(out.compare(at == npos ? 0 : at, new_text.size(), new_text) == 0);
    if (well_formed(s) && well_formed(old_text) && well_formed(new_text))
        require(well_formed(out));
}

void sequences(FuzzedDataProvider &in) {
    const std::string tmpl = text(in);
    const std::string digits = text(in);
    const std::int32_t counter = param(in);
    require(fill_sequence(tmpl, digits).size() == tmpl.size());
    const std::string filled = fill_counter(tmpl, counter);
    require(filled.size() == tmpl.size());
    for (std::size_t i = 0; i < tmpl.size(); ++i)
        require(tmpl[i] == '#' ? filled[i] != '#' : filled[i] == tmpl[i]);
    if (counter >= 0)
        require(parse_int(sequence_digits(counter)) == counter);
    if (well_formed(tmpl))
        require(well_formed(filled));
}

void integers(FuzzedDataProvider &in) {
    const std::string typed = in.ConsumeRandomLengthString(40);
    if (const auto value = parse_int(typed))
        require(parse_int(std::to_string(*value)) == value);
    const auto n = in.ConsumeIntegral<std::int32_t>();
    require(parse_int(std::to_string(n)) == n);
    require(parse_int("  " + std::to_string(n)) == n);
    if (n >= 0)
        require(parse_int("+" + std::to_string(n)) == n);
    char hex[16];
    std::snprintf(hex, sizeof hex, "$%" PRIX32, static_cast<std::uint32_t>(n));
    require(parse_int(hex) == n);
    std::snprintf(hex, sizeof hex, "0x%" PRIx32, static_cast<std::uint32_t>(n));
    require(parse_int(hex) == n);
    const auto beyond = std::int64_t{INT32_MAX} + 1 + in.ConsumeIntegral<std::uint32_t>();
    require(!parse_int(std::to_string(beyond)) && !parse_int(std::to_string(-beyond - 1)));
}

void wildcard(FuzzedDataProvider &in) {
    const std::string name = text(in);
    const std::string tmpl = text(in);
    const std::int32_t counter = param(in);
    const Timestamp time{
        in.ConsumeIntegralInRange(1980, 2107), in.ConsumeIntegralInRange(1, 12),
        in.ConsumeIntegralInRange(1, 31),      in.ConsumeIntegralInRange(0, 23),
        in.ConsumeIntegralInRange(0, 59),      2 * in.ConsumeIntegralInRange(0, 29)};
    const std::string timed = wildcard_rename(name, tmpl, counter, time);
    const std::string untimed = wildcard_rename(name, tmpl, counter, std::nullopt);
    require(is_trimmed(timed) && is_trimmed(untimed));
    if (!wildcard_needs_time(tmpl))
        require(timed == untimed);
}

void range(FuzzedDataProvider &in) {
    const std::string name = text(in);
    const std::string start_text = text(in);
    const std::string end_text = text(in);
    const std::string tmpl = text(in);
    const std::size_t end_length = length_param(in);
    const std::int32_t counter = param(in);
    const bool cut_ext = in.ConsumeBool();
    const std::string out =
        range_replace(name, start_text, end_text, end_length, tmpl, counter, cut_ext);
    require(is_trimmed(out) && out.size() <= name.size() + tmpl.size());
    if (!cut_ext && find_text(name, start_text) == npos)
        require(out == trim(fill_counter(name, counter)));
    // Whole texts found in a whole name delete and insert whole characters.
    if (!cut_ext && end_length == end_text.size() && find_text(name, end_text) != npos &&
        well_formed(name) && well_formed(start_text) && well_formed(end_text) && well_formed(tmpl))
        require(well_formed(out));
}

void text_replacement(FuzzedDataProvider &in) {
    const std::string name = text(in);
    const std::string find = text(in);
    const std::string replacement = text(in);
    const std::size_t find_length = length_param(in);
    const bool cut_ext = in.ConsumeBool();
    const std::string out = text_replace(name, find, find_length, replacement, cut_ext);
    require(is_trimmed(out) && out.size() <= name.size() + replacement.size());
    if (!cut_ext && find_text(name, find) == npos)
        require(out == trim(name));
    if (!cut_ext && find_length == find.size() && well_formed(name) && well_formed(find) &&
        well_formed(replacement))
        require(well_formed(out));
}

void sequence(FuzzedDataProvider &in) {
    const std::string name = text(in);
    const std::string tmpl = text(in);
    const std::int32_t position = param(in);
    const std::int32_t length = param(in);
    const std::string out = sequence_replace(name, position, length, tmpl, param(in));
    require(is_trimmed(out) && out.size() <= name.size() + tmpl.size());
}

void extension_change(FuzzedDataProvider &in) {
    const std::string name = text(in);
    const std::string new_ext = text(in);
    const std::string out = change_extension(name, new_ext);
    require(is_trimmed(out) && out.ends_with('.' + trim(new_ext)));
}

void padding(FuzzedDataProvider &in) {
    const std::string name = text(in);
    const std::string out = pad_name(name, param(in));
    require(is_trimmed(out));
    require(out.size() <= std::max(name.size(), kMaxPaddedLength) + extension(name).size());
}

void cleaning(FuzzedDataProvider &in) {
    const CleanClasses classes{in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool(),
                               in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool()};
    const std::string name = text(in);
    const std::string out = clean_name(name, classes);
    require(is_trimmed(out) && out.size() <= name.size());
    require(well_formed(out) || !well_formed(name));
    if (!classes.digits && !classes.letters && !classes.space && !classes.hyphen &&
        !classes.underscore && !classes.brackets)
        require(out == trim(name));
}

void numerals(FuzzedDataProvider &in) {
    const std::string name = text(in);
    const std::string kept_ten = numerals_to_digits(name, false);
    const std::string ten_as_one = numerals_to_digits(name, true);
    require(is_trimmed(kept_ten) && kept_ten.size() <= name.size());
    require(ten_as_one.size() <= kept_ten.size());
    if (well_formed(name))
        require(well_formed(kept_ten) && well_formed(ten_as_one));
}

void substring_move(FuzzedDataProvider &in) {
    const std::string name = text(in);
    const std::int32_t start = param(in);
    const std::int32_t length = param(in);
    require(same_bytes(move_substring(name, start, length, param(in)), name));
}

void tail_move(FuzzedDataProvider &in) {
    const std::string name = text(in);
    const std::int32_t start = param(in);
    require(same_bytes(tail_to_front(name, start, param(in)), name));
}

void tag_names(FuzzedDataProvider &in) {
    const std::string tmpl = text(in);
    const std::string title = text(in);
    const std::string artist = text(in);
    const std::string ext = text(in);
    const std::string out = tag_template(tmpl, param(in), title, artist, ext);
    require(is_trimmed(out));
    if (well_formed(tmpl) && well_formed(title) && well_formed(artist) && well_formed(ext))
        require(well_formed(out));
}

void list_names(FuzzedDataProvider &in) {
    const std::string old_name = text(in);
    const std::string line = text(in);
    const std::string tmpl = text(in);
    const std::int32_t counter = param(in);
    const bool directory_mode = in.ConsumeBool();
    const std::string out = list_rename(old_name, line, tmpl, counter, directory_mode);
    require(is_trimmed(out));
    if (directory_mode && !list_rename_numbers(tmpl))
        require(out == trim(line));
    if (well_formed(old_name) && well_formed(line) && well_formed(tmpl))
        require(well_formed(out));
}

void positions(FuzzedDataProvider &in) {
    const std::string before = text(in);
    const auto pos = in.ConsumeIntegral<std::int64_t>();
    require(insert_offset(pos, before.size()) <= before.size());
    std::string s = before;
    const std::int64_t start = param(in);
    const std::string stretch = cut_bytes(s, start, in.ConsumeIntegral<std::int64_t>());
    require(s.size() + stretch.size() == before.size());
    if (!stretch.empty())
        require(before.compare(static_cast<std::size_t>(start - 1), stretch.size(), stretch) == 0);
}

using Operation = void (*)(FuzzedDataProvider &);
constexpr Operation kOperations[] = {
    text_search,    name_parts, extension_cut,    first_replace,    sequences, integers, wildcard,
    range,          sequence,   text_replacement, extension_change, padding,   cleaning, numerals,
    substring_move, tail_move,  tag_names,        list_names,       positions,
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    kOperations[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kOperations) - 1)](in);
    return 0;
}
