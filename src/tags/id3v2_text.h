#pragma once
// The text of an ID3v2 frame in the Latin-1 encoding. Older Chinese tools wrote GBK bytes into
// such frames, which read as Latin-1 give "ÇçÌì" for 晴天: where the bytes are valid GB18030
// holding at least one character beyond ASCII, and are not plausible Latin-1 text, they are
// taken as GB18030.
//
// Plausible Latin-1: every run of bytes above 0x7F is a single byte, or two Latin-1 letters
// (0xC0..0xFF but × and ÷) standing inside a word, between ASCII letters ("Grüße"). GB18030 text
// has its characters in runs of two or four such bytes, most of them not inside Latin words.

#include <string>
#include <string_view>

namespace tarvendi::tags {

// The frame's bytes as GB18030 text.
std::string latin1_frame_text(std::string_view bytes);

} // namespace tarvendi::tags
