#include "tag_passes.h"

#include "MP3Info.h"
#include "errors.h"
#include "song_fields.h"
#include "tag_bytes.h"
#include "tag_template.h"
#include "text.h"

namespace tarvendi::passes {

using Result = std::optional<std::string>;

bool read_tag(TMP3Info &tags, const std::string &path) {
    if (!rules::is_mp3_name(path))
        return false;
    tags.setFilename(byte_array(path));
    return true;
}

core::PassDescription tag_writing(TMP3Info &tags,
                                  const std::function<bool(const std::string &item)> &write) {
    core::PassDescription d;
    d.checked_only = false;
    d.writes_tags = true;
    d.rule = [&tags, write](const core::RuleInput &in) -> Result {
        if (!write(in.name))
            return std::nullopt;
        // A write that failed is reported with the component's own text, never listed.
        try {
            tags.Save();
        } catch (const platform::IoError &error) {
            throw core::ItemRefused{error.what()};
        }
        if (!tags.Saved())
            throw core::ItemRefused{byte_string(tags.Error())};
        return in.name;
    };
    return d;
}

core::PassDescription set_tags(TMP3Info &tags, TagFields fields) {
    return tag_writing(tags, [&tags, fields = std::move(fields)](const std::string &item) {
        if (!read_tag(tags, item))
            return false;
        const auto set = [](const std::string &value, auto setter) {
            if (!value.empty())
                setter(byte_array(value));
        };
        set(fields.title, [&](const QByteArray &v) { tags.setTitle(v); });
        set(fields.artist, [&](const QByteArray &v) { tags.setArtist(v); });
        set(fields.album, [&](const QByteArray &v) { tags.setAlbum(v); });
        set(fields.year, [&](const QByteArray &v) { tags.setYear(v); });
        set(fields.comment, [&](const QByteArray &v) { tags.setComment(v); });
        return true;
    });
}

core::PassDescription tag_template(TMP3Info &tags, std::string tmpl, Number start,
                                   bool prefer_id3v2) {
    core::PassDescription d;
    d.start_number = std::move(start);
    d.rule = [&tags, tmpl = std::move(tmpl), prefer_id3v2](const core::RuleInput &in) -> Result {
        if (!read_tag(tags, in.name))
            return std::nullopt;
        const tags::SongFields song = tags::song_fields(tags, in.name, prefer_id3v2);
        return rules::tag_template(tmpl, in.counter, song.title, song.artist,
                                   rules::extension(in.name));
    };
    return d;
}

core::PassDescription title_and_position(TMP3Info &tags, bool with_artist, bool prefer_id3v2) {
    core::PassDescription d;
    d.checked_only = false;
    d.target = core::Target::InFolder;
    d.preview = core::PreviewShows::FullTarget;
    d.rule = [&tags, with_artist, prefer_id3v2](const core::RuleInput &in) -> Result {
        if (!read_tag(tags, in.source))
            return std::nullopt;
        const tags::SongFields song = tags::song_fields(tags, in.source, prefer_id3v2);
        std::string base = song.title + "_" + std::to_string(in.index);
        return with_artist ? song.artist + "_" + base : base;
    };
    return d;
}

core::PassDescription tag_title(TMP3Info &tags, bool prefer_id3v2) {
    core::PassDescription d;
    d.checked_only = false;
    d.rule = [&tags, prefer_id3v2](const core::RuleInput &in) -> Result {
        if (!read_tag(tags, in.name))
            return std::nullopt;
        return tags::song_fields(tags, in.name, prefer_id3v2).title + rules::extension(in.name);
    };
    return d;
}

} // namespace tarvendi::passes
