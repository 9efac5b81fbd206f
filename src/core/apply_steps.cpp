#include "apply_steps.h"

#include "errors.h"
#include "state_files.h"

namespace tarvendi::core {

ApplyPlace ApplyPlace::current() {
    ApplyPlace place;
    try {
        place.here_ = platform::current_disk_folder();
    } catch (const platform::IoError &) {
        place.folder_gone_ = true;
    }
    return place;
}

bool ApplyPlace::prepare(std::string_view source, std::string_view folder, std::string_view name,
                         platform::DiskRename &disk) const {
    platform::disk_rename(source, folder, name, disk);
    if (folder_gone_ && disk.refusal == platform::RenameRefusal::None &&
        !(disk.source.starts_with('/') && disk.folder.starts_with('/')))
        disk.refusal = platform::RenameRefusal::NotFound;
    return disk.refusal == platform::RenameRefusal::None;
}

void ApplyPlace::absolute(std::string_view path, std::string &out) const {
    out.clear();
    if (!path.starts_with('/')) {
        out += here_;
        out += '/';
    }
    out += path;
}

void set_outcome(PlannedRename &r, const platform::RenameResult &result) {
    if (result.ok()) {
        r.verdict = Verdict::Rename;
        r.reason = {};
        return;
    }
    r.verdict = result.refusal == platform::RenameRefusal::TargetExists ? Verdict::Exists
                                                                        : Verdict::Invalid;
    r.reason = platform::refusal_reason(result.refusal);
}

} // namespace tarvendi::core
