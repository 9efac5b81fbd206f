#include "audio_tags.h"

#include "display_text.h"
#include "errors.h"
#include "file_io.h"
#include "filesystem.h"
#include "tag_template.h"
#include "text.h"

#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/asffile.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/mp4file.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/wavpackfile.h>

#include <optional>

namespace tarvendi::tags {

namespace {

enum class Format { None, Flac, Ogg, Opus, Mp4, Asf, Ape, WavPack, Wav, Aiff };

Format format_of(std::string_view path) {
    static constexpr std::pair<std::string_view, Format> kFormats[] = {
        {".flac", Format::Flac}, {".ogg", Format::Ogg},    {".oga", Format::Ogg},
        {".opus", Format::Opus}, {".m4a", Format::Mp4},    {".m4b", Format::Mp4},
        {".mp4", Format::Mp4},   {".wma", Format::Asf},    {".asf", Format::Asf},
        {".ape", Format::Ape},   {".wv", Format::WavPack}, {".wav", Format::Wav},
        {".aif", Format::Aiff},  {".aiff", Format::Aiff},  {".aifc", Format::Aiff}};
    const std::string ext = rules::ascii_lower(rules::extension(path));
    for (const auto &[known, format] : kFormats)
        if (ext == known)
            return format;
    return Format::None;
}

// One field of the unified property map; several values (two artists) joined by a blank, as
// TagLib's own accessors join them.
std::string property(const TagLib::PropertyMap &properties, const char *key) {
    const auto found = properties.find(key);
    if (found == properties.end() || found->second.isEmpty())
        return {};
    return platform::typed_text(found->second.toString(" ").to8Bit(true));
}

SongFields mapped_fields(const TagLib::File &file) {
    if (!file.isValid())
        return {};
    const TagLib::PropertyMap properties = file.properties();
    std::string comment = property(properties, "COMMENT");
    // Many Vorbis taggers keep the comment as DESCRIPTION.
    if (comment.empty())
        comment = property(properties, "DESCRIPTION");
    return {property(properties, "TITLE"),
            property(properties, "ARTIST"),
            property(properties, "ALBUM"),
            property(properties, "DATE"),
            std::move(comment),
            property(properties, "TRACKNUMBER")};
}

// An Ogg file holds one of several codecs, whatever its extension says.
SongFields ogg_fields(TagLib::IOStream &stream) {
    if (TagLib::Ogg::Opus::File::isSupported(&stream))
        return mapped_fields(TagLib::Ogg::Opus::File(&stream, false));
    if (TagLib::Ogg::Vorbis::File::isSupported(&stream))
        return mapped_fields(TagLib::Ogg::Vorbis::File(&stream, false));
    if (TagLib::Ogg::FLAC::File::isSupported(&stream))
        return mapped_fields(TagLib::Ogg::FLAC::File(&stream, false));
    return {};
}

SongFields fields_in(Format format, TagLib::IOStream &stream) {
    switch (format) {
    case Format::Flac:
        return mapped_fields(
            TagLib::FLAC::File(&stream, TagLib::ID3v2::FrameFactory::instance(), false));
    case Format::Ogg:
        return ogg_fields(stream);
    case Format::Opus:
        return mapped_fields(TagLib::Ogg::Opus::File(&stream, false));
    case Format::Mp4:
        return mapped_fields(TagLib::MP4::File(&stream, false));
    case Format::Asf:
        return mapped_fields(TagLib::ASF::File(&stream, false));
    case Format::Ape:
        return mapped_fields(TagLib::APE::File(&stream, false));
    case Format::WavPack:
        return mapped_fields(TagLib::WavPack::File(&stream, false));
    case Format::Wav: {
        TagLib::RIFF::WAV::File wav(&stream, false);
        return wav.isValid() && wav.hasID3v2Tag() ? id3v2_tag_fields(*wav.ID3v2Tag())
                                                  : SongFields{};
    }
    case Format::Aiff: {
        TagLib::RIFF::AIFF::File aiff(&stream, false);
        return aiff.isValid() && aiff.hasID3v2Tag() ? id3v2_tag_fields(*aiff.tag()) : SongFields{};
    }
    case Format::None:
        break;
    }
    return {};
}

// The open descriptor of path for TagLib, opened as the platform opens a file for its tag: never
// waiting, and only when it is a regular file. Nothing when there is no tag to read: no such
// file, a folder, a FIFO, socket or device.
std::optional<int> open_for_tags(std::string_view path) {
    try {
        return platform::File(path, platform::File::Mode::Read).release();
    } catch (const platform::IoError &error) {
        if (error.code() == platform::kNotRegularFile || !platform::file_exists(path))
            return std::nullopt;
        throw;
    }
}

} // namespace

bool is_other_audio_name(std::string_view path) {
    return format_of(path) != Format::None;
}

SongFields audio_fields(std::string_view path) {
    const Format format = format_of(path);
    if (format == Format::None)
        return {};
    const std::optional<int> descriptor = open_for_tags(path);
    if (!descriptor)
        return {};
    // The stream closes the descriptor.
    TagLib::FileStream stream(*descriptor, true);
    return fields_in(format, stream);
}

} // namespace tarvendi::tags
