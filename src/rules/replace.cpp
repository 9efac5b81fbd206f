#include "replace.h"

#include "positions.h"
#include "text.h"

#include <algorithm>

namespace tarvendi::rules {

namespace {

std::string working_name(std::string_view name, bool cut_ext) {
    return cut_ext ? cut_extension(name, extension(name)) : std::string(name);
}

} // namespace

std::string range_replace(std::string_view name, std::string_view start_text,
                          std::string_view end_text, std::size_t end_length, std::string_view tmpl,
                          std::int32_t counter, bool cut_ext) {
    std::string w = working_name(name, cut_ext);
    const std::size_t p = find_text(w, start_text);
    if (p != std::string::npos) {
        // In 1-based terms the stretch is k = q + L - p bytes long, with q = 0 for an absent end
        // text. An L beyond the name's length deletes to the end whatever its exact value, so
        // clamping it keeps the sum exact without changing the result.
        const std::size_t q = find_text(w, end_text);
        const auto q1 = q == std::string::npos ? std::int64_t{0} : static_cast<std::int64_t>(q) + 1;
        const auto l = static_cast<std::int64_t>(std::min(end_length, w.size() + 1));
        const std::int64_t k = q1 + l - (static_cast<std::int64_t>(p) + 1);
        if (k > 0)
            w.erase(p, static_cast<std::size_t>(k));
        w.insert(p, tmpl);
    }
    return trim(fill_counter(w, counter));
}

std::string text_replace(std::string_view name, std::string_view find, std::size_t find_length,
                         std::string_view replacement, bool cut_ext) {
    std::string w = working_name(name, cut_ext);
    const std::size_t p = find_text(w, find);
    if (p != std::string::npos) {
        w.erase(p, find_length);
        w.insert(p, replacement);
    }
    return trim(w);
}

std::string sequence_replace(std::string_view name, std::int32_t position, std::int32_t length,
                             std::string_view tmpl, std::int32_t counter) {
    std::string w(name);
    cut_bytes(w, position, length);
    w.insert(insert_offset(position, w.size()), tmpl);
    return trim(fill_counter(w, counter));
}

} // namespace tarvendi::rules
