#pragma once
// Inside the platform layer: what the file system under a folder is known to do, for the code
// that relies on it.

#include <string>

namespace tarvendi::platform {

enum class FileSystemKind {
    Other,          // may be remote or FUSE: nothing is assumed
    WindowsMedia,   // FAT, exFAT, NTFS, SMB, also through FUSE: names fold case, and Windows
                    // forbids some of them
    Local,          // every change passes through this kernel; names may fold case (XFS)
    LocalByteExact, // also tells names apart byte by byte, unless a folder is set to fold case
};

FileSystemKind file_system_kind(const char *folder);

// Whether the folder is set to fold case (ext4, f2fs, tmpfs with casefold).
bool folder_folds_case(const char *folder);

// The type of the mount whose device is dev ("fuseblk", "fuse.sshfs", ...), as the process's
// mount table gives it; empty when it is not found.
std::string mount_type(unsigned long dev);

} // namespace tarvendi::platform
