#include "pass.h"

#include "errors.h"
#include "filesystem.h"
#include "target_check.h"
#include "text.h"

namespace tarvendi::core {

namespace {

constexpr const char *kFolderChanged = "新名称改变了文件夹，不会移动文件";

std::string join(const std::string &folder, const std::string &name) {
    return folder.empty() ? name : folder + rules::kSeparator + name;
}

// The folder and name a new name is renamed to, or the reason it may not be.
struct Destination {
    std::string folder;
    std::string name;
    std::string refusal;
};

Destination destination(const PassDescription &d, const std::string &name,
                        const std::string &source, const std::string &new_name) {
    switch (d.target) {
    case Target::CurrentFolder:
        return {{}, new_name, {}};
    case Target::InFolder:
        return {d.folder ? *d.folder : rules::folder_part(source), new_name, {}};
    case Target::SameFolder:
        break;
    }
    const std::string folder = rules::folder_part(name);
    if (folder.empty())
        return {{}, new_name, {}};
    if (rules::folder_part(new_name) != folder)
        return {{}, new_name, kFolderChanged};
    return {rules::folder_part(source), rules::file_name_part(new_name), {}};
}

} // namespace

void plan_pass(const PassDescription &d, const std::vector<PassItem> &items,
               const PassContext &context, Plan &plan) {
    // Wraps like the 32-bit counter of old: the number after 2147483647 is -2147483648.
    std::uint32_t counter = d.start_number ? static_cast<std::uint32_t>(d.start_number()) : 0;
    std::string here;
    try {
        here = platform::current_folder();
    } catch (const platform::IoError &) {
        // The folder went away: nothing resolves in it, and every rename will be refused.
    }
    TargetCheck check(here);
    plan.renames.reserve(items.size());

    for (std::size_t index = 0; index < items.size(); ++index) {
        const PassItem &item = items[index];
        if (context.progress)
            context.progress(index, items.size());
        if ((d.checked_only && !item.checked) || item.dot_entry)
            continue;
        const std::string source = item.folder.empty() ? item.name : join(item.folder, item.name);
        std::string name = d.trim ? rules::trim(item.name) : item.name;
        if (d.file_name_part)
            name = rules::file_name_part(name);
        if (d.status_panel && context.status)
            context.status(name);

        std::optional<std::string> new_name;
        try {
            new_name =
                d.rule({name, source, static_cast<std::int32_t>(counter), static_cast<int>(index)});
        } catch (const ItemRefused &refusal) {
            plan.refused.push_back({source, name, refusal.reason});
            continue;
        }
        if (!new_name)
            continue;
        ++counter;

        Destination to = destination(d, name, source, *new_name);
        const bool full = d.preview == PreviewShows::FullTarget ||
                          (d.preview == PreviewShows::FullTargetOnExecute && context.execute);
        PlannedRename r;
        r.shown = full ? join(to.folder, to.name) : *new_name;
        r.source = source;
        r.folder = std::move(to.folder);
        r.name = std::move(to.name);
        r.new_name = std::move(*new_name);
        if (to.refusal.empty()) {
            check.judge(r);
        } else {
            r.verdict = Verdict::Invalid;
            r.reason = std::move(to.refusal);
        }
        plan.renames.push_back(std::move(r));
    }
}

} // namespace tarvendi::core
