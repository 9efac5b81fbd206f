#include "id3v1_record.h"

#include <algorithm>
#include <cstring>

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

bool eight_spaces(const char *bytes) {
    std::uint64_t eight = 0;
    std::memcpy(&eight, bytes, sizeof eight);
    return eight == 0x2020202020202020;
}

// Most fields are mostly padding: the trailing spaces go eight at a time, then one at a time.
void read_text(std::string_view field, std::string &text) {
    field = field.substr(0, field.find('\0'));
    std::size_t size = field.size();
    while (size >= 8 && eight_spaces(field.data() + size - 8))
        size -= 8;
    while (size > 0 && field[size - 1] == ' ')
        --size;
    text.assign(field.data(), size);
}

} // namespace

std::optional<Id3v1Fields> parse_id3v1(std::string_view block) {
    Id3v1Fields fields;
    if (!parse_id3v1_into(block, fields))
        return std::nullopt;
    return fields;
}

bool parse_id3v1_into(std::string_view block, Id3v1Fields &fields) {
    if (block.size() != kRecordSize || !block.starts_with(kMarker))
        return false;
    for (const Field &f : kFields)
        read_text(block.substr(f.offset, f.width), fields.*f.member);
    fields.genre = static_cast<std::uint8_t>(block[kGenreOffset]);
    return true;
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
