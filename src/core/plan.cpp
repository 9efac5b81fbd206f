#include "plan.h"

#include "text.h"

#include <algorithm>

namespace tarvendi::core {

std::string join(std::string_view folder, std::string_view name) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path += folder;
    if (!folder.empty())
        path += rules::kSeparator;
    path += name;
    return path;
}

void from_root_into(std::string_view here, std::string_view path, std::string &out) {
    out.clear();
    if (!path.starts_with(rules::kSeparator)) {
        out += here;
        out += rules::kSeparator;
    }
    out += path;
}

std::string_view verdict_word(Verdict verdict) {
    switch (verdict) {
    case Verdict::Rename:
        return "rename";
    case Verdict::Unchanged:
        return "unchanged";
    case Verdict::Exists:
        return "exists";
    case Verdict::Duplicate:
        return "duplicate";
    case Verdict::Invalid:
        break;
    }
    return "invalid";
}

std::string Plan::source(const PlannedRename &r) const {
    std::string path;
    source_into(r, path);
    return path;
}

void Plan::source_into(const PlannedRename &r, std::string &out) const {
    const PassItem &item = (*items)[r.item];
    out.assign(items_folder);
    if (!items_folder.empty())
        out += rules::kSeparator;
    out += item.name;
}

std::pair<std::string_view, std::string_view> Plan::source_parts(const PlannedRename &r) const {
    const std::string_view name = (*items)[r.item].name;
    // Items in a folder are its entries' bare names; other items are paths as they stand.
    if (!items_folder.empty())
        return {items_folder, name};
    const std::size_t start = rules::file_name_start(name);
    return {name.substr(0, start > 1 ? start - 1 : start), name.substr(start)};
}

std::string_view Plan::target_folder(const PlannedRename &r) const {
    switch (r.folder) {
    case TargetFolder::Current:
        return {};
    case TargetFolder::Plan:
        return folder;
    case TargetFolder::Source:
        break;
    }
    return source_parts(r).first;
}

std::string Plan::target(const PlannedRename &r) const {
    return join(target_folder(r), target_name(r));
}

std::string Plan::shown(const PlannedRename &r) const {
    return r.full_shown ? target(r) : std::string(new_name(r));
}

std::size_t Plan::refusals() const {
    return static_cast<std::size_t>(
        std::count_if(renames.begin(), renames.end(),
                      [](const PlannedRename &r) { return is_refusal(r.verdict); }));
}

} // namespace tarvendi::core
