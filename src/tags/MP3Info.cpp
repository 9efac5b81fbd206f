#include "MP3Info.h"

#include "errors.h"
#include "file_io.h"
#include "filesystem.h"
#include "genres.h"
#include "id3v1_record.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform = tarvendi::platform;
namespace tags = tarvendi::tags;

namespace {

constexpr auto kRecordSize = static_cast<std::int64_t>(tags::kRecordSize);

std::string_view view(const QByteArray &bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Into the array's own storage where it is not shared: reading many files allocates nothing.
void assign(QByteArray &to, std::string_view text) {
    to.resize(static_cast<qsizetype>(text.size()));
    // data() would give an empty array storage of its own.
    if (!text.empty())
        std::copy(text.begin(), text.end(), to.data());
}

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
        return platform::read_file_tail(path, tags::kRecordSize);
    } catch (const platform::IoError &) {
        if (!platform::file_exists(path))
            return std::nullopt;
        throw;
    }
}

} // namespace

TMP3Info::TMP3Info(QObject *owner)
    : QObject(owner)
    , genre_id_(tags::kFallbackGenre)
    , genre_byte_(tags::kFallbackGenre) {
    genres_.reserve(static_cast<qsizetype>(tags::kGenreNames.size()));
    for (std::string_view name : tags::kGenreNames)
        genres_.append(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

void TMP3Info::setFilename(const QByteArray &name) {
    filename_ = name;
    ReadTag();
}

void TMP3Info::setArtist(const QByteArray &value) {
    artist_ = value.left(tags::kTextWidth);
    fire(on_change_);
}

void TMP3Info::setTitle(const QByteArray &value) {
    title_ = value.left(tags::kTextWidth);
    fire(on_change_);
}

void TMP3Info::setAlbum(const QByteArray &value) {
    album_ = value.left(tags::kTextWidth);
    fire(on_change_);
}

void TMP3Info::setYear(const QByteArray &value) {
    year_ = value.left(tags::kYearWidth);
    fire(on_change_);
}

void TMP3Info::setComment(const QByteArray &value) {
    comment_ = value.left(tags::kTextWidth);
    fire(on_change_);
}

void TMP3Info::setGenreID(quint8 value) {
    genre_id_ = tags::checked_genre(value);
    genre_byte_ = genre_id_;
    assign(genre_, tags::kGenreNames[genre_id_]);
    fire(on_change_);
}

void TMP3Info::ReadTag() {
    // Valid stays false until a record has been read, so that an IoError leaving this call
    // makes a later Save append instead of overwriting the end of an unread file.
    saved_ = false;
    valid_ = false;
    const std::optional<std::string> block = read_last_block(view(filename_));
    if (!block) {
        report(kNoFile);
        return;
    }
    if (!tags::parse_id3v1_into(*block, read_)) {
        title_.clear();
        artist_.clear();
        album_.clear();
        comment_.clear();
        year_.clear();
        genre_id_ = genre_byte_ = tags::kFallbackGenre;
        report(kNoTag);
        return;
    }
    valid_ = true;
    assign(title_, read_.title);
    assign(artist_, read_.artist);
    assign(album_, read_.album);
    assign(comment_, read_.comment);
    assign(year_, read_.year);
    genre_id_ = tags::checked_genre(read_.genre);
    genre_byte_ = read_.genre;
    assign(genre_, tags::kGenreNames[genre_id_]);
    fire(on_change_file_);
}

void TMP3Info::Save() {
    saved_ = false;
    const std::string_view path = view(filename_);
    if (!platform::file_exists(path)) {
        valid_ = false;
        report(kNoFileOrInvalid);
        return;
    }
    const std::string record =
        tags::build_id3v1({title_.toStdString(), artist_.toStdString(), album_.toStdString(),
                           year_.toStdString(), comment_.toStdString(), genre_byte_});
    WritePermission permission(path);
    if (!permission.granted()) {
        report(kCannotWrite);
        return;
    }
    platform::File file(path, platform::File::Mode::ReadWrite);
    const std::int64_t size = file.size();
    file.seek(valid_ ? size - kRecordSize : size);
    file.write(record);
    file.close();
    valid_ = true;
    saved_ = true;
}

void TMP3Info::RemoveID3() {
    const std::string_view path = view(filename_);
    if (!platform::file_exists(path)) {
        report(kNoFile);
        return;
    }
    if (!valid_) {
        report(kUntagged);
        return;
    }
    WritePermission permission(path);
    if (!permission.granted()) {
        report(kCannotWrite);
        return;
    }
    std::optional<platform::File> file;
    try {
        file.emplace(path, platform::File::Mode::ReadWrite);
    } catch (const platform::IoError &) {
        // Reported rather than thrown: the file is untouched.
    }
    if (!file) {
        report(kCannotOpen);
        return;
    }
    file->seek(file->size() - kRecordSize);
    file->truncate();
    file->close();
    valid_ = false;
}

void TMP3Info::report(const char *text) {
    error_ = text;
    fire(on_error_);
}

void TMP3Info::fire(const NotifyEvent &event) {
    if (event)
        event(this);
}
