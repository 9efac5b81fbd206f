#pragma once
// Names end to end in one buffer, each followed by a NUL byte, that can be shared: a folder's
// listing, the names kept of it for the planner and the working list filled from it hold the
// names once. A buffer that others share is copied before it takes a name of its own.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tarvendi::platform {

class NameBuffer {
public:
    NameBuffer() = default;
    // Views names that another buffer shared.
    explicit NameBuffer(std::shared_ptr<const std::string> shared)
        : shared_(std::move(shared)) {}

    // Appends name and its NUL; returns where name starts.
    std::uint32_t add(std::string_view name);
    std::string_view at(std::uint32_t offset, std::size_t length) const {
        return std::string_view(text()).substr(offset, length);
    }
    // Where a view of this buffer's text starts.
    std::uint32_t offset_of(std::string_view name) const {
        return static_cast<std::uint32_t>(name.data() - text().data());
    }
    const std::string &text() const;
    // The buffer itself, for others to read.
    std::shared_ptr<const std::string> share() const;

private:
    std::shared_ptr<std::string> own_;          // the buffer, when this one may change it
    std::shared_ptr<const std::string> shared_; // else the buffer it views, if any
};

} // namespace tarvendi::platform
