#include "regex_rule.h"

#include "utf8.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <array>
#include <cstdint>
#include <new>
#include <utility>

namespace tarvendi::rules {

namespace {

// Enough to find any ordinary name pattern, small enough that a pattern like "(a+)+$" gives up
// within milliseconds instead of freezing the preview.
constexpr std::uint32_t kMatchLimit = 1'000'000;
constexpr std::uint32_t kDepthLimit = 10'000;

struct CodeDeleter {
    void operator()(pcre2_code *c) const { pcre2_code_free(c); }
};
struct MatchContextDeleter {
    void operator()(pcre2_match_context *c) const { pcre2_match_context_free(c); }
};
struct MatchDataDeleter {
    void operator()(pcre2_match_data *d) const { pcre2_match_data_free(d); }
};

std::string error_message(int code) {
    std::array<PCRE2_UCHAR, 256> buffer{};
    const int n = pcre2_get_error_message(code, buffer.data(), buffer.size());
    if (n < 0)
        return "unknown PCRE2 error " + std::to_string(code);
    return std::string(reinterpret_cast<const char *>(buffer.data()), static_cast<std::size_t>(n));
}

constexpr bool is_continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Characters in the first `bytes` bytes of s: every byte that does not continue a character
// starts one, which also counts a stray byte of invalid UTF-8 as one character.
std::size_t count_chars(std::string_view s, std::size_t bytes) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < bytes && i < s.size(); ++i)
        if (!is_continuation(static_cast<unsigned char>(s[i])))
            ++n;
    return n;
}

std::size_t next_char(std::string_view s, std::size_t i) {
    ++i;
    while (i < s.size() && is_continuation(static_cast<unsigned char>(s[i])))
        ++i;
    return i;
}

[[noreturn]] void give_up(int code) {
    switch (code) {
    case PCRE2_ERROR_MATCHLIMIT:
    case PCRE2_ERROR_DEPTHLIMIT:
    case PCRE2_ERROR_HEAPLIMIT:
    case PCRE2_ERROR_NOMEMORY:
        throw RegexGaveUp("the pattern takes too long to match this name");
    default:
        break;
    }
    if (code <= PCRE2_ERROR_UTF8_ERR1 && code >= PCRE2_ERROR_UTF8_ERR21)
        throw RegexGaveUp("the name is not valid UTF-8");
    throw RegexGaveUp("matching failed: " + error_message(code));
}

// Appends the replacement with its $ references filled from the current match.
void append_replacement(std::string &out, std::string_view text, std::string_view replacement,
                        const PCRE2_SIZE *ovector, std::uint32_t pairs) {
    for (std::size_t i = 0; i < replacement.size(); ++i) {
        const char c = replacement[i];
        if (c != '$' || i + 1 == replacement.size()) {
            out += c;
            continue;
        }
        const char d = replacement[i + 1];
        if (d == '$') {
            out += '$';
            ++i;
        } else if (d >= '0' && d <= '9') {
            const auto group = static_cast<std::uint32_t>(d - '0');
            if (group < pairs && ovector[2 * group] != PCRE2_UNSET) {
                const PCRE2_SIZE start = ovector[2 * group];
                const PCRE2_SIZE end = ovector[2 * group + 1];
                if (end > start)
                    out.append(text.substr(start, end - start));
            }
            ++i;
        } else {
            out += c;
        }
    }
}

} // namespace

struct Regex::Compiled {
    std::unique_ptr<pcre2_code, CodeDeleter> code;
    std::unique_ptr<pcre2_match_context, MatchContextDeleter> context;
};

Regex::Regex(std::string_view utf8_pattern, RegexOptions options) {
    std::uint32_t flags = PCRE2_UTF | PCRE2_UCP;
    if (!options.case_sensitive)
        flags |= PCRE2_CASELESS;
    int error = 0;
    PCRE2_SIZE error_offset = 0;
    auto compiled = std::make_shared<Compiled>();
    compiled->code.reset(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8_pattern.data()),
                                       utf8_pattern.size(), flags, &error, &error_offset, nullptr));
    if (!compiled->code)
        throw RegexError(error_message(error), count_chars(utf8_pattern, error_offset));
    compiled->context.reset(pcre2_match_context_create(nullptr));
    if (!compiled->context)
        throw std::bad_alloc();
    pcre2_set_match_limit(compiled->context.get(), kMatchLimit);
    pcre2_set_depth_limit(compiled->context.get(), kDepthLimit);
    compiled_ = std::move(compiled);
}

