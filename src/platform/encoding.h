#pragma once
// Conversion between the GB18030 bytes that every rule works on and the UTF-8 bytes of Linux
// file names. This is the only place where names change encoding.

#include <optional>
#include <string>
#include <string_view>

namespace tarvendi::platform {

// GB18030 bytes of a name read from disk. Bytes that are not valid UTF-8 become 0xFF each, a
// byte that no GB18030 text holds, and so do the bytes of the few private-use characters that
// glibc's GB18030 lacks: the name still shows (as replacement characters) but never converts
// back, so no rename can reach a different file through it. `lossless` (optional) tells
// whether every byte converted.
std::string name_from_disk(std::string_view utf8, bool *lossless = nullptr);

// UTF-8 bytes of a GB18030 name, or nothing when it is not valid GB18030 (for example a
// character cut in half by a rule, or a name that was not valid UTF-8 on disk) or would not
// convert back to the same bytes.
std::optional<std::string> name_to_disk(std::string_view gb18030);

} // namespace tarvendi::platform
