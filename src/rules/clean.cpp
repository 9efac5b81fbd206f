#include "clean.h"

#include "text.h"

namespace tarvendi::rules {

namespace {

bool in_classes(unsigned char b, const CleanClasses &c) {
    return (c.digits && b >= '0' && b <= '9') || (c.letters && b >= 0x41 && b <= 0x7A) ||
           (c.space && b == ' ') || (c.hyphen && b == '-') || (c.underscore && b == '_') ||
           (c.brackets && (b == '[' || b == ']'));
}

} // namespace

std::string clean_name(std::string_view name, const CleanClasses &classes) {
    const std::size_t ext_size = extension(name).size();
    const std::size_t stem_size = name.size() - ext_size;
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < stem_size;) {
        const std::size_t len = char_length(name, i);
        if (len == 1 && in_classes(static_cast<unsigned char>(name[i]), classes)) {
            ++i;
            continue;
        }
        out.append(name, i, len);
        i += len;
    }
    out.append(name, stem_size);
    return trim(out);
}

} // namespace tarvendi::rules
