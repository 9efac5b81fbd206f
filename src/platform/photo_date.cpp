#include "photo_date.h"

#include "disk_path.h"
#include "errors.h"
#include "file_io.h"

#include <chrono>
#include <exiv2/exiv2.hpp>
#include <mutex>
#include <string>
#include <unistd.h>

namespace tarvendi::platform {

namespace {

// Once per process, before the first file: a damaged file must not fill standard error with
// Exiv2's warnings, and the XMP toolkit wants its set-up done before any thread parses.
void prepare_exiv2() {
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize();
    });
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// count digits at `at` as a number, moving `at` past them.
bool digits(std::string_view text, std::size_t &at, std::size_t count, int &value) {
    if (text.size() - at < count)
        return false;
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = text[at + i];
        if (!is_digit(c))
            return false;
        value = value * 10 + (c - '0');
    }
    at += count;
    return true;
}

// One separator that is not a digit, then count digits.
bool separated(std::string_view text, std::size_t &at, std::size_t count, int &value) {
    if (at >= text.size() || is_digit(text[at]))
        return false;
    ++at;
    return digits(text, at, count, value);
}

// The date in metadata that has been read.
std::optional<rules::Timestamp> taken(const Exiv2::Image &image) {
    static const Exiv2::ExifKey kOriginal("Exif.Photo.DateTimeOriginal");
    static const Exiv2::ExifKey kDigitized("Exif.Photo.DateTimeDigitized");
    static const Exiv2::XmpKey kCreated("Xmp.xmp.CreateDate");
    const Exiv2::ExifData &exif = image.exifData();
    for (const Exiv2::ExifKey *key : {&kOriginal, &kDigitized}) {
        const auto at = exif.findKey(*key);
        if (at == exif.end())
            continue;
        if (auto time = photo_time_from_text(at->toString()))
            return time;
    }
    const Exiv2::XmpData &xmp = image.xmpData();
    const auto at = xmp.findKey(kCreated);
    if (at == xmp.end())
        return std::nullopt;
    return photo_time_from_text(at->toString());
}

// Whatever a file holds, a photo without a date to give is all that comes of it.
template <class Open> std::optional<rules::Timestamp> guarded(Open open) {
    prepare_exiv2();
    try {
        // Exiv2 0.27 hands the image out in a std::auto_ptr, which C++20 keeps only as deprecated:
        // its name is not spelt here.
        const auto image = open();
        if (!image.get())
            return std::nullopt;
        image->readMetadata();
        return taken(*image);
    } catch (const Exiv2::Error &) {
    } catch (const std::exception &) {
    } catch (...) {
        // The XMP toolkit inside Exiv2 throws a type of its own.
    }
    return std::nullopt;
}

// Closes a descriptor that a File handed over.
class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd_(fd) {}
    ~Descriptor() { ::close(fd_); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

private:
    int fd_;
};

} // namespace

std::optional<rules::Timestamp> photo_time_from_text(std::string_view text) {
    rules::Timestamp t;
    std::size_t at = 0;
    if (!digits(text, at, 4, t.year) || !separated(text, at, 2, t.month) ||
        !separated(text, at, 2, t.day) || !separated(text, at, 2, t.hour) ||
        !separated(text, at, 2, t.minute))
        return std::nullopt;
    if (at < text.size() && text[at] == ':' && !separated(text, at, 2, t.second))
        return std::nullopt;
    using namespace std::chrono;
    const year_month_day date{year(t.year), month(static_cast<unsigned>(t.month)),
                              day(static_cast<unsigned>(t.day))};
    if (t.year < 1000 || !date.ok() || t.hour > 23 || t.minute > 59 || t.second > 60)
        return std::nullopt;
    // A leap second must not become a 60 in a name.
    if (t.second == 60)
        t.second = 59;
    return t;
}

std::optional<rules::Timestamp> photo_taken_time(std::string_view path) {
    int fd = -1;
    std::string disk;
    try {
        // Opened here without waiting and only as a regular file: a FIFO named x.jpg is no photo.
        File file(path, File::Mode::Read);
        disk = disk_path(path);
        fd = file.release();
    } catch (const IoError &) {
        return std::nullopt;
    }
    const Descriptor open_file(fd);
    // Exiv2 opens by path and reads only the pieces it needs (reading the head of each file into
    // memory first was slower: photo_bench). The descriptor's own path reopens the very file
    // checked above, so that nothing put in its place since can make the open wait; without
    // /proc the name must do.
    static const bool kProcFds = ::access("/proc/self/fd", X_OK) == 0;
    const std::string opened = kProcFds ? "/proc/self/fd/" + std::to_string(fd) : disk;
    return guarded([&] { return Exiv2::ImageFactory::open(opened, false); });
}

std::optional<rules::Timestamp> photo_taken_time(const unsigned char *data, std::size_t size) {
    return guarded([&] { return Exiv2::ImageFactory::open(data, static_cast<long>(size)); });
}

} // namespace tarvendi::platform
