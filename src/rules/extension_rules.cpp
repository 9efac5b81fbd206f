#include "extension_rules.h"

#include "text.h"

#include <algorithm>

namespace tarvendi::rules {

std::string change_extension(std::string_view name, std::string_view new_ext) {
    const std::string old_ext = extension(name);
    std::string w = trim(file_name_part(name));
    const std::size_t p = find_text(w, old_ext);
    if (p != std::string::npos)
        w.erase(p, old_ext.size() + 1);
    w += '.';
    w += trim(new_ext);
    return trim(w);
}

std::string pad_name(std::string_view name, std::int32_t width) {
    const std::string ext = extension(name);
    std::string w = cut_extension(trim(file_name_part(name)), ext);
    const auto target = std::min<std::int64_t>(width, kMaxPaddedLength);
    if (target > static_cast<std::int64_t>(w.size()))
        w.insert(0, static_cast<std::size_t>(target) - w.size(), '0');
    return trim(w + ext);
}

} // namespace tarvendi::rules
