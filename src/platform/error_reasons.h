#pragma once
// The words for the system's error numbers: every refusal and error a user reads says what went
// wrong in a sentence of the language spoken, never as a bare number or the C library's English.

#include <string>
#include <string_view>

namespace tarvendi::platform {

// A code of this program's own, beside the system's: the entry is no regular file (a FIFO, a
// socket, a device) where a file's contents are wanted.
inline constexpr int kNotRegularFile = -1;

struct ErrorWords {
    std::string_view chinese; // the engine's own text (UTF-8)
    std::string_view english;
};

// The words for code; both empty when it has none of its own.
ErrorWords error_words(int code);

// The Chinese text for code: its words, or "系统错误 N" for a code without words of its own.
// The text lives as long as the program, as a plan's reasons must.
std::string_view error_reason(int code);

// The English for a text error_reason made, or nothing when text is not one.
std::string english_error_reason(std::string_view text);

} // namespace tarvendi::platform
