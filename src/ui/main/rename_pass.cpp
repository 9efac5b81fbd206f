#include "rename_pass.h"

#include "filesystem.h"
#include "text.h"

namespace tarvendi::ui {

namespace {

constexpr const char *kHiddenRefusal = "新名称以\".\"开头，文件会被隐藏";

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
        return {{}, new_name, "新名称改变了文件夹，不会移动文件"};
    return {rules::folder_part(source), rules::file_name_part(new_name), {}};
}

// On Linux a leading "." hides a file, and the file list leaves hidden files out: a rule that
// empties the base of "123.txt" must not make the file vanish from the user's view. ("." and
// ".." are no names at all; the platform refuses them as such.)
bool hides(const std::string &source, const std::string &target_name) {
    return target_name.starts_with('.') && target_name != "." && target_name != ".." &&
           !rules::file_name_part(source).starts_with('.');
}

} // namespace

void run_rename_pass(const PassDescription &d, const std::vector<PassItem> &items,
                     const PassContext &context, PassOutcome &outcome) {
    // Wraps like the 32-bit counter of old: the number after 2147483647 is -2147483648.
    std::uint32_t counter = d.start_number ? static_cast<std::uint32_t>(d.start_number()) : 0;
    outcome.preview.reserve(items.size());

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
            outcome.refused.push_back({source, name, refusal.reason});
            continue;
        }
        if (!new_name)
            continue;
        ++counter;

        const Destination to = destination(d, name, source, *new_name);
        const bool full = d.preview == PreviewShows::FullTarget ||
                          (d.preview == PreviewShows::FullTargetOnExecute && context.execute);
        if (context.execute) {
            if (!to.refusal.empty()) {
                outcome.refused.push_back({source, *new_name, to.refusal});
            } else if (hides(source, to.name)) {
                outcome.refused.push_back({source, *new_name, kHiddenRefusal});
            } else {
                const platform::RenameResult result =
                    platform::rename_entry(source, to.folder, to.name);
                if (!result.ok())
                    outcome.refused.push_back({source, *new_name, platform::refusal_text(result)});
            }
        }
        outcome.preview.push_back(full ? join(to.folder, to.name) : *new_name);
    }
}

} // namespace tarvendi::ui
