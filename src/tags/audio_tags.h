#pragma once
// The tags of the audio formats besides MP3, read through TagLib: FLAC (Vorbis comments), Ogg
// Vorbis, Ogg Opus and FLAC in Ogg, MP4/M4A (iTunes atoms), ASF/WMA, APE and WavPack (APE tags),
// and the ID3 chunk of WAV and AIFF. The program never writes them.
//
// The name's extension (rules::is_audio_name) chooses the format; an Ogg file (.ogg, .oga) is
// told by its first stream. The texts of these formats are Unicode and become GB18030 as they
// are; only the ID3 chunk of WAV and AIFF is read as an MP3 file's ID3v2 tag is (id3v2_text.h).

#include "song_fields.h"

#include <string_view>

namespace tarvendi::tags {

// True when path's extension names one of the formats above (not MP3, whose tags Id3v1Tag and
// song_fields read).
bool is_other_audio_name(std::string_view path);

// The fields of the audio file at path (GB18030): title, artist, album, the date as written
// (year), the comment and the track number; a field the tag lacks is empty, and several values
// of one field are joined by a blank. All are empty when the file has no tag that TagLib reads,
// does not exist, is a folder, or is no regular file (a FIFO, socket or device, never waited on),
// and when the name is not one of these formats. Throws platform::IoError when the file exists
// but cannot be read (no permission).
SongFields audio_fields(std::string_view path);

} // namespace tarvendi::tags
