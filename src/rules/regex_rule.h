#pragma once
// Regular-expression replace and letter case changes. Unlike the other rules these work on UTF-8
// text: PCRE2 needs a Unicode encoding to treat a Chinese character as one character, and case
// tables are keyed by code point. The caller converts names from and to GB18030 around them.
//
// change_case maps these ranges, one code point to one code point (so "ß" stays "ß" and "ŉ" has
// no upper case):
// - ASCII;
// - Latin-1 Supplement: À-Þ <-> à-þ except × and ÷, ÿ -> Ÿ (U+0178); µ is left alone because in
//   names it is a unit prefix, not Greek;
// - Latin Extended-A (U+0100-U+017F), with İ -> i, ı -> I, ſ -> S, Ÿ -> ÿ; ĸ and ŉ have no pair;
// - the pinyin vowels with a caron Ǎ-ǜ (U+01CD-U+01DC) and Latin Extended Additional
//   (U+1E00-U+1EFF, Vietnamese among others; ẞ -> ß but not back);
// - Greek: Α-Ϋ <-> α-ϋ, the accented Ά-Ώ <-> ά-ώ, ς -> Σ; a Σ ending a word becomes ς;
// - Cyrillic: А-Я <-> а-я, Ѐ-Џ <-> ѐ-џ, and the pairs of U+0460-U+052F (Ґ ґ and the like);
// - full-width Latin Ａ-Ｚ <-> ａ-ｚ.
// Everything else, Chinese included, is kept, and bytes that are not valid UTF-8 pass through.

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvendi::rules {

// A pattern that does not compile. what() is PCRE2's message; offset() is the 0-based position
// in characters (not bytes) where PCRE2 stopped, so a window can point at it.
class RegexError : public std::runtime_error {
public:
    RegexError(const std::string &message, std::size_t offset)
        : std::runtime_error(message)
        , offset_(offset) {}
    std::size_t offset() const noexcept { return offset_; }

private:
    std::size_t offset_;
};

// Matching gave up on one text: the pattern backtracks too much (a match or depth limit was
// reached) or the text is not valid UTF-8. The message is short English meant as the reason why
// that one item is refused; the pattern itself is fine for other names.
class RegexGaveUp : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct RegexOptions {
    bool case_sensitive = true;
};

// A compiled pattern. "." is one character and \w, \d, \b know Unicode. Copies share the
// compiled code, which is never changed after construction, so one Regex may be used from
// several threads at once.
class Regex {
public:
    // Throws RegexError when the pattern does not compile. "" compiles and matches the empty
    // text everywhere; deciding that an empty field means "no rule" is up to the caller.
    explicit Regex(std::string_view utf8_pattern, RegexOptions options = {});

    // Replaces the first match (all = false) or every match of utf8_text by replacement, in
    // which $0 to $9 stand for the whole match and groups 1 to 9 and $$ for a "$"; every other
    // "$" is literal. A group that did not take part in the match, or that the pattern does not
    // have, gives "". After an empty match the next one may not be empty at the same place, so
    // with all "x*" and "-" turn "abc" into "-a-b-c-". Returns utf8_text unchanged when nothing
    // matches; throws RegexGaveUp as described there.
    std::string replace(std::string_view utf8_text, std::string_view replacement, bool all) const;

private:
    struct Compiled;
    std::shared_ptr<const Compiled> compiled_;
};

enum class LetterCase { Keep, Upper, Lower, Title };

// Changes the case of the letters in the ranges listed at the top. Title makes the first letter
// of each word upper case and its other letters lower case; a word begins after any character
// that is not a letter or digit, so "o'neil" becomes "O'Neil" while "2x" and "中a" keep their
// lower-case "x" and "a" (Chinese, Japanese and Korean characters count as letters).
std::string change_case(std::string_view utf8, LetterCase mode);

} // namespace tarvendi::rules
