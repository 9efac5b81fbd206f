#include "target_check.h"

#include "encoding.h"
#include "listing.h"
#include "text.h"

#include <filesystem>

namespace tarvendi::core {

namespace {

constexpr std::string_view kHides = "新名称以\".\"开头，文件会被隐藏";
constexpr std::string_view kUnchanged = "名称未变";
constexpr std::string_view kDuplicate = "与前面的新名称重复";

// On Linux a leading "." hides a file, and the file list leaves hidden files out: a rule that
// empties the base of "123.txt" must not make the file vanish from the user's view. ("." and
// ".." are no names at all; they are refused as such.)
bool hides(std::string_view source, std::string_view target_name) {
    return target_name.starts_with('.') && target_name != "." && target_name != ".." &&
           !source.substr(rules::file_name_start(source)).starts_with('.');
}

void refuse(PlannedRename &r, Verdict verdict, std::string_view reason) {
    r.verdict = verdict;
    r.reason = reason;
}

} // namespace

TargetCheck::TargetCheck(const std::string &current_folder, bool against_disk, std::size_t renames,
                         SourceOf source_of)
    : current_(platform::name_to_disk(current_folder).value_or(std::string()))
    , against_disk_(against_disk)
    , renames_(renames)
    , source_of_(std::move(source_of)) {}

std::string TargetCheck::absolute(std::string_view disk_folder) const {
    std::string path = disk_folder.starts_with('/') ? std::string(disk_folder)
                       : disk_folder.empty()        ? current_
                                                    : current_ + "/" + std::string(disk_folder);
    // Paths put together from folders and names are plain; only an odd one needs the work of
    // normalising ("//", "/./", a trailing "/").
    if (path.find("//") != std::string::npos || path.find("/.") != std::string::npos ||
        (path.size() > 1 && path.back() == '/')) {
        path = std::filesystem::path(path).lexically_normal().string();
        if (path.size() > 1 && path.back() == '/')
            path.pop_back();
    }
    return path;
}

TargetCheck::Folder &TargetCheck::folder(std::string_view disk_folder, Recent &recent) {
    if (recent.folder && disk_folder == recent.path)
        return *recent.folder;
    auto [at, added] = folders_.try_emplace(absolute(disk_folder));
    if (added) {
        at->second = std::make_unique<Folder>();
        at->second->adopt(platform::disk_names(at->first), renames_);
    }
    recent.path.assign(disk_folder);
    recent.folder = at->second.get();
    return *at->second;
}

std::pair<TargetCheck::Folder *, std::string_view> TargetCheck::place(std::string_view disk_path) {
    const std::size_t start = rules::file_name_start(disk_path);
    std::string_view parent = disk_path.substr(0, start);
    if (parent.size() > 1)
        parent.remove_suffix(1);
    return {&folder(parent, sources_), disk_path.substr(start)};
}

void TargetCheck::judge(PlannedRename &r, std::string_view source, std::string_view folder_path,
                        std::string_view name) {
    if (hides(source, name))
        return refuse(r, Verdict::Invalid, kHides);
    platform::disk_rename(source, folder_path, name, disk_);
    if (disk_.refusal != platform::RenameRefusal::None)
        return refuse(r, Verdict::Invalid, platform::refusal_reason(disk_.refusal));

    r.verdict = Verdict::Rename;
    r.reason = {};
    if (!against_disk_) {
        const std::size_t start = rules::file_name_start(disk_.source);
        const std::string_view old_name = std::string_view(disk_.source).substr(start);
        if (old_name == disk_.name &&
            absolute(std::string_view(disk_.source).substr(0, start > 1 ? start - 1 : start)) ==
                absolute(disk_.folder))
            refuse(r, Verdict::Unchanged, kUnchanged);
        return;
    }

    const auto [from, old_name] = place(disk_.source);
    Folder &to = folder(disk_.folder, targets_);
    if (from == &to && old_name == disk_.name)
        return refuse(r, Verdict::Unchanged, kUnchanged);
    Holder held = to.take(disk_.name);
    if (held != Holder::Nobody && !freeing_at_once_) {
        free_earlier_sources();
        held = to.take(disk_.name);
    }
    if (held == Holder::Run)
        return refuse(r, Verdict::Duplicate, kDuplicate);
    if (held == Holder::Disk)
        return refuse(r, Verdict::Exists,
                      platform::refusal_reason(platform::RenameRefusal::TargetExists));
    if (freeing_at_once_)
        free(*from, old_name);
    else
        unfreed_.push_back(&r);
}

void TargetCheck::free(Folder &from, std::string_view old_name) {
    if (Holder *freed = from.find(old_name))
        *freed = Holder::Nobody;
}

void TargetCheck::free_earlier_sources() {
    std::string source;
    for (const PlannedRename *r : unfreed_) {
        source_of_(*r, source);
        // Judged convertible before, so the conversion cannot fail here.
        const std::string disk_source = platform::name_to_disk(source).value_or(std::string());
        const auto [from, old_name] = place(disk_source);
        free(*from, old_name);
    }
    unfreed_ = decltype(unfreed_)();
    freeing_at_once_ = true;
}

} // namespace tarvendi::core
