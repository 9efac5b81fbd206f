#pragma once
// Lets a test run a stretch of code as an ordinary user. Root (as the tests run in CI) may
// rename in any folder, so a test of a refused rename would prove nothing there. Only the
// effective ids change, which is what permission checks use; the real ids stay root, so the
// end of the scope takes root's powers back. An ordinary user is left as it is.

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace tarvendi::testing {

class Unprivileged {
public:
    // The id that Debian gives "nobody", for both the user and the group.
    static constexpr uid_t kNobody = 65534;

    Unprivileged() {
        if (::geteuid() != 0)
            return;
        saved_gid_ = ::getegid();
        const int count = ::getgroups(0, nullptr);
        saved_groups_.resize(static_cast<std::size_t>(count > 0 ? count : 0));
        if (count < 0 || ::getgroups(count, saved_groups_.data()) != count) {
            error_ = failure("getgroups");
            return;
        }
        // Supplementary groups go first: dropping them needs root's powers.
        if (::setgroups(0, nullptr) != 0) {
            error_ = failure("setgroups");
            return;
        }
        dropped_groups_ = true;
        if (::setegid(kNobody) != 0) {
            error_ = failure("setegid(65534)");
            return;
        }
        if (::seteuid(kNobody) != 0)
            error_ = failure("seteuid(65534)");
    }

    ~Unprivileged() {
        if (!dropped_groups_)
            return;
        // A test process that stayed someone else would spoil every later test: stop instead.
        if ((::geteuid() != 0 && ::seteuid(0) != 0) || ::setegid(saved_gid_) != 0 ||
            ::setgroups(saved_groups_.size(), saved_groups_.data()) != 0)
            std::abort();
    }

    Unprivileged(const Unprivileged &) = delete;
    Unprivileged &operator=(const Unprivileged &) = delete;

    // Empty when the code now runs as an ordinary user; otherwise why it could not.
    const std::string &error() const { return error_; }

private:
    static std::string failure(const char *call) {
        return std::string("root cannot become an ordinary user here: ") + call + ": " +
               std::strerror(errno);
    }

    std::string error_;
    gid_t saved_gid_ = 0;
    std::vector<gid_t> saved_groups_;
    bool dropped_groups_ = false;
};

// Whether the effective user may create entries in folder; a test of a refusal checks first
// that the file system enforces the permission at all.
inline bool may_write_into(const std::string &folder) {
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0;
}

} // namespace tarvendi::testing
