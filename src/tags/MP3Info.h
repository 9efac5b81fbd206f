#pragma once
// TMP3Info is the window's ID3v1 tag component: a tarvendi::tags::Id3v1Tag published as a
// QObject, its values as QByteArray properties. Every member does what its counterpart there
// does (Filename: filename, setGenreID: set_genre_id, RemoveID3: remove_id3, onError: on_error),
// with the same texts, starting values and IoError.
//
// The passes work on tag() directly: the properties show what they change, and the events fire
// with this component as sender whichever way the tag was changed. The events of tag() belong
// to this component and must not be assigned through it.

#include "id3v1_tag.h"

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
    using Tag = tarvendi::tags::Id3v1Tag;
    using NotifyEvent = std::function<void(TMP3Info *)>;

    static constexpr const char *kNoFile = Tag::kNoFile;
    static constexpr const char *kNoTag = Tag::kNoTag;
    static constexpr const char *kUntagged = Tag::kUntagged;
    static constexpr const char *kCannotWrite = Tag::kCannotWrite;
    static constexpr const char *kCannotOpen = Tag::kCannotOpen;
    static constexpr const char *kNoFileOrInvalid = Tag::kNoFileOrInvalid;

    // owner becomes the QObject parent.
    explicit TMP3Info(QObject *owner = nullptr);

    Tag &tag() { return tag_; }

    const QByteArray &Filename() const;
    void setFilename(const QByteArray &name);

    const QByteArray &Artist() const;
    const QByteArray &Title() const;
    const QByteArray &Album() const;
    const QByteArray &Year() const;
    const QByteArray &Comment() const;
    const QByteArray &Genre() const;
    quint8 GenreID() const { return tag_.genre_id(); }
    bool Valid() const { return tag_.valid(); }
    bool Saved() const { return tag_.saved(); }
    const QByteArray &Error() const;

    void setArtist(const QByteArray &value);
    void setTitle(const QByteArray &value);
    void setAlbum(const QByteArray &value);
    void setYear(const QByteArray &value);
    void setComment(const QByteArray &value);
    void setGenreID(quint8 value) { tag_.set_genre_id(value); }

    const QStringList &Genres() const { return genres_; }

    const NotifyEvent &onChangeFile() const { return on_change_file_; }
    const NotifyEvent &onChange() const { return on_change_; }
    const NotifyEvent &onError() const { return on_error_; }
    void setOnChangeFile(NotifyEvent handler) { on_change_file_ = std::move(handler); }
    void setOnChange(NotifyEvent handler) { on_change_ = std::move(handler); }
    void setOnError(NotifyEvent handler) { on_error_ = std::move(handler); }

    Q_INVOKABLE void Save() { tag_.save(); }
    Q_INVOKABLE void RemoveID3() { tag_.remove_id3(); }

private:
    void fire(const NotifyEvent &event);

    Tag tag_;
    // Each text as the last call of its getter saw it: a reference to it stays valid, and the
    // next call brings it up to date with changes made through tag().
    mutable QByteArray filename_;
    mutable QByteArray artist_;
    mutable QByteArray title_;
    mutable QByteArray album_;
    mutable QByteArray year_;
    mutable QByteArray comment_;
    mutable QByteArray genre_;
    mutable QByteArray error_;
    NotifyEvent on_change_file_;
    NotifyEvent on_change_;
    NotifyEvent on_error_;
    QStringList genres_;
};
