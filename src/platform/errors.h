#pragma once
// The two errors that end a user action early. Their texts are shown as they stand by the
// window's default error handler; what the action did before the error stays done.

#include <stdexcept>
#include <string>

namespace tarvendi::platform {

// A field that should hold a whole number does not. what() is
// "'<text>' is not a valid integer value", with the field's text as UTF-8.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string &field_text_utf8);
};

// A file-system operation failed. what() is the error's words (error_reasons.h), followed by
// "：" and the path in quotes when one is known (UTF-8, taken as given: pass a name through
// escaped_text so that the message stays one line and tells names apart).
class IoError : public std::runtime_error {
public:
    IoError(int code, const std::string &path_utf8 = {});
    int code() const { return code_; }

private:
    int code_;
};

} // namespace tarvendi::platform
