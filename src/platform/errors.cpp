#include "errors.h"

#include <cstring>

namespace tarvendi::platform {
namespace {

std::string io_error_text(int code, const std::string &path_utf8) {
    std::string text = "I/O error " + std::to_string(code) + ": " + std::strerror(code);
    if (!path_utf8.empty())
        text += " \"" + path_utf8 + "\"";
    return text;
}

} // namespace

ConversionError::ConversionError(const std::string &field_text_utf8)
    : std::runtime_error("'" + field_text_utf8 + "' is not a valid integer value") {}

IoError::IoError(int code, const std::string &path_utf8)
    : std::runtime_error(io_error_text(code, path_utf8))
    , code_(code) {}

} // namespace tarvendi::platform
