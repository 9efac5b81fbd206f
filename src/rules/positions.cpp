#include "positions.h"

#include <algorithm>

namespace tarvendi::rules {

std::size_t insert_offset(std::int64_t pos, std::size_t size) {
    if (pos <= 1)
        return 0;
    return static_cast<std::uint64_t>(pos - 1) < size ? static_cast<std::size_t>(pos - 1) : size;
}

std::string cut_bytes(std::string &s, std::int64_t start, std::int64_t length) {
    if (length <= 0 || start < 1 || static_cast<std::uint64_t>(start) > s.size())
        return {};
    const auto offset = static_cast<std::size_t>(start - 1);
    const std::size_t count =
        std::min<std::uint64_t>(static_cast<std::uint64_t>(length), s.size() - offset);
    std::string stretch = s.substr(offset, count);
    s.erase(offset, count);
    return stretch;
}

} // namespace tarvendi::rules
