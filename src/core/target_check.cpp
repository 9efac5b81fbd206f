#include "target_check.h"

#include "encoding.h"
#include "filesystem.h"
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
bool hides(const std::string &source, std::string_view target_name) {
    return target_name.starts_with('.') && target_name != "." && target_name != ".." &&
           !rules::file_name_part(source).starts_with('.');
}

void refuse(PlannedRename &r, Verdict verdict, std::string_view reason) {
    r.verdict = verdict;
    r.reason = reason;
}

} // namespace

TargetCheck::TargetCheck(const std::string &current_folder)
    : current_(platform::name_to_disk(current_folder).value_or(std::string())) {}

std::string TargetCheck::absolute(const std::string &disk_path) const {
    std::string path = disk_path.starts_with('/') ? disk_path
                       : disk_path.empty()        ? current_
                                                  : current_ + "/" + disk_path;
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

TargetCheck::Folder &TargetCheck::folder(const std::string &disk_folder) {
    auto [at, added] = folders_.try_emplace(disk_folder);
    if (added) {
        std::vector<std::string> names = platform::disk_names(disk_folder);
        at->second.reserve(names.size() * 2);
        for (std::string &name : names)
            at->second.emplace(std::move(name), Holder::Disk);
    }
    return at->second;
}

void TargetCheck::judge(PlannedRename &r, const std::string &source_path,
                        const std::string &folder_path, std::string_view name) {
    if (hides(source_path, name))
        return refuse(r, Verdict::Invalid, kHides);
    const platform::DiskRename disk = platform::disk_rename(source_path, folder_path, name);
    if (disk.refusal != platform::RenameRefusal::None)
        return refuse(r, Verdict::Invalid, platform::refusal_reason(disk.refusal));

    const std::string source = absolute(disk.source);
    const std::string target_folder = absolute(disk.folder);
    if (source == target_folder + (target_folder == "/" ? "" : "/") + disk.name)
        return refuse(r, Verdict::Unchanged, kUnchanged);

    Folder &targets = folder(target_folder);
    const auto held = targets.find(disk.name);
    if (held != targets.end() && held->second == Holder::Run)
        return refuse(r, Verdict::Duplicate, kDuplicate);
    if (held != targets.end() && held->second == Holder::Disk)
        return refuse(r, Verdict::Exists,
                      platform::refusal_reason(platform::RenameRefusal::TargetExists));

    r.verdict = Verdict::Rename;
    r.reason = {};
    if (held != targets.end())
        held->second = Holder::Run;
    else
        targets.emplace(disk.name, Holder::Run);
    const std::size_t slash = source.rfind('/');
    Folder &sources = folder(slash == 0 ? std::string("/") : source.substr(0, slash));
    const auto freed = sources.find(source.substr(slash + 1));
    if (freed != sources.end())
        freed->second = Holder::Nobody;
}

} // namespace tarvendi::core
