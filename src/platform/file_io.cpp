#include "file_io.h"

#include "disk_path.h"
#include "display_text.h"
#include "errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tarvendi::platform {

namespace {

// Opens without ever waiting: non-blocking, so that a FIFO or a device never makes the open
// wait; a regular file reads and writes the same either way. -1 with errno set on failure.
int open_without_waiting(std::string_view path, int access) {
    const std::string disk = disk_path(path);
    int fd = -1;
    do {
        fd = ::open(disk.c_str(), access | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

File::File(std::string_view path, Mode mode)
    : path_(path) {
    fd_ = open_without_waiting(path, mode == Mode::ReadWrite ? O_RDWR : O_RDONLY);
    // A socket cannot be opened at all (ENXIO): it is no more a file to read a tag from than a
    // FIFO is.
    if (fd_ < 0)
        fail(errno == ENXIO ? kNotRegularFile : errno);
    // Linux opens a folder, a FIFO or a device as well; none is a file to read a tag from.
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        fail(errno);
    if (S_ISDIR(st.st_mode))
        fail(EISDIR);
    if (!S_ISREG(st.st_mode))
        fail(kNotRegularFile);
    size_at_open_ = st.st_size;
}

File::~File() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::int64_t File::size() {
    struct stat st {};
    if (fd_ < 0)
        fail(EBADF);
    if (::fstat(fd_, &st) != 0)
        fail(errno);
    return st.st_size;
}

void File::seek(std::int64_t offset) {
    if (fd_ < 0)
        fail(EBADF);
    if (offset < 0)
        fail(EINVAL);
    if (::lseek(fd_, offset, SEEK_SET) < 0)
        fail(errno);
    pos_ = offset;
}

std::string File::read_tail(std::size_t n) {
    if (fd_ < 0)
        fail(EBADF);
    if (size_at_open_ < static_cast<std::int64_t>(n))
        return {};
    const std::int64_t start = size_at_open_ - static_cast<std::int64_t>(n);
    return read_exactly(n, [&](char *to, std::size_t count, std::size_t done) {
        return ::pread(fd_, to, count, start + static_cast<std::int64_t>(done));
    });
}

std::string File::read(std::size_t n) {
    if (fd_ < 0)
        fail(EBADF);
    std::string bytes = read_exactly(
        n, [&](char *to, std::size_t count, std::size_t) { return ::read(fd_, to, count); });
    pos_ += static_cast<std::int64_t>(n);
    return bytes;
}

template <class ReadSome> std::string File::read_exactly(std::size_t n, ReadSome read_some) {
    std::string bytes(n, '\0');
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = read_some(bytes.data() + done, n - done, done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(errno);
        if (got == 0)
            fail(EIO);
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

void File::write(std::string_view bytes) {
    if (fd_ < 0)
        fail(EBADF);
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            fail(errno);
        if (put == 0)
            fail(EIO);
        bytes.remove_prefix(static_cast<std::size_t>(put));
        pos_ += put;
    }
}

void File::truncate() {
    if (fd_ < 0)
        fail(EBADF);
    if (::ftruncate(fd_, pos_) != 0)
        fail(errno);
}

void File::close() {
    if (fd_ < 0)
        return;
    const int fd = fd_;
    fd_ = -1;
    // After close() the descriptor is gone whatever it returns, so it is never retried.
    if (::close(fd) != 0)
        throw IoError(errno, escaped_text(path_));
}

int File::release() {
    if (fd_ < 0)
        fail(EBADF);
    return std::exchange(fd_, -1);
}

namespace {

// What a failed seek or read from the end says of the open file: nothing to read for a short
// regular file, a FIFO, socket or device; the error itself for a folder or a failing regular file.
int tail_failure(int fd, int error) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return errno;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    if (!S_ISREG(st.st_mode) || error == EINVAL)
        return 0;
    return error;
}

} // namespace

std::string read_file_tail(std::string_view path, std::size_t n) {
    const int fd = open_without_waiting(path, O_RDONLY);
    if (fd < 0 && errno == ENXIO)
        return {}; // a socket: nothing to read, as from a FIFO
    if (fd < 0)
        throw IoError(errno, escaped_text(path));
    std::string tail(n, '\0');
    std::size_t done = 0;
    int error = ::lseek(fd, -static_cast<off_t>(n), SEEK_END) < 0 ? errno : 0;
    while (error == 0 && done < n) {
        const ssize_t got = ::read(fd, tail.data() + done, n - done);
        if (got > 0)
            done += static_cast<std::size_t>(got);
        else if (got == 0)
            error = EIO; // cut short since the seek
        else if (errno != EINTR)
            error = errno;
    }
    if (error != 0)
        error = tail_failure(fd, error);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        throw IoError(error, escaped_text(path));
    return done == n ? tail : std::string();
}

void File::fail(int code) {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    throw IoError(code, escaped_text(path_));
}

} // namespace tarvendi::platform
