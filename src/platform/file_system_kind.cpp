#include "file_system_kind.h"

#include <array>
#include <cstdio>
#include <fcntl.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <string_view>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace tarvendi::platform {

namespace {

// Not all of these are in the kernel headers of every distribution.
constexpr unsigned long kExfatMagic = 0x2011BAB0;
constexpr unsigned long kNtfsMagic = 0x5346544E;
constexpr unsigned long kNtfs3Magic = 0x7366746E;
constexpr unsigned long kCifsMagic = 0xFF534D42;
constexpr unsigned long kSmb2Magic = 0xFE534D42;
constexpr unsigned long kFuseMagic = 0x65735546;

// The FUSE drivers of Windows media. exfat-fuse and ntfs-3g mount as plain "fuseblk".
bool windows_fuse(std::string_view type) {
    constexpr std::array<std::string_view, 8> kinds = {
        "fuseblk",   "fuse.exfat",   "fuse.exfat-fuse", "fuse.fusefat",
        "fuse.vfat", "fuse.ntfs-3g", "fuse.lowntfs-3g", "fuse.ntfs"};
    for (const std::string_view kind : kinds)
        if (type == kind)
            return true;
    return false;
}

} // namespace

std::string mount_type(unsigned long dev) {
    std::FILE *table = std::fopen("/proc/self/mountinfo", "re");
    if (!table)
        return {};
    const std::string wanted = std::to_string(major(dev)) + ":" + std::to_string(minor(dev)) + " ";
    std::string type;
    char *line = nullptr;
    std::size_t room = 0;
    while (::getline(&line, &room, table) > 0) {
        // "36 35 0:40 / /mnt rw,relatime shared:1 - fuse.sshfs host:/ rw,..."
        const std::string_view text(line);
        const std::size_t id = text.find(' ', text.find(' ') + 1);
        if (id == std::string_view::npos || text.substr(id + 1, wanted.size()) != wanted)
            continue;
        const std::size_t dash = text.find(" - ");
        if (dash == std::string_view::npos)
            continue;
        const std::string_view rest = text.substr(dash + 3);
        type = std::string(rest.substr(0, rest.find(' ')));
        break;
    }
    std::free(line);
    std::fclose(table);
    return type;
}

FileSystemKind file_system_kind(const char *folder) {
    struct statfs fs;
    if (::statfs(folder, &fs) != 0)
        return FileSystemKind::Other;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case EXT4_SUPER_MAGIC: // also ext2 and ext3
    case TMPFS_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
        return FileSystemKind::LocalByteExact;
    case XFS_SUPER_MAGIC: // can be made without case
        return FileSystemKind::Local;
    case MSDOS_SUPER_MAGIC: // also vfat
    case kExfatMagic:
    case kNtfsMagic:
    case kNtfs3Magic:
    case SMB_SUPER_MAGIC:
    case kCifsMagic:
    case kSmb2Magic:
        return FileSystemKind::WindowsMedia;
    case kFuseMagic: {
        struct stat st {};
        if (::stat(folder, &st) == 0 && windows_fuse(mount_type(st.st_dev)))
            return FileSystemKind::WindowsMedia;
        return FileSystemKind::Other;
    }
    default:
        return FileSystemKind::Other;
    }
}

bool folder_folds_case(const char *folder) {
    const int fd = ::open(folder, O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A file system that cannot fold case does not know the flag.
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0)
        flags = 0;
    ::close(fd);
    return (flags & FS_CASEFOLD_FL) != 0;
}

} // namespace tarvendi::platform
