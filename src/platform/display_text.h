#pragma once
// Texts between the GB18030 bytes of the rules and the UTF-8 of the user interface.

#include <string>
#include <string_view>

namespace tarvendi::platform {

// UTF-8 for showing a GB18030 text; every unit that does not convert shows as U+FFFD, so a
// damaged name is still visible (and still refused by every rename).
std::string display_text(std::string_view gb18030);

// GB18030 bytes of a text the user typed (UTF-8).
std::string typed_text(std::string_view utf8);

} // namespace tarvendi::platform
