#pragma once
// The date and time a photo was taken, as the camera wrote it into the file: Exif
// DateTimeOriginal, else Exif DateTimeDigitized, else XMP xmp:CreateDate. Read through Exiv2 from
// any format it knows (JPEG, TIFF, PNG, WebP, the raw formats), whatever the name's extension
// says.
//
// The fields are the camera's wall clock as written: a time zone that an XMP date carries is not
// applied, and the seconds are kept as they are (odd ones too: unlike a file's last-write time,
// a photo's time has no two-second steps). Years run from 1000 to 9999, so that the date is
// always eight digits.

#include "wildcard.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace tarvendi::platform {

// The time the photo at path (GB18030) was taken. Nothing when the file holds no such date, is
// not a regular file (a FIFO or a device is never waited for), cannot be opened, or is damaged
// or hostile in any way Exiv2 notices: this never throws.
std::optional<rules::Timestamp> photo_taken_time(std::string_view path);

// The same for a file's bytes in memory (size bytes at data).
std::optional<rules::Timestamp> photo_taken_time(const unsigned char *data, std::size_t size);

// A date as Exif ("2019:05:04 10:20:31") or XMP ("2019-05-04T10:20:31.25+02:00") write it; the
// seconds may be left out, whatever follows them is ignored. Nothing for a date the camera did
// not know ("0000:00:00 00:00:00", blanks), a date without a time, or a field out of range.
std::optional<rules::Timestamp> photo_time_from_text(std::string_view text);

} // namespace tarvendi::platform
