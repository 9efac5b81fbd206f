#pragma once
// The items a command works on: the entries of its folder that a mask admits, in the order the
// window's file list shows them, or the paths read from standard input, in their order.

#include "listing.h"
#include "pass.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::cli {

struct Items {
    // The items view their names (GB18030) in one of these: a folder's listing, held where it
    // lies, or the paths read.
    std::unique_ptr<platform::Listing> listing;
    std::vector<std::string> names;
    std::vector<core::PassItem> items;
    bool paths = false; // read from standard input: each renamed where it is
    std::string folder; // GB18030, from the root: the names, and relative paths, lie in it
    // Paths read that no rename may take, with the verdict any run gives them.
    std::vector<core::RefusedRename> refused;

    // The path of item (one of items) from the root.
    std::string path(const core::PassItem &item) const;
};

// folder: GB18030, from the root.
Items folder_items(const std::string &folder, std::string_view mask, bool folders, bool natural);
// separator: '\n' or '\0'. Empty lines are passed over; relative paths lie in folder. Refused
// whole, before any rule sees them: a line that holds a NUL byte, a path of the wrong kind
// (folders: the paths must name folders) and a path of an entry named before.
Items stdin_items(const std::string &folder, char separator, bool folders);

} // namespace tarvendi::cli