std::string Regex::replace(std::string_view utf8_text, std::string_view replacement,
                           bool all) const {
    // Match data is per call so that concurrent calls on one Regex never share it.
    std::unique_ptr<pcre2_match_data, MatchDataDeleter> data(
        pcre2_match_data_create_from_pattern(compiled_->code.get(), nullptr));
    if (!data)
        throw std::bad_alloc();
    const PCRE2_SIZE *ovector = pcre2_get_ovector_pointer(data.get());
    const std::uint32_t pairs = pcre2_get_ovector_count(data.get());
    const auto subject = reinterpret_cast<PCRE2_SPTR>(utf8_text.data());

    std::string out;
    std::size_t copied = 0; // utf8_text before this offset is already in out
    std::size_t from = 0;
    // After an empty match the same place is tried once more for a non-empty match only;
    // without that, "x*" would match the empty text at one place forever.
    std::uint32_t retry_flags = 0;
    bool matched = false;
    for (;;) {
        const int rc = pcre2_match(compiled_->code.get(), subject, utf8_text.size(), from,
                                   retry_flags, data.get(), compiled_->context.get());
        if (rc == PCRE2_ERROR_NOMATCH) {
            if (retry_flags == 0 || from >= utf8_text.size())
                break;
            from = next_char(utf8_text, from);
            retry_flags = 0;
            continue;
        }
        if (rc < 0)
            give_up(rc);
        const PCRE2_SIZE start = ovector[0];
        const PCRE2_SIZE end = ovector[1];
        // \K inside a lookaround could put the end before the start; such a match has no
        // stretch to replace, so it is left as it is.
        if (end < start)
            break;
        matched = true;
        out.append(utf8_text.substr(copied, start - copied));
        append_replacement(out, utf8_text, replacement, ovector, pairs);
        copied = end;
        if (!all)
            break;
        from = end;
        retry_flags = start == end ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0;
    }
    if (!matched)
        return std::string(utf8_text);
    out.append(utf8_text.substr(copied));
    return out;
}

