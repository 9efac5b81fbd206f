#include "target_check.h"

#include "encoding.h"
#include "listing.h"
#include "state_files.h"

#include <filesystem>

namespace tarvendi::core {

namespace {

constexpr std::string_view kHides = "新名称以\".\"开头，文件会被隐藏";
constexpr std::string_view kUnchanged = "名称未变";
constexpr std::string_view kDuplicate = "与前面的新名称重复";
constexpr std::string_view kJournal = "此文件夹存放撤销记录";

// On Linux a leading "." hides a file, and the file list leaves hidden files out: a rule that
// empties the base of "123.txt" must not make the file vanish from the user's view. ("." and
// ".." are no names at all; they are refused as such.)
bool hides(std::string_view old_name, std::string_view new_name) {
    return new_name.starts_with('.') && new_name != "." && new_name != ".." &&
           !old_name.starts_with('.');
}

void refuse(PlannedRename &r, Verdict verdict, std::string_view reason) {
    r.verdict = verdict;
    r.reason = reason;
}

void refuse(PlannedRename &r, platform::RenameRefusal refusal) {
    refuse(r, Verdict::Invalid, platform::refusal_reason(refusal));
}

// A listing (names each followed by NUL) with every name folded to one case.
std::string folded_listing(const std::string &names) {
    std::string out;
    out.reserve(names.size());
    for (std::size_t at = 0; at < names.size();) {
        const std::size_t end = names.find('\0', at);
        out += platform::folded(std::string_view(names).substr(at, end - at));
        out += '\0';
        at = end + 1;
    }
    return out;
}

// The journal's folder where it holds records: only then would renaming it, or a folder above
// it, cut undo off from them.
std::string journal_in_use() {
    std::string folder = platform::journal_folder();
    return platform::entry_exists(folder) ? folder : std::string();
}

} // namespace

TargetCheck::TargetCheck(const std::string &here, bool against_disk, std::size_t renames,
                         SourceOf source_of)
    : current_(platform::name_to_disk(here).value_or(std::string()))
    , journal_(journal_in_use())
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

const platform::NameRules &TargetCheck::rules(const std::string &absolute_folder) {
    auto [at, added] = rules_.try_emplace(absolute_folder);
    if (added)
        at->second = platform::name_rules(absolute_folder);
    return at->second;
}

TargetCheck::Folder &TargetCheck::table(const std::string &absolute_folder, bool folds_case) {
    auto [at, added] = folders_.try_emplace(absolute_folder);
    if (added) {
        at->second = std::make_unique<Folder>();
        std::shared_ptr<const std::string> names = platform::disk_names(at->first);
        if (folds_case)
            names = std::make_shared<const std::string>(folded_listing(*names));
        at->second->adopt(std::move(names), renames_);
    }
    return *at->second;
}

std::string_view TargetCheck::key(const Recent &folder, const std::string &name,
                                  std::string &room) const {
    if (!folder.rules.folds_case)
        return name;
    room = platform::folded(name);
    return room;
}

const TargetCheck::Recent &TargetCheck::resolve(std::string_view folder, Recent &recent) {
    if (recent.known && folder == recent.named)
        return recent;
    recent.known = true;
    recent.named.assign(folder);
    std::string disk;
    recent.convertible = platform::to_disk(folder, disk);
    recent.absolute = recent.convertible ? absolute(disk) : std::string();
    recent.rules = recent.convertible ? rules(recent.absolute) : platform::NameRules{};
    recent.above_journal = recent.convertible && !journal_.empty() &&
                           journal_.size() > recent.absolute.size() &&
                           journal_.starts_with(recent.absolute) &&
                           (recent.absolute == "/" || journal_[recent.absolute.size()] == '/');
    recent.table = recent.convertible && against_disk_
                       ? &table(recent.absolute, recent.rules.folds_case)
                       : nullptr;
    return recent;
}

void TargetCheck::judge(PlannedRename &r, Source source, std::string_view folder,
                        std::string_view name) {
    if (!first_judged_)
        first_judged_ = &r;
    if (hides(source.second, name))
        return refuse(r, Verdict::Invalid, kHides);
    // The refusals in the order of a rename's own checks: an invalid name first, then what
    // does not convert, then a name too long.
    const platform::RenameRefusal name_refusal = platform::disk_name(name, new_name_);
    if (name_refusal == platform::RenameRefusal::InvalidName)
        return refuse(r, name_refusal);
    const Recent &from = resolve(source.first, sources_);
    const Recent &to = resolve(folder, targets_);
    if (!from.convertible || !to.convertible || !platform::to_disk(source.second, old_name_))
        return refuse(r, platform::RenameRefusal::NotConvertible);
    if (name_refusal != platform::RenameRefusal::None)
        return refuse(r, name_refusal);
    // Renaming it would cut every undo off from its records.
    if (from.above_journal && holds_journal(from, old_name_))
        return refuse(r, Verdict::Invalid, kJournal);
    // An item that went away since the list was read: the rename would not find it.
    if (against_disk_ && !from.table->find(key(from, old_name_, folded_)))
        return refuse(r, platform::RenameRefusal::NotFound);
    if (to.rules.windows_names && !platform::windows_allows(new_name_))
        return refuse(r, platform::RenameRefusal::NotAllowedHere);

    // A rename that goes ahead keeps the note its rule left (pass.h), if any.
    r.verdict = Verdict::Rename;
    if (old_name_ == new_name_ && from.absolute == to.absolute)
        return refuse(r, Verdict::Unchanged, kUnchanged);
    if (!against_disk_)
        return;
    const std::string_view wanted = key(to, new_name_, folded_);
    // Where the folder folds case, a new name that differs from the old one only in case is
    // held by the item itself.
    if (to.rules.folds_case && from.absolute == to.absolute &&
        platform::folded(old_name_) == wanted) {
        if (Holder *self = to.table->find(wanted); self && *self == Holder::Disk) {
            *self = Holder::Run;
            return;
        }
    }
    Holder held = to.table->take(wanted);
    if (held != Holder::Nobody && !freeing_at_once_) {
        free_earlier_sources(r);
        held = to.table->take(wanted);
    }
    if (held == Holder::Run)
        return refuse(r, Verdict::Duplicate, kDuplicate);
    if (held == Holder::Disk)
        return refuse(r, Verdict::Exists,
                      platform::refusal_reason(platform::RenameRefusal::TargetExists));
    if (freeing_at_once_)
        free(from, old_name_);
}

bool TargetCheck::holds_journal(const Recent &folder, std::string_view name) const {
    const std::size_t at = folder.absolute == "/" ? 1 : folder.absolute.size() + 1;
    return journal_.compare(at, name.size(), name) == 0 &&
           (journal_.size() == at + name.size() || journal_[at + name.size()] == '/');
}

void TargetCheck::free(const Recent &from, const std::string &old_name) {
    std::string room;
    if (Holder *freed = from.table->find(key(from, old_name, room)))
        *freed = Holder::Nobody;
}

void TargetCheck::free_earlier_sources(const PlannedRename &current) {
    std::string old_name;
    for (const PlannedRename *r = first_judged_; r != &current; ++r) {
        if (r->verdict != Verdict::Rename)
            continue;
        const auto [folder, name] = source_of_(*r);
        // Judged convertible before, so the conversions cannot fail here.
        platform::to_disk(name, old_name);
        free(resolve(folder, sources_), old_name);
    }
    freeing_at_once_ = true;
}

} // namespace tarvendi::core
