#include "rename_pass.h"

#include "filesystem.h"
#include "text.h"

namespace tarvendi::ui {

namespace {

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

std::string prepared_text(const PassDescription &d, const PassItem &item, std::size_t index,
                          bool directory_mode) {
    std::string text = item.text;
    if (d.drop_brackets && directory_mode && index >= 2)
        text = text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string();
    return text;
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
        const std::string text = prepared_text(d, item, index, context.directory_mode);
        if (d.checked_only && !item.checked)
            continue;
        const std::string source = item.folder.empty() ? text : join(item.folder, text);
        std::string name = d.trim ? rules::trim(text) : text;
        if (d.file_name_part)
            name = rules::file_name_part(name);
        if (d.status_panel && context.status)
            context.status(name);

        const std::optional<std::string> new_name =
            d.rule({name, source, static_cast<std::int32_t>(counter), static_cast<int>(index)});
        if (!new_name)
            continue;
        ++counter;

        const Destination to = destination(d, name, source, *new_name);
        const bool full = d.preview == PreviewShows::FullTarget ||
                          (d.preview == PreviewShows::FullTargetOnExecute && context.execute);
        if (context.execute) {
            if (!to.refusal.empty()) {
                outcome.refused.push_back({source, *new_name, to.refusal});
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
