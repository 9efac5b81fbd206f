#include "text_arena.h"

#include <algorithm>

namespace tarvendi::core {

namespace {

constexpr std::size_t kChunkSize = std::size_t{1} << 20;

} // namespace

std::uint32_t TextArena::add(std::string_view text) {
    // A text never straddles two chunks; one longer than a chunk gets a chunk of its own.
    if (chunks_.empty() || used_ + text.size() > size_) {
        const std::uint32_t start =
            starts_.empty() ? 0 : starts_.back() + static_cast<std::uint32_t>(used_);
        size_ = std::max(kChunkSize, text.size());
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(size_));
        starts_.push_back(start);
        used_ = 0;
    }
    std::copy(text.begin(), text.end(), chunks_.back().get() + used_);
    const auto position = static_cast<std::uint32_t>(starts_.back() + used_);
    used_ += text.size();
    return position;
}

std::string_view TextArena::at(std::uint32_t position, std::size_t length) const {
    // The chunk that holds position: the last one starting at or before it.
    const auto chunk = static_cast<std::size_t>(
        std::upper_bound(starts_.begin(), starts_.end(), position) - starts_.begin() - 1);
    return std::string_view(chunks_[chunk].get() + (position - starts_[chunk]), length);
}

} // namespace tarvendi::core
