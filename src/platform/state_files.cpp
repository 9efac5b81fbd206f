#include "state_files.h"

#include "display_text.h"
#include "encoding.h"
#include "errors.h"
#include "filesystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvendi::platform {

namespace {

std::string escaped_path(const std::string &path) {
    return escaped_text(name_from_disk(path));
}

// Creates each missing folder of path, private to the user, as the XDG rules ask for state.
void make_folders(const std::string &path) {
    for (std::size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
        const std::string part = path.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            throw IoError(errno, escaped_path(part));
        if (at == std::string::npos)
            return;
    }
}

// The entry of a new file survives a crash only once its folder is synced too.
void sync_folder(const std::string &folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw IoError(errno, escaped_path(folder));
    const int rc = ::fsync(fd);
    const int err = errno;
    ::close(fd);
    if (rc != 0)
        throw IoError(err, escaped_path(folder));
}

std::string parent_of(const std::string &path) {
    const std::size_t slash = path.rfind('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace

std::string journal_folder() {
    const char *state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return std::string(state) + "/tarvendi";
    const char *home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/state/tarvendi";
}

std::string current_disk_folder() {
    std::string folder(4096, '\0');
    while (::getcwd(folder.data(), folder.size()) == nullptr) {
        if (errno != ERANGE)
            throw IoError(errno);
        folder.resize(folder.size() * 2);
    }
    folder.resize(folder.find('\0'));
    return folder;
}

AppendFile::AppendFile(const std::string &path)
    : path_(path) {
    make_folders(parent_of(path));
    fd_ =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0)
        throw IoError(errno, escaped_path(path));
}

AppendFile::AppendFile(const std::string &path, bool)
    : path_(path) {
    fd_ = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd_ < 0)
        throw IoError(errno, escaped_path(path));
    struct stat st {};
    char last = '\n';
    if (::fstat(fd_, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
        ::pread(fd_, &last, 1, st.st_size - 1) == 1)
        cut_line_ = last != '\n';
}

AppendFile::~AppendFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

void AppendFile::append(std::string_view text) {
    if (cut_line_) {
        cut_line_ = false;
        append("\n");
    }
    while (!text.empty()) {
        const ssize_t n = ::write(fd_, text.data(), text.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw IoError(n < 0 ? errno : EIO, escaped_path(path_));
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

void AppendFile::sync() {
    if (::fsync(fd_) != 0)
        throw IoError(errno, escaped_path(path_));
}

void AppendFile::rename(const std::string &path) {
    const RenameResult result = rename_disk(path_.c_str(), path.c_str());
    if (!result.ok())
        throw IoError(result.errno_value != 0 ? result.errno_value : EEXIST, escaped_path(path));
    path_ = path;
    sync_folder(parent_of(path));
}

FileLock::FileLock(const std::string &path, bool wait) {
    make_folders(parent_of(path));
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd_ < 0)
        throw IoError(errno, escaped_path(path));
    int rc;
    while ((rc = ::flock(fd_, LOCK_EX | (wait ? 0 : LOCK_NB))) != 0 && errno == EINTR) {
    }
    if (rc != 0) {
        const int err = errno;
        ::close(fd_);
        fd_ = -1;
        if (err != EWOULDBLOCK)
            throw IoError(err, escaped_path(path));
    }
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

std::vector<std::string> files_ending_with(const std::string &folder, std::string_view suffix) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir)
        return names;
    while (const dirent *e = ::readdir(dir.get())) {
        const std::string_view name = e->d_name;
        if (name.size() > suffix.size() && name.ends_with(suffix) &&
            (e->d_type == DT_REG || e->d_type == DT_UNKNOWN))
            names.emplace_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

namespace {

// Everything fd (opened from path) gives until its end, at most `most` bytes (EFBIG past
// them); closes fd. A folder is refused (EISDIR).
std::string read_to_end(int fd, const std::string &path, std::size_t most, bool wait_for_writer) {
    const auto fail = [&](int code) {
        ::close(fd);
        throw IoError(code, escaped_path(path));
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        fail(errno);
    if (S_ISDIR(st.st_mode))
        fail(EISDIR);
    // Opened without waiting for a FIFO's writer; read waiting for what a writer sends. A FIFO
    // whose writer has not come yet reads as ended: where the user named a pipe, poll waits for
    // the writer first (it reports the end only once a writer came and went).
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (wait_for_writer && S_ISFIFO(st.st_mode)) {
        pollfd writer{fd, POLLIN, 0};
        while (::poll(&writer, 1, -1) < 0)
            if (errno != EINTR)
                fail(errno);
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(errno);
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > most)
            fail(EFBIG);
    }
    ::close(fd);
    return text;
}

std::string read_opened(const std::string &path, int flags, std::size_t most,
                        bool wait_for_writer) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | flags);
    if (fd < 0)
        throw IoError(errno, escaped_path(path));
    return read_to_end(fd, path, most, wait_for_writer);
}

} // namespace

std::string read_whole_file(const std::string &path) {
    return read_opened(path, O_NOFOLLOW, std::string().max_size(), false);
}

std::string read_named_file(const std::string &path) {
    return read_opened(path, 0, std::size_t{64} << 20, true);
}

bool remove_file(const std::string &path) {
    return ::unlink(path.c_str()) == 0;
}

int remove_empty_folder(const std::string &path) {
    return ::rmdir(path.c_str()) == 0 ? 0 : errno;
}

bool entry_exists(const std::string &path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

} // namespace tarvendi::platform
