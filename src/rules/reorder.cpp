#include "reorder.h"

#include "positions.h"
#include "text.h"

namespace tarvendi::rules {

std::string move_substring(std::string_view name, std::int32_t start, std::int32_t length,
                           std::int32_t target) {
    std::int64_t s = start;
    std::int64_t l = length;
    std::int64_t t = target;
    if (s < 1) {
        l -= 1 - s;
        s = 1;
    }
    const std::string ext = extension(name);

    // The target counts in the old name; the cut shifts everything behind the stretch forward.
    if (t > s + l - 1)
        t -= l;
    else if (t > s)
        t = s;

    std::string rest(name);
    const std::string block = cut_bytes(rest, s, l);
    const std::size_t ext_at = find_text(rest, ext);
    if (ext_at != std::string::npos && static_cast<std::int64_t>(ext_at) + 1 < t)
        t = static_cast<std::int64_t>(ext_at) + 1;
    rest.insert(insert_offset(t, rest.size()), block);
    return rest;
}

std::string tail_to_front(std::string_view name, std::int32_t start, std::int32_t length) {
    const std::string ext = extension(name);
    const std::size_t ext_at = find_text(name, ext);
    const std::int64_t p =
        static_cast<std::int64_t>(ext_at == std::string::npos ? name.size() : ext_at) + 1;
    const std::int64_t count = std::int64_t{length} - start + 1;
    if (count <= 0 || p - length < 1)
        return std::string(name);

    std::string rest(name);
    const std::string block = cut_bytes(rest, p - length, count);
    return block + rest;
}

} // namespace tarvendi::rules
