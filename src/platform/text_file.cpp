#include "text_file.h"

#include "disk_path.h"
#include "display_text.h"
#include "errors.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tarvendi::platform {

void write_file(std::string_view path, std::string_view bytes) {
    const std::string disk = disk_path(path);
    int fd;
    do {
        fd = ::open(disk.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throw IoError(errno, escaped_text(path));

    int failure = 0;
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            failure = put < 0 ? errno : EIO;
            break;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    // A full disk may only show when the data is flushed on close.
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure != 0)
        throw IoError(failure, escaped_text(path));
}

} // namespace tarvendi::platform
