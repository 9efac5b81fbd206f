#pragma once
// Texts kept end to end in fixed chunks that never move, each known by its position: a million
// names cost their bytes and no allocation each. Positions stay valid while the arena lives,
// also when it is moved.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace tarvendi::core {

class TextArena {
public:
    // Copies text in and returns its position.
    std::uint32_t add(std::string_view text);
    std::string_view at(std::uint32_t position, std::size_t length) const;

private:
    std::vector<std::unique_ptr<char[]>> chunks_;
    std::vector<std::uint32_t> starts_; // position of each chunk's first byte
    std::size_t used_ = 0;              // in the last chunk
    std::size_t size_ = 0;              // of the last chunk
};

} // namespace tarvendi::core
