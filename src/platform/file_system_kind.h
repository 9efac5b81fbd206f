#pragma once
// Inside the platform layer: what the file system under a folder is known to do, for the code
// that relies on it.

namespace tarvendi::platform {

enum class FileSystemKind {
    Other,         // may be remote, FUSE, or fold case (vfat, exFAT, NTFS): nothing is assumed
    Local,         // every change passes through this kernel; names may fold case (XFS)
    LocalByteExact // also tells names apart byte by byte, unless a folder is set to fold case
};

FileSystemKind file_system_kind(const char *folder);

} // namespace tarvendi::platform
