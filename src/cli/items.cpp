#include "items.h"

#include "encoding.h"
#include "filesystem.h"
#include "language.h"
#include "listing.h"

#include <iostream>
#include <set>

namespace tarvendi::cli {

namespace {

void view_names(Items &items) {
    items.items.reserve(items.names.size());
    for (const std::string &name : items.names)
        items.items.push_back({name, true, false});
}

} // namespace

std::string Items::path(const core::PassItem &item) const {
    return core::from_root(folder, item.name);
}

Items folder_items(const std::string &folder, std::string_view mask, bool folders, bool natural) {
    Items items;
    items.folder = folder;
    items.listing = std::make_unique<platform::Listing>(platform::list_folder(
        folder, mask, folders ? platform::EntryKinds::Folders : platform::EntryKinds::Files,
        natural ? platform::NameOrder::Numbers : platform::NameOrder::Text));
    items.items.reserve(items.listing->size());
    for (const platform::Entry &entry : *items.listing) {
        // A folder listing also holds "." and "..", hidden and read-only files: only the
        // sub-folders are its items here.
        if (entry.is_folder == folders && !entry.is_dot_entry())
            items.items.push_back({entry.name, true, false});
    }
    return items;
}

Items stdin_items(const std::string &folder, char separator, bool folders) {
    Items items;
    items.paths = true;
    items.folder = folder;
    std::set<platform::EntryIdentity> seen;
    std::string line;
    while (std::getline(std::cin, line, separator)) {
        if (separator == '\n' && line.ends_with('\r'))
            line.pop_back();
        if (line.empty())
            continue;
        std::string name = platform::name_from_disk(line);
        const auto refuse = [&](std::string_view reason, core::Verdict verdict) {
            items.refused.push_back({std::move(name), {}, std::string(reason), verdict});
        };
        // The system would read such a path up to its NUL byte: another file than the line's.
        if (line.find('\0') != std::string::npos) {
            refuse(spoken("the path holds a NUL byte", "路径中含有空字节"), core::Verdict::Invalid);
            continue;
        }
        // A missing path stays an item: it takes its number, and the rename tells it is gone.
        const std::optional<platform::EntryIdentity> entry =
            platform::entry_identity(items.path({name}));
        if (!entry)
            items.names.push_back(std::move(name));
        else if (entry->folder != folders)
            refuse(folders
                       ? spoken("not a folder (files go without --dirs)",
                                "不是文件夹（文件不加 --dirs）")
                       : spoken("a folder (folders need --dirs)", "是文件夹（文件夹要加 --dirs）"),
                   core::Verdict::Invalid);
        else if (!seen.insert(*entry).second)
            refuse(spoken("the same entry as an earlier path", "与前面的路径是同一个"),
                   core::Verdict::Duplicate);
        else
            items.names.push_back(std::move(name));
    }
    view_names(items);
    return items;
}

} // namespace tarvendi::cli
