#include "tag_template.h"

#include "text.h"

#include <algorithm>
#include <iterator>

namespace tarvendi::rules {

bool is_mp3_name(std::string_view name) {
    return ascii_lower(extension(name)) == ".mp3";
}

bool is_audio_name(std::string_view name) {
    static constexpr std::string_view kExtensions[] = {
        ".mp3", ".flac", ".ogg", ".oga", ".opus", ".m4a", ".m4b",  ".mp4",
        ".wma", ".asf",  ".ape", ".wv",  ".wav",  ".aif", ".aiff", ".aifc"};
    const std::string ext = ascii_lower(extension(name));
    return std::find(std::begin(kExtensions), std::end(kExtensions), ext) != std::end(kExtensions);
}

namespace {

// Appends text to out with every "$" character replaced by artist.
void put_artist(std::string &out, std::string_view text, std::string_view artist) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = char_length(text, i);
        if (len == 1 && text[i] == '$')
            out += artist;
        else
            out += text.substr(i, len);
        i += len;
    }
}

} // namespace

std::string tag_template(std::string_view tmpl, std::int32_t counter, std::string_view title,
                         std::string_view artist, std::string_view ext) {
    const std::string filled = fill_counter(trim(tmpl), counter);
    std::string out;
    for (std::size_t i = 0; i < filled.size();) {
        const std::size_t len = char_length(filled, i);
        const std::string_view c = std::string_view(filled).substr(i, len);
        put_artist(out, c == "@" ? title : c, artist);
        i += len;
    }
    out += ext;
    return trim(out);
}

} // namespace tarvendi::rules
