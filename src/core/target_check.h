#pragma once
// The verdicts of a plan, worked out in run order against the names that the target folders
// hold: each folder is listed once, when first needed, into a hash table that the run then
// updates (a rename takes its target and frees its source), so no item costs a system call.

#include "plan.h"

#include <string>
#include <string_view>
#include <unordered_map>

namespace tarvendi::core {

class TargetCheck {
public:
    // current_folder: the process's current directory (GB18030), against which relative paths
    // are resolved.
    explicit TargetCheck(const std::string &current_folder);

    // Sets the verdict and reason of r, which renames source to name in folder (GB18030), and
    // records what a rename that will happen takes and frees for the items after it.
    void judge(PlannedRename &r, const std::string &source, const std::string &folder,
               std::string_view name);

private:
    enum class Holder { Disk, Run, Nobody };
    using Folder = std::unordered_map<std::string, Holder>;

    Folder &folder(const std::string &disk_folder);
    std::string absolute(const std::string &disk_path) const;

    std::string current_;
    std::unordered_map<std::string, Folder> folders_;
};

} // namespace tarvendi::core
