#include "undo.h"

#include "encoding.h"
#include "error_reasons.h"
#include "errors.h"
#include "file_io.h"
#include "filesystem.h"
#include "run_order.h"
#include "state_files.h"
#include "text.h"

#include <algorithm>
#include <cerrno>

namespace tarvendi::core {

namespace {

constexpr std::string_view kGone = "改名后的文件已不在（已被再次改名或删除）";
constexpr std::string_view kNotEmpty = "文件夹中已有内容，未删除";
constexpr std::string_view kTagGone = "文件末尾已没有标签，未恢复";
constexpr std::string_view kTagChanged = "标签已被再次修改";

std::string gb(const std::string &disk_path) {
    return platform::name_from_disk(disk_path);
}

RefusedRename refusal(const std::string &current, const std::string &back, std::string reason) {
    return {gb(current), std::string(rules::file_name_part(gb(back))), std::move(reason)};
}

bool failed(const JournalRecord &record, std::size_t index) {
    return std::binary_search(record.failed.begin(), record.failed.end(), index);
}

// Whether the file no longer ends as it did before the write: the write took place (or the tag
// changed since, which undo reports). A file that cannot be read is left to undo to report.
bool tag_stands(const JournalStep &step) {
    try {
        platform::File file(gb(step.path), platform::File::Mode::Read);
        const std::string tail = file.read_tail(kTagSize);
        return step.old_tail ? tail != *step.old_tail : tail.starts_with("TAG");
    } catch (const platform::IoError &) {
        return true;
    }
}

// Whether step is to be taken back (or reported as gone). A rename stands when its target is
// there and its source not; once undone (also by an undo cut short), its source is back and its
// target gone, and there is nothing to do. Only a run that reached its end can tell a rename that
// took place and was renamed away since (gone) from one that never took place. A file leaves a
// cycle's temporary name by a later step of its own, which tells where it went: that name gone
// is never news.
bool to_undo(const JournalRecord &record, const JournalStep &step, std::size_t index) {
    if (record.finished && failed(record, index))
        return false;
    switch (step.kind) {
    case StepKind::Rename: {
        const bool target = platform::entry_exists(step.target);
        if (!target && is_temporary_name(step.target))
            return false;
        const bool source = platform::entry_exists(step.path);
        if (target)
            return !source || record.finished;
        return record.finished && !source;
    }
    case StepKind::Folder:
        return platform::entry_exists(step.path);
    case StepKind::Tag:
        return tag_stands(step);
    }
    return false;
}

// Whether a rename refused this way can be taken back once the user clears the way.
bool can_retry(const platform::RenameResult &result) {
    return result.refusal != platform::RenameRefusal::NotFound;
}

// Tells out why the rename could not be taken back, when out is given.
bool undo_rename(const JournalStep &step, UndoResult *out) {
    if (!platform::entry_exists(step.target)) {
        if (out)
            out->refused.push_back(refusal(step.target, step.path, std::string(kGone)));
        return false;
    }
    const platform::RenameResult result =
        platform::rename_disk(step.target.c_str(), step.path.c_str());
    if (result.ok())
        return true;
    if (out) {
        out->refused.push_back(
            refusal(step.target, step.path, std::string(platform::refusal_reason(result))));
        out->remains |= can_retry(result);
    }
    return false;
}

// A file made read-only since its tag was written is written as it was, and made read-only again.
class Writable {
public:
    explicit Writable(const std::string &path)
        : path_(path)
        , was_read_only_(platform::is_read_only(path) && platform::clear_read_only(path)) {}
    ~Writable() {
        if (was_read_only_)
            platform::set_read_only(path_);
    }
    Writable(const Writable &) = delete;
    Writable &operator=(const Writable &) = delete;

private:
    std::string path_;
    bool was_read_only_;
};

// The file ends with the tag that was written, or was given one where it had none: put back the
// 128 bytes it ended with, or cut the tag off. A file whose tag changed since it was written is
// left alone, and so is one whose tag already is the old one.
bool undo_tag(const JournalRecord &record, const JournalStep &step, std::size_t index,
              UndoResult &out) {
    try {
        const std::string path = gb(step.path);
        const Writable writable(path);
        platform::File file(path, platform::File::Mode::ReadWrite);
        const std::string tail = file.read_tail(kTagSize);
        const auto written = record.written.find(index);
        if (written != record.written.end() && written->second != tail && step.old_tail != tail) {
            out.refused.push_back(refusal(step.path, step.path, std::string(kTagChanged)));
            return false;
        }
        if (!tail.starts_with("TAG")) {
            if (step.old_tail)
                out.refused.push_back(refusal(step.path, step.path, std::string(kTagGone)));
            return false;
        }
        if (step.old_tail == tail)
            return false;
        file.seek(file.size() - static_cast<std::int64_t>(kTagSize));
        if (step.old_tail)
            file.write(*step.old_tail);
        else
            file.truncate();
        file.close();
        return true;
    } catch (const platform::IoError &error) {
        out.refused.push_back(refusal(step.path, step.path, error.what()));
        out.remains |= error.code() != ENOENT;
        return false;
    }
}

// A folder the user filled since is theirs now: it is reported, and the record does not stay
// for it. One that could not be removed for another reason (no permission) stays to undo.
bool undo_folder(const JournalStep &step, UndoResult &out) {
    const int error = platform::remove_empty_folder(step.path);
    if (error == 0)
        return true;
    const bool filled = error == ENOTEMPTY || error == EEXIST;
    out.refused.push_back(
        refusal(step.path, step.path,
                filled ? std::string(kNotEmpty) : std::string(platform::error_reason(error))));
    out.remains |= !filled && error != ENOENT;
    return false;
}

} // namespace

std::vector<std::size_t> steps_to_undo(const JournalRecord &record) {
    std::vector<std::size_t> steps;
    for (std::size_t i = record.steps.size(); i-- > 0;)
        if (to_undo(record, record.steps[i], i))
            steps.push_back(i);
    return steps;
}

UndoResult undo(const JournalRecord &record) {
    UndoResult out;
    // A rename that cannot be taken back yet is tried again at the end: a later step may free
    // its old name (a cycle's member that ended its move beside its own name).
    std::vector<std::size_t> blocked;
    for (std::size_t i = record.steps.size(); i-- > 0;) {
        const JournalStep &step = record.steps[i];
        if (!to_undo(record, step, i))
            continue;
        bool done = false;
        switch (step.kind) {
        case StepKind::Rename:
            done = undo_rename(step, nullptr);
            if (!done)
                blocked.push_back(i);
            break;
        case StepKind::Tag:
            done = undo_tag(record, step, i, out);
            break;
        case StepKind::Folder:
            done = undo_folder(step, out);
            break;
        }
        out.undone += done ? 1 : 0;
    }
    for (const std::size_t i : blocked)
        out.undone += undo_rename(record.steps[i], &out) ? 1 : 0;
    return out;
}

UndoResult undo_entry(Journal &journal, const Journal::Entry &entry) {
    UndoResult result = undo(entry.record);
    if (!result.remains)
        journal.mark_undone(entry.name);
    return result;
}

} // namespace tarvendi::core
