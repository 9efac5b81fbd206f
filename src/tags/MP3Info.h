#pragma once
// TMP3Info reads, writes and removes the ID3v1 record (the last 128 bytes) of one file at a
// time. Every text is a GB18030 byte string and every cut counts bytes. Nothing is cached:
// each read and each write opens the file again.
//
// Failures the component checks for itself are reported, never thrown: Error receives one of
// the fixed single-byte English texts below, then onError fires. A failure of the file system
// (open, size, seek, read, write, truncate, close) leaves the call as platform::IoError after
// the file is closed.

#include "id3v1_record.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <functional>
#include <utility>

class TMP3Info : public QObject {
    Q_OBJECT
    Q_PROPERTY(QByteArray Filename READ Filename WRITE setFilename)
    Q_PROPERTY(QByteArray Artist READ Artist WRITE setArtist)
    Q_PROPERTY(QByteArray Title READ Title WRITE setTitle)
    Q_PROPERTY(QByteArray Album READ Album WRITE setAlbum)
    Q_PROPERTY(QByteArray Year READ Year WRITE setYear)
    Q_PROPERTY(QByteArray Comment READ Comment WRITE setComment)
    Q_PROPERTY(QByteArray Genre READ Genre)
    Q_PROPERTY(quint8 GenreID READ GenreID WRITE setGenreID)
    Q_PROPERTY(bool Valid READ Valid)
    Q_PROPERTY(bool Saved READ Saved)
    Q_PROPERTY(QByteArray Error READ Error)

public:
    // Called synchronously inside the operation that fires it, with this component as sender.
    using NotifyEvent = std::function<void(TMP3Info *)>;

    // The texts that Error takes, single-byte: the apostrophes are grave accents (0x60) except
    // in kCannotWrite, whose 0xB4 is an acute accent when decoded as Latin-1.
    static constexpr const char *kNoFile = "File doesn`t exist !";
    static constexpr const char *kNoTag = "Wrong file format or no ID3 Tag !";
    static constexpr const char *kUntagged = "File is already untagged !";
    static constexpr const char *kCannotWrite = "Can\xB4t write ID3 tag information !";
    static constexpr const char *kCannotOpen = "Could not open file !";
    static constexpr const char *kNoFileOrInvalid = "File doesn`t exist or is not valid !";

    // owner becomes the QObject parent. Starts with GenreID 12 but an empty Genre, both flags
    // false, every text empty and no event assigned.
    explicit TMP3Info(QObject *owner = nullptr);

    // A path relative to the current directory, or absolute.
    const QByteArray &Filename() const { return filename_; }
    // Stores the name and reads that file's record, also when the name is unchanged.
    // - missing file or a folder: kNoFile; every other value is kept.
    // - no record (no "TAG" marker, or the file is shorter than 128 bytes): kNoTag; the texts
    //   become empty and GenreID 12, Genre is kept.
    // - record read: onChangeFile fires.
    // Valid tells whether a record was read; Saved becomes false. When IoError leaves the call,
    // Valid and Saved are false and every other value is kept, so that a later Save appends.
    void setFilename(const QByteArray &name);

    const QByteArray &Artist() const { return artist_; }
    const QByteArray &Title() const { return title_; }
    const QByteArray &Album() const { return album_; }
    const QByteArray &Year() const { return year_; }
    const QByteArray &Comment() const { return comment_; }
    const QByteArray &Genre() const { return genre_; }
    quint8 GenreID() const { return genre_id_; }
    bool Valid() const { return valid_; }
    bool Saved() const { return saved_; }
    // The text of the last reported failure; never cleared.
    const QByteArray &Error() const { return error_; }

    // These change the value in memory only (keeping the first 30 bytes, 4 for the year, even
    // when that splits a double-byte character) and fire onChange.
    void setArtist(const QByteArray &value);
    void setTitle(const QByteArray &value);
    void setAlbum(const QByteArray &value);
    void setYear(const QByteArray &value);
    void setComment(const QByteArray &value);
    // A value beyond the genre table (above 114) becomes 12, "Other". Sets Genre, fires onChange.
    void setGenreID(quint8 value);

    // The 115 genre names; GenreID indexes it.
    const QStringList &Genres() const { return genres_; }

    const NotifyEvent &onChangeFile() const { return on_change_file_; }
    const NotifyEvent &onChange() const { return on_change_; }
    const NotifyEvent &onError() const { return on_error_; }
    void setOnChangeFile(NotifyEvent handler) { on_change_file_ = std::move(handler); }
    void setOnChange(NotifyEvent handler) { on_change_ = std::move(handler); }
    void setOnError(NotifyEvent handler) { on_error_ = std::move(handler); }

    // Writes the values as a record: over the last 128 bytes when Valid, appended otherwise (then
    // Valid becomes true). Valid is trusted as the last read or write left it; the file's end is
    // not looked at again. A read-only file gets its owner write permission for the write and is
    // read-only again after it. Reports kNoFileOrInvalid when the file does not exist (Valid
    // becomes false), or kCannotWrite when the read-only bit cannot be cleared. Saved tells whether
    // the record was written, also when IoError leaves the call.
    Q_INVOKABLE void Save();
    // Cuts the last 128 bytes off the file and makes Valid false; the values stay. Read-only
    // handling as in Save. Reports kNoFile, kUntagged (Valid is false), kCannotWrite, or
    // kCannotOpen (the file could not be opened; it is unchanged); Valid then stays.
    Q_INVOKABLE void RemoveID3();

private:
    void ReadTag();
    void report(const char *text);
    // False when the file stays read-only.
    void fire(const NotifyEvent &event);

    QByteArray filename_;
    QByteArray artist_;
    QByteArray title_;
    QByteArray album_;
    QByteArray comment_;
    QByteArray year_;
    QByteArray genre_;
    QByteArray error_;
    tarvendi::tags::Id3v1Fields read_; // the last record read, kept for its storage
    quint8 genre_id_;
    // The genre byte as read, written back as it was unless GenreID was set since: 255 ("no
    // genre") and the genres past the table read as 12 but must not become it on disk.
    quint8 genre_byte_;
    bool valid_ = false;
    bool saved_ = false;
    NotifyEvent on_change_file_;
    NotifyEvent on_change_;
    NotifyEvent on_error_;
    QStringList genres_;
};
