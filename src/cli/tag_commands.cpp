#include "tag_commands.h"

#include "audio_tags.h"
#include "describe.h"
#include "error_reasons.h"
#include "errors.h"
#include "filesystem.h"
#include "id3v1_tag.h"
#include "language.h"
#include "report.h"
#include "song_fields.h"
#include "tag_template.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace tarvendi::cli {

namespace {

const char *const kFields[] = {"title", "artist", "album", "year", "comment", "genre"};

void print(const std::vector<nlohmann::ordered_json> &files, bool json) {
    if (json) {
        std::cout << nlohmann::ordered_json(files).dump(1, ' ', false,
                                                        nlohmann::json::error_handler_t::replace)
                  << '\n';
        return;
    }
    for (const nlohmann::ordered_json &file : files) {
        std::cout << file["file"].get<std::string>() << '\n';
        for (const auto &[key, value] : file.items())
            if (key != "file")
                std::cout << "  " << key << ": " << value.get<std::string>() << '\n';
    }
}

} // namespace

std::string not_regular_reason() {
    return std::string(platform::error_reason(platform::kNotRegularFile));
}

passes::TagSources tag_sources(const CommandLine &line) {
    return {line.flag("id3v2"), line.flag("all-audio")};
}

int show_tags(const Items &items, passes::TagSources sources, bool json) {
    const bool prefer_id3v2 = sources.prefer_id3v2;
    tags::Id3v1Tag tags;
    std::vector<nlohmann::ordered_json> files;
    // Paths refused on the way in (twice named, of the wrong kind) are told as the others.
    for (const core::RefusedRename &r : items.refused)
        files.push_back({{"file", shown(r.source)}, {"error", said(r.reason)}});
    bool refused = !items.refused.empty();
    for (const core::PassItem &item : items.items) {
        const std::string_view name = item.name;
        const bool mp3 = rules::is_mp3_name(name);
        if (!mp3 && !(sources.all_audio && tags::is_other_audio_name(name)))
            continue;
        const std::string path = items.path(item);
        nlohmann::ordered_json file = {{"file", shown(name)}};
        // One file that cannot be read is told for itself; the others are still shown.
        const auto refuse = [&](std::string_view reason) {
            file["error"] = said(reason);
            files.push_back(std::move(file));
            refused = true;
        };
        if (!platform::regular_file(path)) {
            refuse(not_regular_reason());
            continue;
        }
        tags::SongFields song;
        try {
            if (mp3) {
                tags.set_filename(path);
                song = tags::song_fields(tags, path, prefer_id3v2);
            } else {
                song = tags::audio_fields(path);
            }
        } catch (const platform::IoError &error) {
            refuse(error.what());
            continue;
        }
        if (mp3 ? !tags.valid() && !prefer_id3v2 : song.empty()) {
            file["tag"] = "none";
        } else {
            const std::string *values[] = {&song.title, &song.artist, &song.album, &song.year,
                                           &song.comment};
            for (std::size_t i = 0; i < std::size(values); ++i)
                file[kFields[i]] = shown(*values[i]);
            // An MP3 file's genre is its ID3v1 tag's; the other formats tell their track number.
            if (mp3)
                file["genre"] = shown(tags.genre());
            else
                file["track"] = shown(song.track);
        }
        files.push_back(std::move(file));
    }
    print(files, json);
    return refused ? 1 : 0;
}

int show_tag_changes(const Items &items, const CommandLine &line, bool json) {
    std::vector<nlohmann::ordered_json> files;
    for (const core::PassItem &item : items.items) {
        const std::string_view name = item.name;
        if (!rules::is_mp3_name(name))
            continue;
        nlohmann::ordered_json file = {{"file", shown(name)}};
        for (std::size_t i = 0; i + 1 < std::size(kFields); ++i)
            if (const std::string value = argument(line, kFields[i]); !value.empty())
                file[kFields[i]] = shown(value);
        files.push_back(std::move(file));
    }
    print(files, json);
    return 0;
}

} // namespace tarvendi::cli
