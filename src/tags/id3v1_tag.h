#pragma once
// Id3v1Tag reads, writes and removes the ID3v1 record (the last 128 bytes) of one file at a
// time. Every text is a GB18030 byte string and every cut counts bytes. Nothing is cached:
// each read and each write opens the file again.
//
// Failures the tag checks for itself are reported, never thrown: error() receives one of the
// fixed single-byte English texts below, then on_error fires. A failure of the file system
// (open, size, seek, read, write, truncate, close) leaves the call as platform::IoError after
// the file is closed.

#include "genres.h"
#include "id3v1_record.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace tarvendi::tags {

class Id3v1Tag {
public:
    // Called synchronously inside the operation that fires it, with this tag.
    using Event = std::function<void(Id3v1Tag &)>;
    using GenreTable = decltype(kGenreNames);

    // The texts that error() takes, single-byte: the apostrophes are grave accents (0x60) except
    // in kCannotWrite, whose 0xB4 is an acute accent when decoded as Latin-1.
    static constexpr const char *kNoFile = "File doesn`t exist !";
    static constexpr const char *kNoTag = "Wrong file format or no ID3 Tag !";
    static constexpr const char *kUntagged = "File is already untagged !";
    static constexpr const char *kCannotWrite = "Can\xB4t write ID3 tag information !";
    static constexpr const char *kCannotOpen = "Could not open file !";
    static constexpr const char *kNoFileOrInvalid = "File doesn`t exist or is not valid !";

    // Starts with genre_id 12 but an empty genre, both flags false, every text empty and no
    // event assigned.
    Id3v1Tag();

    // A path relative to the current directory, or absolute.
    const std::string &filename() const { return filename_; }
    // Stores the name and reads that file's record, also when the name is unchanged.
    // - missing file or a folder: kNoFile; every other value is kept.
    // - no record (no "TAG" marker, or the file is shorter than 128 bytes): kNoTag; the texts
    //   become empty and genre_id 12, genre is kept.
    // - record read: on_change_file fires.
    // valid tells whether a record was read; saved becomes false. When IoError leaves the call,
    // valid and saved are false and every other value is kept, so that a later save appends.
    void set_filename(std::string_view name);

    const std::string &artist() const { return fields_.artist; }
    const std::string &title() const { return fields_.title; }
    const std::string &album() const { return fields_.album; }
    const std::string &year() const { return fields_.year; }
    const std::string &comment() const { return fields_.comment; }
    const std::string &genre() const { return genre_; }
    std::uint8_t genre_id() const { return genre_id_; }
    bool valid() const { return valid_; }
    bool saved() const { return saved_; }
    // The text of the last reported failure; never cleared.
    const std::string &error() const { return error_; }

    // These change the value in memory only (keeping the first 30 bytes, 4 for the year, even
    // when that splits a double-byte character) and fire on_change.
    void set_artist(std::string_view value);
    void set_title(std::string_view value);
    void set_album(std::string_view value);
    void set_year(std::string_view value);
    void set_comment(std::string_view value);
    // A value beyond the genre table (above 114) becomes 12, "Other". Sets genre, fires
    // on_change.
    void set_genre_id(std::uint8_t value);

    // The 115 genre names; genre_id indexes it.
    static const GenreTable &genres() { return kGenreNames; }

    const Event &on_change_file() const { return on_change_file_; }
    const Event &on_change() const { return on_change_; }
    const Event &on_error() const { return on_error_; }
    void set_on_change_file(Event handler) { on_change_file_ = std::move(handler); }
    void set_on_change(Event handler) { on_change_ = std::move(handler); }
    void set_on_error(Event handler) { on_error_ = std::move(handler); }

    // Writes the values as a record: over the last 128 bytes when valid, appended otherwise (then
    // valid becomes true). valid is trusted as the last read or write left it; the file's end is
    // not looked at again. A read-only file gets its owner write permission for the write and is
    // read-only again after it. Reports kNoFileOrInvalid when the file does not exist (valid
    // becomes false), or kCannotWrite when the read-only bit cannot be cleared. saved tells whether
    // the record was written, also when IoError leaves the call.
    void save();
    // Cuts the last 128 bytes off the file and makes valid false; the values stay. Read-only
    // handling as in save. Reports kNoFile, kUntagged (valid is false), kCannotWrite, or
    // kCannotOpen (the file could not be opened; it is unchanged); valid then stays.
    void remove_id3();

private:
    void read_record();
    void report(const char *text);
    void fire(const Event &event);

    std::string filename_;
    // The texts, and the genre byte as read, written back as it was unless genre_id was set
    // since: 255 ("no genre") and the genres past the table read as 12 but must not become it
    // on disk. A read parses into it, so that the texts keep their storage from file to file.
    Id3v1Fields fields_;
    std::string genre_;
    std::string error_;
    std::uint8_t genre_id_ = kFallbackGenre;
    bool valid_ = false;
    bool saved_ = false;
    Event on_change_file_;
    Event on_change_;
    Event on_error_;
};

} // namespace tarvendi::tags