namespace {

constexpr bool in(char32_t cp, char32_t lo, char32_t hi) {
    return cp >= lo && cp <= hi;
}

// In blocks where upper and lower case alternate, the upper-case letter of each pair sits at an
// even code point (upper_even) or at an odd one.
constexpr bool is_pair_upper(char32_t cp, bool upper_even) {
    return (cp % 2 == 0) == upper_even;
}

// Pair blocks: [lo, hi] with the parity of their upper-case letters.
struct PairBlock {
    char32_t lo;
    char32_t hi;
    bool upper_even;
};

constexpr PairBlock kPairBlocks[] = {
    {0x0100, 0x012F, true},  // Ā ā .. Į į
    {0x0132, 0x0137, true},  // Ĳ ĳ .. Ķ ķ
    {0x0139, 0x0148, false}, // Ĺ ĺ .. Ň ň
    {0x014A, 0x0177, true},  // Ŋ ŋ .. Ŷ ŷ
    {0x0179, 0x017E, false}, // Ź ź .. Ž ž
    {0x01CD, 0x01DC, false}, // Ǎ ǎ .. Ǜ ǜ
    {0x0460, 0x0481, true},  // Ѡ ѡ .. Ҁ ҁ
    {0x048A, 0x04BF, true},  // Ҋ ҋ .. Ҿ ҿ, Ґ ґ among them
    {0x04C1, 0x04CE, false}, // Ӂ ӂ .. Ӎ ӎ
    {0x04D0, 0x052F, true},  // Ӑ ӑ .. Ԯ ԯ
    {0x1E00, 0x1E95, true},  // Ḁ ḁ .. Ẕ ẕ
    {0x1EA0, 0x1EFF, true},  // Ạ ạ .. Ỿ ỿ
};

const PairBlock *pair_block(char32_t cp) {
    for (const PairBlock &b : kPairBlocks)
        if (in(cp, b.lo, b.hi))
            return &b;
    return nullptr;
}

// Greek accented capitals Ά Έ Ή Ί Ό Ύ Ώ and their small letters, which are not at one distance.
constexpr std::array<std::array<char32_t, 2>, 7> kGreekAccented = {{
    {0x0386, 0x03AC},
    {0x0388, 0x03AD},
    {0x0389, 0x03AE},
    {0x038A, 0x03AF},
    {0x038C, 0x03CC},
    {0x038E, 0x03CD},
    {0x038F, 0x03CE},
}};

char32_t to_upper(char32_t cp) {
    if (in(cp, 'a', 'z'))
        return cp - 0x20;
    if (cp < 0x80)
        return cp;
    if (in(cp, 0xE0, 0xFE) && cp != 0xF7)
        return cp - 0x20;
    if (cp == 0xFF)
        return 0x0178;
    if (cp == 0x0131)
        return 'I';
    if (cp == 0x017F)
        return 'S';
    if (const PairBlock *b = pair_block(cp))
        return is_pair_upper(cp, b->upper_even) ? cp : cp - 1;
    if (cp == 0x03C2)
        return 0x03A3;
    if (in(cp, 0x03B1, 0x03CB))
        return cp - 0x20;
    for (const auto &[upper, lower] : kGreekAccented)
        if (cp == lower)
            return upper;
    if (in(cp, 0x0430, 0x044F))
        return cp - 0x20;
    if (in(cp, 0x0450, 0x045F))
        return cp - 0x50;
    if (cp == 0x04CF)
        return 0x04C0;
    if (cp == 0x1E9B)
        return 0x1E60; // ẛ, a long s with a dot, is written Ṡ in capitals
    if (in(cp, 0xFF41, 0xFF5A))
        return cp - 0x20;
    return cp;
}

char32_t to_lower(char32_t cp) {
    if (in(cp, 'A', 'Z'))
        return cp + 0x20;
    if (cp < 0x80)
        return cp;
    if (in(cp, 0xC0, 0xDE) && cp != 0xD7)
        return cp + 0x20;
    if (cp == 0x0178)
        return 0xFF;
    if (cp == 0x0130)
        return 'i';
    if (const PairBlock *b = pair_block(cp))
        return is_pair_upper(cp, b->upper_even) ? cp + 1 : cp;
    // U+03A2 is unassigned: there is no capital final sigma.
    if (in(cp, 0x0391, 0x03AB) && cp != 0x03A2)
        return cp + 0x20;
    for (const auto &[upper, lower] : kGreekAccented)
        if (cp == upper)
            return lower;
    if (in(cp, 0x0410, 0x042F))
        return cp + 0x20;
    if (in(cp, 0x0400, 0x040F))
        return cp + 0x50;
    if (cp == 0x04C0)
        return 0x04CF;
    if (cp == 0x1E9E)
        return 0xDF; // ẞ, while ß itself has no single capital in common use
    if (in(cp, 0xFF21, 0xFF3A))
        return cp + 0x20;
    return cp;
}

// Letters that have a case even though they have no partner here.
constexpr bool is_caseless_pair(char32_t cp) {
    return cp == 0xDF || cp == 0x0138 || cp == 0x0149 || cp == 0x0390 || cp == 0x03B0;
}

bool is_cased(char32_t cp) {
    return to_upper(cp) != cp || to_lower(cp) != cp || is_caseless_pair(cp);
}

// What continues a word for Title: letters and digits of the scripts above, combining accents
// (a decomposed "é" is still one letter), and the CJK scripts, which have no case but are
// letters, so the "a" in "中a" is inside a word.
bool is_word_char(char32_t cp) {
    if (cp < 0x80)
        return in(cp, 'a', 'z') || in(cp, 'A', 'Z') || in(cp, '0', '9');
    if (cp == 0xAA || cp == 0xB5 || cp == 0xBA)
        return true;
    if (in(cp, 0xC0, 0x024F))
        return cp != 0xD7 && cp != 0xF7;
    if (in(cp, 0x0300, 0x036F))
        return true;
    if (cp == 0x0386 || in(cp, 0x0388, 0x03FF))
        return true;
    if (in(cp, 0x0400, 0x052F))
        return cp != 0x0482;
    if (in(cp, 0x1E00, 0x1EFF))
        return true;
    if (in(cp, 0x3041, 0x30FF))
        return cp != 0x30A0 && cp != 0x30FB; // kana, but not its two punctuation marks
    return in(cp, 0x3400, 0x4DBF) || in(cp, 0x4E00, 0x9FFF) || in(cp, 0xAC00, 0xD7A3) ||
           in(cp, 0xF900, 0xFAFF) || in(cp, 0xFF10, 0xFF19) || in(cp, 0xFF21, 0xFF3A) ||
           in(cp, 0xFF41, 0xFF5A) || in(cp, 0x20000, 0x3FFFF);
}

// True when a cased letter starts at i; false past the end and for invalid bytes.
bool cased_at(std::string_view s, std::size_t i) {
    char32_t cp = 0;
    return i < s.size() && decode_utf8(s, i, cp) != 0 && is_cased(cp);
}

} // namespace

std::string change_case(std::string_view utf8, LetterCase mode) {
    if (mode == LetterCase::Keep)
        return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    bool word_start = true;
    bool after_cased = false;
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const std::size_t len = decode_utf8(utf8, i, cp);
        if (len == 0) {
            out += utf8[i];
            ++i;
            word_start = true;
            after_cased = false;
            continue;
        }
        const bool word_char = is_word_char(cp);
        char32_t mapped = cp;
        bool lower = false;
        if (mode == LetterCase::Upper)
            mapped = to_upper(cp);
        else if (mode == LetterCase::Lower)
            lower = true;
        else if (word_char && word_start)
            mapped = to_upper(cp);
        else if (word_char)
            lower = true;
        if (lower) {
            mapped = to_lower(cp);
            // Greek writes a small sigma that ends a word as ς.
            if (cp == 0x03A3 && after_cased && !cased_at(utf8, i + len))
                mapped = 0x03C2;
        }
        append_utf8(mapped, out);
        word_start = !word_char;
        after_cased = is_cased(cp);
        i += len;
    }
    return out;
}

} // namespace tarvendi::rules
