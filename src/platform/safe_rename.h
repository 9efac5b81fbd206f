#pragma once
// The parts of a rename that never overwrites, on UTF-8 paths, apart from the front end so that
// tests can drive the path that file systems without RENAME_NOREPLACE take.

#include "filesystem.h"

#include <string>

namespace tarvendi::platform {

// The refusal that a system error number stands for.
RenameResult refusal_from_errno(int err);

// The target exists. It may still be the source itself: the same entry written differently
// ("a" and "/cwd/a"), which succeeds without a change, or a spelling of the source that a
// case-insensitive file system (vfat on a music player) resolves to the source, which is
// renamed. Anything else, hard links to the source included, refuses with TargetExists.
RenameResult rename_onto_existing(const std::string &src, const std::string &dst);

// For file systems without RENAME_NOREPLACE. A file gets its new name as a hard link, which
// fails when the name is taken, and then loses the old one. A folder cannot be linked: the
// target is checked first, which leaves a short race with another process creating it.
RenameResult rename_without_noreplace(const std::string &src, const std::string &dst);

} // namespace tarvendi::platform
