#include "id3v1_record.h"

#include <algorithm>

namespace tarvendi::tags {

namespace {

constexpr std::string_view kMarker = "TAG";

struct Field {
    std::size_t offset;
    std::size_t width;
    std::string Id3v1Fields::*member;
};

// The comment owns all 30 bytes from offset 97: this format has no separate track byte.
constexpr Field kFields[] = {
    {3, kTextWidth, &Id3v1Fields::title},    {33, kTextWidth, &Id3v1Fields::artist},
    {63, kTextWidth, &Id3v1Fields::album},   {93, kYearWidth, &Id3v1Fields::year},
    {97, kTextWidth, &Id3v1Fields::comment},
};

constexpr std::size_t kGenreOffset = 127;

std::string read_text(std::string_view field) {
    field = field.substr(0, field.find('\0'));
    const std::size_t last = field.find_last_not_of(' ');
    return std::string(field.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

} // namespace

std::optional<Id3v1Fields> parse_id3v1(std::string_view block) {
    if (block.size() != kRecordSize || !block.starts_with(kMarker))
        return std::nullopt;
    Id3v1Fields fields;
    for (const Field &f : kFields)
        fields.*f.member = read_text(block.substr(f.offset, f.width));
    fields.genre = static_cast<std::uint8_t>(block[kGenreOffset]);
    return fields;
}

std::string build_id3v1(const Id3v1Fields &fields) {
    std::string record(kRecordSize, ' ');
    record.replace(0, kMarker.size(), kMarker);
    for (const Field &f : kFields) {
        const std::string &text = fields.*f.member;
        record.replace(f.offset, std::min(text.size(), f.width), text, 0, f.width);
    }
    record[kGenreOffset] = static_cast<char>(fields.genre);
    return record;
}

} // namespace tarvendi::tags
