#pragma once
// New names for song files from a template and the file's tags, and which names are songs.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {

// True when the name's extension, in lower case, is exactly ".mp3" (song.MP3 is one,
// song.mp3.bak is not).
bool is_mp3_name(std::string_view name);
// True when the name's extension, in lower case, names an audio format whose tags the program
// reads: MP3, or one read through TagLib (.flac, .ogg, .oga, .opus, .m4a, .m4b, .mp4, .wma,
// .asf, .ape, .wv, .wav, .aif, .aiff, .aifc).
bool is_audio_name(std::string_view name);

// Fills the "#" runs of the trimmed template with the counter, then puts `title` for each "@"
// and `artist` for each "$", appends `ext` and trims.
// - "#" runs are filled first, so a "#" in a tag value stays.
// - An "@" that the title brings in stays; a "$" that the title brings in becomes the artist; text
//   that the artist brings in is never scanned again.
// - Tokens are whole characters: the second byte of 這 is "@" and is not one. The template and
//   each tag value are walked on their own character boundaries, so a title cut inside its last
//   character (ID3v1 fields are 30 bytes) cannot swallow the template's next token.
std::string tag_template(std::string_view tmpl, std::int32_t counter, std::string_view title,
                         std::string_view artist, std::string_view ext);

} // namespace tarvendi::rules
