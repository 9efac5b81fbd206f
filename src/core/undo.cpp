#include "undo.h"

#include "encoding.h"
#include "errors.h"
#include "file_io.h"
#include "filesystem.h"
#include "state_files.h"
#include "text.h"

#include <algorithm>

namespace tarvendi::core {

namespace {

constexpr std::string_view kGone = "改名后的文件已不在（已被再次改名或删除）";
constexpr std::string_view kNotEmpty = "文件夹中已有内容，未删除";
constexpr std::string_view kTagChanged = "文件末尾已没有标签，未恢复";

std::string gb(const std::string &disk_path) {
    return platform::name_from_disk(disk_path);
}

RefusedRename refusal(const std::string &current, const std::string &back, std::string reason) {
    return {gb(current), std::string(rules::file_name_part(gb(back))), std::move(reason)};
}

bool took_place(const JournalRecord &record, const JournalStep &step, std::size_t index) {
    if (record.finished)
        return !std::binary_search(record.failed.begin(), record.failed.end(), index);
    // Cut short: the disk tells. A rename happened when its target is there and its source not;
    // a folder, when it is there (it may have been there before only if making it failed).
    switch (step.kind) {
    case StepKind::Rename:
        return platform::entry_exists(step.target) && !platform::entry_exists(step.path);
    case StepKind::Folder:
        return platform::entry_exists(step.path);
    case StepKind::Tag:
        break;
    }
    return true;
}

void undo_rename(const JournalStep &step, std::vector<RefusedRename> &refused) {
    if (!platform::entry_exists(step.target))
        return refused.push_back(refusal(step.target, step.path, std::string(kGone)));
    const platform::RenameResult result =
        platform::rename_disk(step.target.c_str(), step.path.c_str());
    if (!result.ok())
        refused.push_back(refusal(step.target, step.path, platform::refusal_text(result)));
}

// The file ends with the tag that was written, or was given one where it had none: put back the
// 128 bytes it ended with, or cut the tag off. A file that no longer ends with a tag was changed
// since and is left alone; so is one whose tag already is the old one.
void undo_tag(const JournalStep &step, std::vector<RefusedRename> &refused) {
    try {
        platform::File file(gb(step.path), platform::File::Mode::ReadWrite);
        const std::string tail = file.read_tail(kTagSize);
        if (!tail.starts_with("TAG")) {
            if (step.old_tail)
                refused.push_back(refusal(step.path, step.path, std::string(kTagChanged)));
            return;
        }
        if (step.old_tail == tail)
            return;
        file.seek(file.size() - static_cast<std::int64_t>(kTagSize));
        if (step.old_tail)
            file.write(*step.old_tail);
        else
            file.truncate();
        file.close();
    } catch (const platform::IoError &error) {
        refused.push_back(refusal(step.path, step.path, error.what()));
    }
}

void undo_folder(const JournalStep &step, std::vector<RefusedRename> &refused) {
    if (platform::entry_exists(step.path) && !platform::remove_empty_folder(step.path))
        refused.push_back(refusal(step.path, step.path, std::string(kNotEmpty)));
}

} // namespace

std::vector<RefusedRename> undo(const JournalRecord &record) {
    std::vector<RefusedRename> refused;
    for (std::size_t i = record.steps.size(); i-- > 0;) {
        const JournalStep &step = record.steps[i];
        if (!took_place(record, step, i))
            continue;
        switch (step.kind) {
        case StepKind::Rename:
            undo_rename(step, refused);
            break;
        case StepKind::Tag:
            undo_tag(step, refused);
            break;
        case StepKind::Folder:
            undo_folder(step, refused);
            break;
        }
    }
    return refused;
}

} // namespace tarvendi::core
