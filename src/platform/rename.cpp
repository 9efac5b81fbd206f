// Renames that never overwrite: the kernel's RENAME_NOREPLACE where the file system has it, the
// equivalents of safe_rename.h where not.

#include "encoding.h"
#include "error_reasons.h"
#include "filesystem.h"
#include "safe_rename.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <optional>
#include <set>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvendi::platform {
namespace {

bool is_invalid_name(std::string_view name) {
    if (name.empty() || name == "." || name == "..")
        return true;
    // Without an early exit the loop runs many bytes at a time; names are short.
    bool bad = false;
    for (const char c : name)
        bad |= c == '/' || static_cast<unsigned char>(c) < 32;
    return bad;
}

} // namespace

bool to_disk(std::string_view gb18030, std::string &out) {
    if (is_ascii(gb18030)) {
        out.assign(gb18030);
        return true;
    }
    std::optional<std::string> converted = name_to_disk(gb18030);
    if (!converted)
        return false;
    out = std::move(*converted);
    return true;
}

RenameRefusal disk_name(std::string_view new_name, std::string &out) {
    if (is_invalid_name(new_name))
        return RenameRefusal::InvalidName;
    if (!to_disk(new_name, out))
        return RenameRefusal::NotConvertible;
    return out.size() > NAME_MAX ? RenameRefusal::NameTooLong : RenameRefusal::None;
}

void disk_rename(std::string_view source, std::string_view folder, std::string_view new_name,
                 DiskRename &out) {
    out.refusal = RenameRefusal::None;
    if (is_invalid_name(new_name))
        out.refusal = RenameRefusal::InvalidName;
    else if (!to_disk(source, out.source) || !to_disk(folder, out.folder) ||
             !to_disk(new_name, out.name))
        out.refusal = RenameRefusal::NotConvertible;
    else if (out.name.size() > NAME_MAX)
        out.refusal = RenameRefusal::NameTooLong;
}

RenameFolder::RenameFolder(std::string folder)
    : folder_(std::move(folder))
    , fd_(::open(folder_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)) {}

RenameFolder::~RenameFolder() {
    if (fd_ >= 0)
        ::close(fd_);
}

void RenameFolder::from_root(std::string_view path, std::string &out) const {
    out.clear();
    if (!path.starts_with('/')) {
        out += folder_;
        out += '/';
    }
    out += path;
}

RenameResult RenameFolder::rename(const char *src, const char *dst) {
    // Without a folder from the root a relative path has nowhere to be, least of all the root.
    if (!folder_.starts_with('/') && (src[0] != '/' || dst[0] != '/'))
        return {RenameRefusal::NotConvertible, 0};
    if (fd_ >= 0 && !long_way_ && !no_noreplace_simulated()) {
        if (::renameat2(fd_, src, fd_, dst, RENAME_NOREPLACE) == 0)
            return {};
        long_way_ = errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP;
    }
    from_root(src, src_);
    from_root(dst, dst_);
    return rename_disk(src_.c_str(), dst_.c_str());
}

RenameResult rename_entry(std::string_view source, std::string_view folder,
                          std::string_view new_name) {
    DiskRename disk;
    disk_rename(source, folder, new_name, disk);
    if (disk.refusal != RenameRefusal::None)
        return {disk.refusal, 0};
    return rename_disk(disk.source.c_str(), disk.target().c_str());
}

namespace {

// The file systems (device numbers) seen to refuse RENAME_NOREPLACE: a large run there asks
// once, in whichever of their folders. The kernel would answer at once, but only after looking
// both names up, which costs a FUSE file system a round trip each. Nothing is looked up while no
// file system refused; after that, the device of a folder is looked up once per folder renamed
// in (a folder written relative to the current directory once more when that changes). Kept per
// thread: an apply renames on one.
struct FolderSeen {
    std::string folder; // as the renames write it, "/" included
    unsigned generation = 0;
    bool refusing = false;
    bool known = false;
};
thread_local std::set<dev_t> refusing_devices;
thread_local FolderSeen last_seen;

// The device of the folder dst is in, or nothing when it cannot be looked up.
std::optional<dev_t> folder_device(std::string_view dst) {
    const std::string_view prefix = folder_prefix(dst);
    struct stat st {};
    if (::stat(prefix.empty() ? "." : std::string(prefix).c_str(), &st) != 0)
        return std::nullopt;
    return st.st_dev;
}

void seen(std::string_view dst, bool refusing) {
    last_seen = {std::string(folder_prefix(dst)), current_folder_generation(), refusing, true};
}

bool known_refusing(std::string_view dst) {
    if (refusing_devices.empty())
        return false;
    if (last_seen.known && folder_prefix(dst) == last_seen.folder &&
        (dst.starts_with('/') || last_seen.generation == current_folder_generation()))
        return last_seen.refusing;
    const std::optional<dev_t> device = folder_device(dst);
    seen(dst, device && refusing_devices.contains(*device));
    return last_seen.refusing;
}

void remember_refusing(std::string_view dst) {
    if (const std::optional<dev_t> device = folder_device(dst)) {
        refusing_devices.insert(*device);
        seen(dst, true);
    }
}

} // namespace

RenameResult rename_disk(const char *src, const char *dst) {
    if (std::strcmp(src, dst) == 0)
        return {};
    const bool known = known_refusing(dst);
    if (known || no_noreplace_simulated())
        errno = EINVAL;
    else if (::renameat2(AT_FDCWD, src, AT_FDCWD, dst, RENAME_NOREPLACE) == 0)
        return {};
    switch (errno) {
    case EEXIST:
        return rename_onto_existing(src, dst);
    case EINVAL:
    case ENOSYS:
    case EOPNOTSUPP: {
        // EINVAL also refuses a folder moved into itself: only a rename that the other way
        // makes tells that the flag was what the file system refused.
        const RenameResult result = rename_without_noreplace(src, dst);
        if (result.ok() && !known && !no_noreplace_simulated())
            remember_refusing(dst);
        return result;
    }
    default:
        return refusal_from_errno(errno);
    }
}

std::string_view refusal_reason(RenameRefusal refusal) {
    switch (refusal) {
    case RenameRefusal::None:
    case RenameRefusal::Other:
        return {};
    case RenameRefusal::TargetExists:
        return "目标已存在";
    case RenameRefusal::NotFound:
        return "找不到文件";
    case RenameRefusal::InvalidName:
        return "名称无效";
    case RenameRefusal::NameTooLong:
        return "名称过长";
    case RenameRefusal::NotConvertible:
        return "名称无法转换编码";
    case RenameRefusal::Permission:
        return "没有权限";
    case RenameRefusal::NotAllowedHere:
        return "此文件系统不允许该名称";
    case RenameRefusal::Unsupported:
        return "此文件系统不支持该操作";
    }
    return {};
}

std::string_view refusal_reason(const RenameResult &result) {
    if (result.refusal == RenameRefusal::None)
        return {};
    // Where the kind is as broad as "no permission", the system's own error says more: a
    // read-only disk. A name the medium cannot hold, or a feature it lacks, is told by its kind,
    // whatever number the medium answered with.
    if (result.errno_value != 0 &&
        (result.refusal == RenameRefusal::Other || result.refusal == RenameRefusal::Permission))
        return error_reason(result.errno_value);
    return refusal_reason(result.refusal);
}

} // namespace tarvendi::platform
