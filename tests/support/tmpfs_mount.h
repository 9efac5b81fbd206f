#pragma once
// A tmpfs mounted on a folder for the length of a test, with the options that make it the case
// the test needs ("size=32k": a disk that fills; "casefold": names that fold case).

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/mount.h>

namespace tarvendi::testing {

class TmpfsMount {
public:
    TmpfsMount(std::string at, const char *options)
        : at_(std::move(at)) {
        if (::mount("tmpfs", at_.c_str(), "tmpfs", 0, options) != 0)
            error_ = std::strerror(errno);
    }
    ~TmpfsMount() {
        if (error_.empty())
            ::umount2(at_.c_str(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    // Why it could not be mounted (no right to mount, an option this kernel lacks); empty once
    // mounted.
    const std::string &error() const { return error_; }

private:
    std::string at_;
    std::string error_;
};

} // namespace tarvendi::testing
