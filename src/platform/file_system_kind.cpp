#include "file_system_kind.h"

#include <linux/magic.h>
#include <sys/vfs.h>

namespace tarvendi::platform {

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
    default:
        return FileSystemKind::Other;
    }
}

} // namespace tarvendi::platform
