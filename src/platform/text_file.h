#pragma once
// Writing a whole file at once, for the saved name list.

#include <string_view>

namespace tarvendi::platform {

// Makes the file at path (GB18030) hold exactly bytes: created when missing, replaced without
// asking when it exists. Throws IoError naming the path when it cannot be created or written;
// the file is closed in every case.
void write_file(std::string_view path, std::string_view bytes);

} // namespace tarvendi::platform
