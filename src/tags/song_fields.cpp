#include "song_fields.h"

#include "display_text.h"
#include "errors.h"
#include "file_io.h"
#include "id3v1_tag.h"
#include "id3v2_text.h"

#include <taglib/commentsframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tfilestream.h>

namespace tarvendi::tags {

namespace {

std::string text(const TagLib::String &value, TagLib::String::Type encoding) {
    if (encoding == TagLib::String::Latin1)
        return latin1_frame_text(value.to8Bit(false));
    return platform::typed_text(value.to8Bit(true));
}

std::string frame_text(const TagLib::ID3v2::Tag &tag, const char *id) {
    const TagLib::ID3v2::FrameList &frames = tag.frameListMap()[id];
    for (const TagLib::ID3v2::Frame *frame : frames) {
        if (const auto *text_frame =
                dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame *>(frame))
            return text(text_frame->toString(), text_frame->textEncoding());
    }
    return {};
}

std::string comment(const TagLib::ID3v2::Tag &tag) {
    for (const TagLib::ID3v2::Frame *frame : tag.frameListMap()["COMM"]) {
        const auto *comment_frame = dynamic_cast<const TagLib::ID3v2::CommentsFrame *>(frame);
        // A described comment is some tool's private note; the plain one is the song's.
        if (comment_frame && comment_frame->description().isEmpty())
            return text(comment_frame->text(), comment_frame->textEncoding());
    }
    return {};
}

} // namespace

SongFields id3v2_fields(std::string_view path) {
    int descriptor = -1;
    try {
        // Opened here, never blocking and only as a regular file; TagLib reads it and closes it.
        platform::File file(path, platform::File::Mode::Read);
        descriptor = file.release();
    } catch (const platform::IoError &) {
        return {};
    }
    TagLib::FileStream stream(descriptor, true);
    TagLib::MPEG::File mpeg(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    const TagLib::ID3v2::Tag *tag =
        mpeg.isValid() && mpeg.hasID3v2Tag() ? mpeg.ID3v2Tag() : nullptr;
    if (!tag)
        return {};
    return id3v2_tag_fields(*tag);
}

SongFields id3v2_tag_fields(const TagLib::ID3v2::Tag &tag) {
    return {frame_text(tag, "TIT2"),
            frame_text(tag, "TPE1"),
            frame_text(tag, "TALB"),
            frame_text(tag, "TDRC"),
            comment(tag),
            frame_text(tag, "TRCK")};
}

SongFields song_fields(const Id3v1Tag &v1, std::string_view path, bool prefer_id3v2) {
    SongFields fields{v1.title(), v1.artist(), v1.album(), v1.year(), v1.comment(), {}};
    if (!prefer_id3v2)
        return fields;
    const SongFields v2 = id3v2_fields(path);
    for (auto member : {&SongFields::title, &SongFields::artist, &SongFields::album,
                        &SongFields::year, &SongFields::comment}) {
        if (!(v2.*member).empty())
            fields.*member = v2.*member;
    }
    return fields;
}

} // namespace tarvendi::tags
