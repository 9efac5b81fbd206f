#include "tag_passes.h"

#include "audio_tags.h"
#include "errors.h"
#include "id3v1_tag.h"
#include "tag_template.h"
#include "text.h"

namespace tarvendi::passes {

using Result = std::optional<std::string>;

bool read_tag(tags::Id3v1Tag &tags, const std::string &path) {
    if (!rules::is_mp3_name(path))
        return false;
    tags.set_filename(path);
    return true;
}

std::optional<tags::SongFields> read_song(tags::Id3v1Tag &tags, const std::string &path,
                                          TagSources sources) {
    if (read_tag(tags, path))
        return tags::song_fields(tags, path, sources.prefer_id3v2);
    if (sources.all_audio && tags::is_other_audio_name(path))
        return tags::audio_fields(path);
    return std::nullopt;
}

core::PassDescription tag_writing(tags::Id3v1Tag &tags, const WriteTag &write) {
    core::PassDescription d;
    d.checked_only = false;
    d.writes_tags = true;
    d.rule = [&tags, write](const core::RuleInput &in) -> Result {
        if (!write(in.source, in.name))
            return std::nullopt;
        // A write that failed is reported with the component's own text, never listed.
        try {
            tags.save();
        } catch (const platform::IoError &error) {
            throw core::ItemRefused{error.what()};
        }
        if (!tags.saved())
            throw core::ItemRefused{tags.error()};
        return in.name;
    };
    return d;
}

core::PassDescription set_tags(tags::Id3v1Tag &tags, TagFields fields) {
    return tag_writing(
        tags, [&tags, fields = std::move(fields)](const std::string &path, const std::string &) {
            if (!read_tag(tags, path))
                return false;
            const auto set = [&tags](const std::string &value,
                                     void (tags::Id3v1Tag::*setter)(std::string_view)) {
                if (!value.empty())
                    (tags.*setter)(value);
            };
            set(fields.title, &tags::Id3v1Tag::set_title);
            set(fields.artist, &tags::Id3v1Tag::set_artist);
            set(fields.album, &tags::Id3v1Tag::set_album);
            set(fields.year, &tags::Id3v1Tag::set_year);
            set(fields.comment, &tags::Id3v1Tag::set_comment);
            return true;
        });
}

core::PassDescription tag_template(tags::Id3v1Tag &tags, std::string tmpl, Number start,
                                   TagSources sources) {
    core::PassDescription d;
    d.start_number = std::move(start);
    d.rule = [&tags, tmpl = std::move(tmpl), sources](const core::RuleInput &in) -> Result {
        const std::optional<tags::SongFields> song = read_song(tags, in.source, sources);
        if (!song)
            return std::nullopt;
        return rules::tag_template(tmpl, in.counter, song->title, song->artist,
                                   rules::extension(in.name));
    };
    return d;
}

core::PassDescription title_and_position(tags::Id3v1Tag &tags, bool with_artist,
                                         TagSources sources) {
    core::PassDescription d;
    d.checked_only = false;
    d.target = core::Target::InFolder;
    d.preview = core::PreviewShows::FullTarget;
    d.rule = [&tags, with_artist, sources](const core::RuleInput &in) -> Result {
        const std::optional<tags::SongFields> song = read_song(tags, in.source, sources);
        if (!song)
            return std::nullopt;
        std::string base = song->title + "_" + std::to_string(in.index);
        return with_artist ? song->artist + "_" + base : base;
    };
    return d;
}

core::PassDescription tag_title(tags::Id3v1Tag &tags, TagSources sources) {
    core::PassDescription d;
    d.checked_only = false;
    d.rule = [&tags, sources](const core::RuleInput &in) -> Result {
        const std::optional<tags::SongFields> song = read_song(tags, in.source, sources);
        if (!song)
            return std::nullopt;
        return song->title + rules::extension(in.name);
    };
    return d;
}

} // namespace tarvendi::passes
