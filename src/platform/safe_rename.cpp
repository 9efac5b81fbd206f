#include "safe_rename.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvendi::platform {
namespace {

RenameResult from_call(int rc) {
    return rc == 0 ? RenameResult{} : refusal_from_errno(errno);
}

RenameResult target_exists() {
    return {RenameRefusal::TargetExists, EEXIST};
}

std::string_view last_component(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The real folder that holds path's last component, or nothing when it cannot be resolved.
std::optional<std::string> real_parent(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::string parent = slash == std::string_view::npos ? std::string(".")
                               : slash == 0                    ? std::string("/")
                                                               : std::string(path.substr(0, slash));
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(parent.c_str(), nullptr),
                                                           &std::free);
    if (!real)
        return std::nullopt;
    return std::string(real.get());
}

} // namespace

RenameResult refusal_from_errno(int err) {
    switch (err) {
    case EEXIST:
    case ENOTEMPTY:
        return {RenameRefusal::TargetExists, err};
    case ENOENT:
        return {RenameRefusal::NotFound, err};
    case EACCES:
    case EPERM:
    case EROFS:
        return {RenameRefusal::Permission, err};
    case ENAMETOOLONG:
        return {RenameRefusal::NameTooLong, err};
    default:
        return {RenameRefusal::Other, err};
    }
}

RenameResult rename_onto_existing(const std::string &src, const std::string &dst) {
    struct stat s {};
    struct stat d {};
    if (::lstat(src.c_str(), &s) != 0 || ::lstat(dst.c_str(), &d) != 0 || s.st_dev != d.st_dev ||
        s.st_ino != d.st_ino)
        return target_exists();
    const std::optional<std::string> src_parent = real_parent(src);
    if (!src_parent || src_parent != real_parent(dst))
        return target_exists();
    if (last_component(src) == last_component(dst))
        return {};
    // Folders have no hard links, and a file with a single link has no second name in this
    // folder: the two spellings are one entry, and rename can only change how it is written.
    if (!S_ISDIR(s.st_mode) && s.st_nlink != 1)
        return target_exists();
    return from_call(std::rename(src.c_str(), dst.c_str()));
}

RenameResult rename_without_noreplace(const std::string &src, const std::string &dst) {
    struct stat s {};
    if (::lstat(src.c_str(), &s) != 0)
        return refusal_from_errno(errno);
    if (!S_ISDIR(s.st_mode)) {
        if (::link(src.c_str(), dst.c_str()) != 0)
            return errno == EEXIST ? rename_onto_existing(src, dst) : refusal_from_errno(errno);
        if (::unlink(src.c_str()) != 0) {
            const int err = errno;
            ::unlink(dst.c_str());
            return refusal_from_errno(err);
        }
        return {};
    }
    struct stat d {};
    if (::lstat(dst.c_str(), &d) == 0)
        return rename_onto_existing(src, dst);
    if (errno != ENOENT)
        return refusal_from_errno(errno);
    return from_call(std::rename(src.c_str(), dst.c_str()));
}

} // namespace tarvendi::platform
