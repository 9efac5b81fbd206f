#include "commuting_runs.h"

#include <algorithm>
#include <functional>

namespace tarvendi::core {

namespace {

constexpr int kHashBits = 40;
constexpr std::uint64_t kHashMask = (std::uint64_t{1} << kHashBits) - 1;
constexpr std::uint64_t kLastGeneration = (std::uint64_t{1} << (64 - kHashBits)) - 1;

std::pair<std::string_view, std::string_view> split(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {{}, path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

} // namespace

void CommutingRuns::clear() {
    folder_.clear();
    shared_ = true;
    count_ = 0;
    starts_.clear();
    in_run_ = 0;
}

void CommutingRuns::add(std::string_view source, std::string_view target) {
    const auto [from_folder, from] = split(source);
    const auto [to_folder, to] = split(target);
    if (count_ == 0)
        folder_.assign(from_folder);
    // A path ending in '/' names no entry in the folder: it is left its place too.
    shared_ =
        shared_ && from_folder == folder_ && to_folder == folder_ && !from.empty() && !to.empty();
    const std::uint64_t from_hash = std::hash<std::string_view>{}(from);
    const std::uint64_t to_hash = std::hash<std::string_view>{}(to);
    if (count_ == 0 || seen(from_hash) | seen(to_hash)) {
        start_run();
        seen(from_hash);
        seen(to_hash);
    }
    ++count_;
}

std::optional<std::string_view> CommutingRuns::folder() const {
    if (!shared_ || count_ == 0)
        return std::nullopt;
    return folder_;
}

void CommutingRuns::start_run() {
    starts_.push_back(count_);
    in_run_ = 0;
    if (++generation_ > kLastGeneration) {
        std::fill(slots_.begin(), slots_.end(), 0);
        generation_ = 1;
    }
}

bool CommutingRuns::seen(std::uint64_t hash) {
    if (2 * (in_run_ + 1) > slots_.size())
        grow();
    const std::uint64_t entry = generation_ << kHashBits | (hash & kHashMask);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        if (slots_[at] == entry)
            return true;
        if (slots_[at] >> kHashBits != generation_) {
            slots_[at] = entry;
            ++in_run_;
            return false;
        }
    }
}

// Keeps the run's names; those of earlier runs are let go.
void CommutingRuns::grow() {
    std::vector<std::uint64_t> old(std::max<std::size_t>(1024, 2 * slots_.size()), 0);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const std::uint64_t entry : old) {
        if (entry >> kHashBits != generation_)
            continue;
        std::size_t at = entry & mask;
        while (slots_[at] != 0)
            at = (at + 1) & mask;
        slots_[at] = entry;
    }
}

} // namespace tarvendi::core
