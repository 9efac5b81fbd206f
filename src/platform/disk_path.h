#pragma once
// The step from a GB18030 path to the bytes a system call takes.

#include <string>
#include <string_view>

namespace tarvendi::platform {

// UTF-8 form of path. Throws IoError(EILSEQ) naming the path when it is not valid GB18030, so
// no call ever reaches an entry by a damaged name.
std::string disk_path(std::string_view path);

} // namespace tarvendi::platform
