#include "id3v1_tag.h"

#include "errors.h"
#include "file_io.h"
#include "filesystem.h"

#include <cstdint>
#include <optional>

namespace tarvendi::tags {

namespace {

constexpr auto kRecordSize64 = static_cast<std::int64_t>(kRecordSize);

// Owner write permission for the time of one write: a file that was read-only is made so again
// afterwards, also when the write fails.
class WritePermission {
public:
    explicit WritePermission(std::string_view path)
        : path_(path)
        , was_read_only_(platform::is_read_only(path)) {}
    ~WritePermission() {
        if (was_read_only_)
            platform::set_read_only(path_);
    }
    WritePermission(const WritePermission &) = delete;
    WritePermission &operator=(const WritePermission &) = delete;
    // False when the file stays read-only.
    bool granted() const { return !was_read_only_ || platform::clear_read_only(path_); }

private:
    std::string path_;
    bool was_read_only_;
};

// The last 128 bytes of the file; empty when the file is shorter, since such a file cannot hold
// a record, and for a FIFO, socket or device, which holds no tag; nothing when there is no such
// file. Read-only, so that a read-only file's tag can still be looked at. Whether the file
// exists is asked only when the read fails, which spares every successful read a stat call.
std::optional<std::string> read_last_block(std::string_view path) {
    try {
        return platform::read_file_tail(path, kRecordSize);
    } catch (const platform::IoError &) {
        if (!platform::file_exists(path))
            return std::nullopt;
        throw;
    }
}

} // namespace

Id3v1Tag::Id3v1Tag() {
    fields_.genre = kFallbackGenre;
}

void Id3v1Tag::set_filename(std::string_view name) {
    filename_.assign(name);
    read_record();
}

void Id3v1Tag::set_artist(std::string_view value) {
    fields_.artist.assign(value.substr(0, kTextWidth));
    fire(on_change_);
}

void Id3v1Tag::set_title(std::string_view value) {
    fields_.title.assign(value.substr(0, kTextWidth));
    fire(on_change_);
}

void Id3v1Tag::set_album(std::string_view value) {
    fields_.album.assign(value.substr(0, kTextWidth));
    fire(on_change_);
}

void Id3v1Tag::set_year(std::string_view value) {
    fields_.year.assign(value.substr(0, kYearWidth));
    fire(on_change_);
}

void Id3v1Tag::set_comment(std::string_view value) {
    fields_.comment.assign(value.substr(0, kTextWidth));
    fire(on_change_);
}

void Id3v1Tag::set_genre_id(std::uint8_t value) {
    genre_id_ = checked_genre(value);
    fields_.genre = genre_id_;
    genre_.assign(kGenreNames[genre_id_]);
    fire(on_change_);
}

void Id3v1Tag::read_record() {
    // valid stays false until a record has been read, so that an IoError leaving this call
    // makes a later save append instead of overwriting the end of an unread file.
    saved_ = false;
    valid_ = false;
    const std::optional<std::string> block = read_last_block(filename_);
    if (!block) {
        report(kNoFile);
        return;
    }
    if (!parse_id3v1_into(*block, fields_)) {
        fields_.title.clear();
        fields_.artist.clear();
        fields_.album.clear();
        fields_.comment.clear();
        fields_.year.clear();
        genre_id_ = fields_.genre = kFallbackGenre;
        report(kNoTag);
        return;
    }
    valid_ = true;
    genre_id_ = checked_genre(fields_.genre);
    genre_.assign(kGenreNames[genre_id_]);
    fire(on_change_file_);
}

void Id3v1Tag::save() {
    saved_ = false;
    if (!platform::file_exists(filename_)) {
        valid_ = false;
        report(kNoFileOrInvalid);
        return;
    }
    const std::string record = build_id3v1(fields_);
    WritePermission permission(filename_);
    if (!permission.granted()) {
        report(kCannotWrite);
        return;
    }
    platform::File file(filename_, platform::File::Mode::ReadWrite);
    const std::int64_t size = file.size();
    file.seek(valid_ ? size - kRecordSize64 : size);
    file.write(record);
    file.close();
    valid_ = true;
    saved_ = true;
}

void Id3v1Tag::remove_id3() {
    if (!platform::file_exists(filename_)) {
        report(kNoFile);
        return;
    }
    if (!valid_) {
        report(kUntagged);
        return;
    }
    WritePermission permission(filename_);
    if (!permission.granted()) {
        report(kCannotWrite);
        return;
    }
    std::optional<platform::File> file;
    try {
        file.emplace(filename_, platform::File::Mode::ReadWrite);
    } catch (const platform::IoError &) {
        // Reported rather than thrown: the file is untouched.
    }
    if (!file) {
        report(kCannotOpen);
        return;
    }
    file->seek(file->size() - kRecordSize64);
    file->truncate();
    file->close();
    valid_ = false;
}

void Id3v1Tag::report(const char *text) {
    error_.assign(text);
    fire(on_error_);
}

void Id3v1Tag::fire(const Event &event) {
    if (event)
        event(*this);
}

} // namespace tarvendi::tags
