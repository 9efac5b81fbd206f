#include "disk_path.h"

#include "display_text.h"
#include "encoding.h"
#include "errors.h"

#include <cerrno>
#include <utility>

namespace tarvendi::platform {

std::string disk_path(std::string_view path) {
    std::optional<std::string> utf8 = name_to_disk(path);
    if (!utf8)
        throw IoError(EILSEQ, escaped_text(path));
    return std::move(*utf8);
}

} // namespace tarvendi::platform
