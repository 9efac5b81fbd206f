#pragma once
// The engine writes its reasons and errors in Chinese; where the user reads English, both front
// ends show them through this one translation.

#include <string>
#include <string_view>

namespace tarvendi::core {

// The English of an engine text: a fixed text or a system error's words whole, or a known head
// before "：" translated with what follows it (a path, another reason). Any other text, such as
// a name or a message that is English already, stays as it is.
std::string english(std::string_view engine_text);

} // namespace tarvendi::core
