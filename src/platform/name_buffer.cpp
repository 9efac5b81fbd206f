#include "name_buffer.h"

namespace tarvendi::platform {

std::uint32_t NameBuffer::add(std::string_view name) {
    if (!own_ || own_.use_count() > 1) {
        own_ = std::make_shared<std::string>(text());
        shared_.reset();
    }
    const auto offset = static_cast<std::uint32_t>(own_->size());
    *own_ += name;
    *own_ += '\0';
    return offset;
}

const std::string &NameBuffer::text() const {
    static const std::string kNone;
    return own_ ? *own_ : shared_ ? *shared_ : kNone;
}

std::shared_ptr<const std::string> NameBuffer::share() const {
    if (own_)
        return own_;
    return shared_ ? shared_ : std::make_shared<const std::string>();
}

} // namespace tarvendi::platform
