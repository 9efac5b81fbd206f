#include "items.h"

#include "encoding.h"
#include "listing.h"

#include <iostream>

namespace tarvendi::cli {

namespace {

void view_names(Items &items) {
    items.items.reserve(items.names.size());
    for (const std::string &name : items.names)
        items.items.push_back({name, true, false});
}

} // namespace

std::string Items::path(const core::PassItem &item) const {
    return item.name.starts_with('/') ? std::string(item.name)
                                      : folder + '/' + std::string(item.name);
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

Items stdin_items(const std::string &folder, char separator) {
    Items items;
    items.paths = true;
    items.folder = folder;
    std::string line;
    while (std::getline(std::cin, line, separator)) {
        if (separator == '\n' && line.ends_with('\r'))
            line.pop_back();
        if (!line.empty())
            items.names.push_back(platform::name_from_disk(line));
    }
    view_names(items);
    return items;
}

} // namespace tarvendi::cli
