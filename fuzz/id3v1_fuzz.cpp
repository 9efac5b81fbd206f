// The ID3v1 record codec on arbitrary bytes: the input as a block, the input made into a block
// that carries the marker, and fields of any length and content built into a record. Traps when
// a property that holds for every input breaks.

#include "id3v1_record.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

using namespace tarvendi::tags;

void require(bool holds) {
    if (!holds)
        __builtin_trap();
}

struct Text {
    std::string Id3v1Fields::*member;
    std::size_t offset;
    std::size_t width;
};

// Where the format puts each text in the 128 bytes.
constexpr Text kTexts[] = {
    {&Id3v1Fields::title, 3, kTextWidth},    {&Id3v1Fields::artist, 33, kTextWidth},
    {&Id3v1Fields::album, 63, kTextWidth},   {&Id3v1Fields::year, 93, kYearWidth},
    {&Id3v1Fields::comment, 97, kTextWidth},
};
constexpr std::size_t kGenreOffset = 127;

bool is_record(std::string_view block) {
    return block.size() == kRecordSize && block.starts_with("TAG");
}

void check_parsed(std::string_view block) {
    const auto fields = parse_id3v1(block);
    require(fields.has_value() == is_record(block));
    if (!fields)
        return;
    require(fields->genre == static_cast<std::uint8_t>(block[kGenreOffset]));

    // Written back, every text stands where it stood, padded with spaces, and reads the same.
    const std::string rebuilt = build_id3v1(*fields);
    require(is_record(rebuilt) && rebuilt[kGenreOffset] == block[kGenreOffset]);
    const auto again = parse_id3v1(rebuilt);
    require(again && again->genre == fields->genre);
    for (const Text &t : kTexts) {
        const std::string &text = *fields.*t.member;
        require(text.size() <= t.width && text.find('\0') == std::string::npos);
        require(text.empty() || text.back() != ' ');
        require(block.compare(t.offset, text.size(), text) == 0);
        require(rebuilt.compare(t.offset, text.size(), text) == 0);
        require(rebuilt.find_first_not_of(' ', t.offset + text.size()) >= t.offset + t.width);
        require(*again.*t.member == text);
    }
}

void check_built(FuzzedDataProvider &in) {
    Id3v1Fields fields;
    for (const Text &t : kTexts)
        fields.*t.member = in.ConsumeRandomLengthString(2 * t.width);
    fields.genre = in.ConsumeIntegral<std::uint8_t>();
    const std::string record = build_id3v1(fields);
    require(is_record(record) && static_cast<std::uint8_t>(record[kGenreOffset]) == fields.genre);

    // Each text reads back as its own beginning: cut to its field, ended at a zero byte and
    // without trailing spaces, and whole when it has none of these.
    const auto parsed = parse_id3v1(record);
    require(parsed.has_value());
    for (const Text &t : kTexts) {
        const std::string &given = fields.*t.member;
        const std::string &read = *parsed.*t.member;
        require(given.starts_with(read));
        if (given.size() <= t.width && given.find('\0') == std::string::npos &&
            !given.ends_with(' '))
            require(read == given);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    check_parsed(input);
    // Few inputs are exactly 128 bytes with the marker; a record made of any input still reaches
    // every field.
    std::string block = "TAG" + std::string(input.substr(0, kRecordSize - 3));
    block.resize(kRecordSize, '\0');
    check_parsed(block);
    FuzzedDataProvider in(data, size);
    check_built(in);
    return 0;
}
