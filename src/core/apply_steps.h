#pragma once
// What the two applies of a plan (apply_plan, and ApplyAlong beside the planning) do alike for
// each rename: where it happens, its paths as the disk spells them and as the journal writes
// them, and the verdict that what happened gives it.

#include "filesystem.h"
#include "plan.h"

#include <string>
#include <string_view>

namespace tarvendi::core {

class ApplyPlace {
public:
    // Knows nothing of the current directory: every rename may be tried.
    ApplyPlace() = default;
    // The current directory now, for a journal; a removed one is noted.
    static ApplyPlace current();

    // disk_rename of source to name in folder into disk (GB18030 in, disk forms out); in a
    // current directory that was removed nothing is left to rename. True when it may be tried.
    bool prepare(std::string_view source, std::string_view folder, std::string_view name,
                 platform::DiskRename &disk) const;
    // path (a disk form) as the journal writes it: from the root.
    void absolute(std::string_view path, std::string &out) const;

private:
    std::string here_;
    bool folder_gone_ = false;
};

// r's verdict and reason after the file system did or refused its rename.
void set_outcome(PlannedRename &r, const platform::RenameResult &result);

} // namespace tarvendi::core
