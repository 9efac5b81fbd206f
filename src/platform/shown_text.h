#pragma once
// Paths in messages.

#include <string>
#include <string_view>

namespace tarvendi::platform {

// UTF-8 form of a GB18030 text for an error message: whatever does not convert shows as U+FFFD,
// so a message can always name the path, even one that no file can have.
std::string shown_text(std::string_view gb18030);

} // namespace tarvendi::platform
