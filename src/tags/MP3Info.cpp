#include "MP3Info.h"

#include <algorithm>
#include <string_view>

namespace {

std::string_view view(const QByteArray &bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Left alone when it holds the text already, so that a copy the caller kept is not detached;
// written into its own storage otherwise, which a getter called over many files then reuses.
const QByteArray &mirror(QByteArray &to, std::string_view text) {
    if (view(to) == text)
        return to;
    to.resize(static_cast<qsizetype>(text.size()));
    // data() would give an empty array storage of its own.
    if (!text.empty())
        std::copy(text.begin(), text.end(), to.data());
    return to;
}

} // namespace

TMP3Info::TMP3Info(QObject *owner)
    : QObject(owner) {
    tag_.set_on_change_file([this](Tag &) { fire(on_change_file_); });
    tag_.set_on_change([this](Tag &) { fire(on_change_); });
    tag_.set_on_error([this](Tag &) { fire(on_error_); });
    genres_.reserve(static_cast<qsizetype>(Tag::genres().size()));
    for (std::string_view name : Tag::genres())
        genres_.append(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

const QByteArray &TMP3Info::Filename() const {
    return mirror(filename_, tag_.filename());
}

void TMP3Info::setFilename(const QByteArray &name) {
    tag_.set_filename(view(name));
}

const QByteArray &TMP3Info::Artist() const {
    return mirror(artist_, tag_.artist());
}

const QByteArray &TMP3Info::Title() const {
    return mirror(title_, tag_.title());
}

const QByteArray &TMP3Info::Album() const {
    return mirror(album_, tag_.album());
}

const QByteArray &TMP3Info::Year() const {
    return mirror(year_, tag_.year());
}

const QByteArray &TMP3Info::Comment() const {
    return mirror(comment_, tag_.comment());
}

const QByteArray &TMP3Info::Genre() const {
    return mirror(genre_, tag_.genre());
}

const QByteArray &TMP3Info::Error() const {
    return mirror(error_, tag_.error());
}

void TMP3Info::setArtist(const QByteArray &value) {
    tag_.set_artist(view(value));
}

void TMP3Info::setTitle(const QByteArray &value) {
    tag_.set_title(view(value));
}

void TMP3Info::setAlbum(const QByteArray &value) {
    tag_.set_album(view(value));
}

void TMP3Info::setYear(const QByteArray &value) {
    tag_.set_year(view(value));
}

void TMP3Info::setComment(const QByteArray &value) {
    tag_.set_comment(view(value));
}

void TMP3Info::fire(const NotifyEvent &event) {
    if (event)
        event(this);
}
