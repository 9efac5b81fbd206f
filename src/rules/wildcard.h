#pragma once
// The wildcard rule: a sequence template in which "*" is the old base name, "/" the file's date
// and ":" its time.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvendi::rules {

// A time in local time: a last-write time truncated to two-second steps (1980..2107, even
// seconds), or a photo's own date as its camera wrote it (years 1000..9999, any second).
struct Timestamp {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..59
};

// True when the template (after trimming) holds a date or time token, so that the caller only
// reads file times when a rule needs them.
bool wildcard_needs_time(std::string_view tmpl);

// New name for `name` (the item's text, a bare name or a full path) with counter value `counter`.
// `time` is the last-write time of the file `name` names, or nothing when it cannot be read: the
// first "/" (":") then disappears and every later one stays in the name. Tokens are substituted
// in one pass over the template, so text brought in by a token is never scanned again.
std::string wildcard_rename(std::string_view name, std::string_view tmpl, std::int32_t counter,
                            const std::optional<Timestamp> &time);

} // namespace tarvendi::rules
