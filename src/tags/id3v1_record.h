#pragma once
// The 128-byte ID3v1 record that ends a tagged MP3 file, as plain bytes: no Qt, no file system,
// so it can be fuzzed on its own. Texts are byte strings (GB18030); widths count bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvendi::tags {

inline constexpr std::size_t kRecordSize = 128;
inline constexpr std::size_t kTextWidth = 30; // title, artist, album, comment
inline constexpr std::size_t kYearWidth = 4;

struct Id3v1Fields {
    std::string title;
    std::string artist;
    std::string album;
    std::string year;
    std::string comment;
    std::uint8_t genre = 0; // the raw byte; mapping to a genre name is the caller's business
};

// The fields of a record: each text field ends at its first zero byte, then loses its trailing
// spaces (byte 32) only. Nothing when the block is not exactly 128 bytes or does not begin with
// "TAG" (case-sensitive).
std::optional<Id3v1Fields> parse_id3v1(std::string_view block);
// The same into `fields`, whose strings keep their storage: a reader of many files allocates
// nothing after the first. False (fields unchanged) when the block is no record.
bool parse_id3v1_into(std::string_view block, Id3v1Fields &fields);

// The 128 bytes of a record: "TAG", then each text copied byte for byte to the start of its
// field and padded with spaces (never zero bytes), then the genre byte. A text longer than its
// field is cut to the field's width.
std::string build_id3v1(const Id3v1Fields &fields);

} // namespace tarvendi::tags
