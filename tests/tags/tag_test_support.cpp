#include "tag_test_support.h"

#include <QString>
#include <QStringEncoder>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <utility>

void PrintTo(const QByteArray &bytes, std::ostream *os) {
    *os << '"';
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            *os << ch;
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            *os << "\\x" << kHex[byte >> 4] << kHex[byte & 0xF];
        }
    }
    *os << '"';
}

namespace tags_test {

namespace {

// Sets or clears the immutable attribute; false when that is not possible here.
bool set_immutable(const std::string &file, bool on) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace

std::string gb(std::string_view utf8) {
    QStringEncoder encoder("GB18030");
    QByteArray bytes =
        encoder.encode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    EXPECT_FALSE(encoder.hasError()) << utf8;
    return bytes.toStdString();
}

std::string field(std::string_view text, std::size_t width, char pad) {
    std::string out(text);
    if (out.size() < width)
        out.append(width - out.size(), pad);
    return out;
}

std::string record(std::string_view title, std::string_view artist, std::string_view album,
                   std::string_view year, std::string_view comment, unsigned char genre, char pad,
                   std::string_view marker) {
    std::string out = std::string(marker) + field(title, 30, pad) + field(artist, 30, pad) +
                      field(album, 30, pad) + field(year, 4, pad) + field(comment, 30, pad);
    out += static_cast<char>(genre);
    EXPECT_EQ(out.size(), 128u);
    return out;
}

std::string audio(std::size_t size) {
    std::string out(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        out[i] = static_cast<char>(0xFF - i % 7);
    return out;
}

bool running_as_root() {
    return ::geteuid() == 0;
}

int open_descriptors() {
    const auto entries = std::filesystem::directory_iterator("/proc/self/fd");
    return static_cast<int>(std::distance(begin(entries), end(entries)));
}

void PrintTo(const EventCounts &counts, std::ostream *os) {
    *os << "{change_file " << counts.change_file << ", change " << counts.change << ", error "
        << counts.error << "}";
}

void TagTest::SetUp() {
    const auto counter = [this](int EventCounts::*slot) {
        return [this, slot](tarvendi::tags::Id3v1Tag &sender) {
            EXPECT_EQ(&sender, &info_);
            ++(events_.*slot);
        };
    };
    info_.set_on_change_file(counter(&EventCounts::change_file));
    info_.set_on_change(counter(&EventCounts::change));
    info_.set_on_error(counter(&EventCounts::error));
}

void TagTest::TearDown() {
    // Before the folder goes: an immutable file could not be removed.
    for (const std::string &file : immutable_)
        set_immutable(file, false);
}

std::string TagTest::path(std::string_view name) const {
    return folder_ / name;
}

void TagTest::write_file(std::string_view name, std::string_view bytes) const {
    folder_.file(name, bytes);
}

std::string TagTest::read_file(std::string_view name) const {
    EXPECT_TRUE(folder_.exists(name)) << path(name);
    return folder_.read(name);
}

unsigned TagTest::mode(std::string_view name) const {
    struct stat st {};
    EXPECT_EQ(::stat(path(name).c_str(), &st), 0) << path(name);
    return st.st_mode & 07777;
}

void TagTest::set_mode(std::string_view name, unsigned mode) const {
    folder_.set_mode(name, mode);
}

bool TagTest::make_immutable(std::string_view name) {
    if (!set_immutable(path(name), true))
        return false;
    immutable_.push_back(path(name));
    return true;
}

EventCounts TagTest::take_events() {
    return std::exchange(events_, {});
}

} // namespace tags_test
