#pragma once
// The parts of a rename that never overwrites, on UTF-8 paths, apart from the front end so that
// tests can drive the ways that file systems without RENAME_NOREPLACE take.

#include "filesystem.h"

#include <optional>
#include <string>

namespace tarvendi::platform {

// The folder part of a disk path as written, "/" included; empty for a bare name. (The rules'
// folder_part walks GB18030 characters, which a UTF-8 path is not.)
std::string_view folder_prefix(std::string_view path);

// The refusal that a system error number stands for.
RenameResult refusal_from_errno(int err);

// The target exists. It may still be the source itself: the same entry written differently
// ("a" and "/cwd/a"), which succeeds without a change, or a spelling of the source that a
// folder that folds case (vfat on a music player) resolves to the source, which is renamed,
// through a temporary name where the file system does not show the two spellings as one entry
// (FUSE). Anything else, hard links to the source included, refuses with TargetExists.
RenameResult rename_onto_existing(const std::string &src, const std::string &dst);

// What a file system without RENAME_NOREPLACE may lack besides.
struct MissingFeatures {
    bool hard_links = false;     // link() is refused (FAT, exFAT, SMB)
    bool folder_replace = false; // rename() cannot put a folder in place of an empty one (fusefat)
};

// For file systems without RENAME_NOREPLACE. A file gets its new name as a hard link, which
// fails when the name is taken, and then loses the old one. Where there are no hard links, the
// new name is first reserved by creating an empty file (O_EXCL) or folder there, which fails
// when anything holds the name, and the entry is then renamed onto that placeholder, which is
// all a plain rename() can replace. Only where a folder cannot replace an empty folder is the
// target checked first, which leaves a short race with another process creating it. What a file
// system lacks is remembered per device, so that a large run tries each feature once (a device
// number reused by another file system later costs it at most the slower way). Where a folder's
// rename would lose its contents (fusefat), folders are refused as Unsupported.
RenameResult rename_without_noreplace(const std::string &src, const std::string &dst);

// For tests: every rename of the process then takes the way of a file system without
// RENAME_NOREPLACE that lacks `missing` too; nothing turns the simulation off again.
void simulate_no_noreplace(std::optional<MissingFeatures> missing);
bool no_noreplace_simulated();

} // namespace tarvendi::platform
