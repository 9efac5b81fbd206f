#include "wildcard.h"

#include "text.h"

#include <cstdio>

namespace tarvendi::rules {

namespace {

std::string two(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v);
    return buf;
}

std::string date_text(const Timestamp &t) {
    return std::to_string(t.year) + two(t.month) + two(t.day);
}

std::string time_text(const Timestamp &t) {
    return two(t.hour) + "." + two(t.minute) + "." + two(t.second);
}

} // namespace

bool wildcard_needs_time(std::string_view tmpl) {
    const std::string t = trim(tmpl);
    return find_text(t, "/") != std::string::npos || find_text(t, ":") != std::string::npos;
}

std::string wildcard_rename(std::string_view name, std::string_view tmpl, std::int32_t counter,
                            const std::optional<Timestamp> &time) {
    const std::string ext = extension(name);
    // Views where a copy would serve no purpose: a large folder runs this once a file.
    const std::string base = cut_extension(trimmed(name.substr(file_name_start(name))), ext);
    const std::string t = fill_counter(trimmed(tmpl), counter);

    // Without a readable time the first token of its kind vanishes and the later ones stay.
    bool date_dropped = false;
    bool time_dropped = false;
    std::string out;
    out.reserve(t.size() + base.size() + ext.size());
    for (std::size_t i = 0; i < t.size();) {
        const std::size_t len = char_length(t, i);
        const char c = t[i];
        if (len == 1 && c == '*') {
            out += base;
        } else if (len == 1 && c == '/' && (time || !date_dropped)) {
            if (time)
                out += date_text(*time);
            date_dropped = true;
        } else if (len == 1 && c == ':' && (time || !time_dropped)) {
            if (time)
                out += time_text(*time);
            time_dropped = true;
        } else {
            out.append(t, i, len);
        }
        i += len;
    }
    if (find_text(out, ext) == std::string::npos)
        out += ext;
    if (trimmed(out).size() == out.size())
        return out;
    return trim(out);
}

} // namespace tarvendi::rules
