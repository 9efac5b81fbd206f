#pragma once
// The genre table of the tag component. Indices 0..79 are the ID3v1 list, 80..83 continue with
// the common extension; that extension's "Fast Fusion" (its 84) is missing, so from "Bebob" on
// every name stands one index lower than its number there, and the table stops at "Folklore".
// Genre bytes are looked up in this table as it stands, so that tags written by this program
// read back unchanged; a byte from 84 on written by another tool shows the name after it.

#include <array>
#include <cstdint>
#include <string_view>

namespace tarvendi::tags {

// clang-format off
inline constexpr std::array<std::string_view, 115> kGenreNames = {
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop", "Jazz",
    "Metal", "New Age", "Oldies", "Other", "Pop", "R&B", "Rap", "Reggae", "Rock", "Techno",
    "Industrial", "Alternative", "Ska", "Death Metal", "Pranks", "Soundtrack", "Euro-Techno",
    "Ambient", "Trip-Hop", "Vocal", "Jazz+Funk", "Fusion", "Trance", "Classical", "Instrumental",
    "Acid", "House", "Game", "Sound Clip", "Gospel", "Noise", "AlternRock", "Bass", "Soul", "Punk",
    "Space", "Meditative", "Instrumental Pop", "Instrumental Rock", "Ethnic", "Gothic", "Darkwave",
    "Techno-Industrial", "Electronic", "Pop-Folk", "Eurodance", "Dream", "Southern Rock", "Comedy",
    "Cult", "Gangsta", "Top 40", "Christian Rap", "Pop/Funk", "Jungle", "Native American",
    "Cabaret", "New Wave", "Psychedelic", "Rave", "Showtunes", "Trailer", "Lo-Fi", "Tribal",
    "Acid Punk", "Acid Jazz", "Polka", "Retro", "Musical", "Rock & Roll", "Hard Rock", "Folk",
    "Folk/Rock", "National Folk", "Swing", "Bebob", "Latin", "Revival", "Celtic", "Bluegrass",
    "Avantgarde", "Gothic Rock", "Progressive Rock", "Psychedelic Rock", "Symphonic Rock",
    "Slow Rock", "Big Band", "Chorus", "Easy Listening", "Acoustic", "Humour", "Speech", "Chanson",
    "Opera", "Chamber Music", "Sonata", "Symphony", "Booty Bass", "Primus", "Porn Groove", "Satire",
    "Slow Jam", "Club", "Tango", "Samba", "Folklore"};
// clang-format on

// "Other": stands in for every genre byte outside the table, 255 ("no genre") included.
inline constexpr std::uint8_t kFallbackGenre = 12;

// The table index for a genre byte.
constexpr std::uint8_t checked_genre(std::uint8_t id) {
    return id < kGenreNames.size() ? id : kFallbackGenre;
}

} // namespace tarvendi::tags
