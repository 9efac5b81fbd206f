#include "errors.h"

#include "error_reasons.h"

namespace tarvendi::platform {
namespace {

// Texts are built by appending: GCC 12 warns falsely (-Wrestrict) on "literal" + std::string.
std::string io_error_text(int code, const std::string &path_utf8) {
    std::string text(error_reason(code));
    if (!path_utf8.empty())
        text.append("：\"").append(path_utf8).append("\"");
    return text;
}

std::string conversion_error_text(const std::string &field_text_utf8) {
    std::string text = "'";
    text.append(field_text_utf8).append("' is not a valid integer value");
    return text;
}

} // namespace

ConversionError::ConversionError(const std::string &field_text_utf8)
    : std::runtime_error(conversion_error_text(field_text_utf8)) {}

IoError::IoError(int code, const std::string &path_utf8)
    : std::runtime_error(io_error_text(code, path_utf8))
    , code_(code) {}

} // namespace tarvendi::platform
