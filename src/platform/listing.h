#pragma once
// Folder listing by mask and entry kind, on raw directory entries: names that are not valid
// UTF-8 are listed too.

#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::platform {

// Which entries a listing admits. Files: every file (read-only, hidden and normal alike), no
// folders. Folders: every folder (including "." and ".."), and the files that are read-only
// (owner may not write) or hidden (name starts with ".").
enum class EntryKinds { Files, Folders };

// One listed entry: its real name (GB18030), which every operation works on, and whether it is a
// folder. The lists show a folder as "[name]" (text()); that text is made when asked for, so
// that a folder of a million names holds each name once.
struct Entry {
    std::string name;
    bool is_folder = false;

    std::string text() const { return is_folder ? "[" + name + "]" : name; }
    // "." and "..": listed in directory mode, never renamed.
    bool is_dot_entry() const { return is_folder && (name == "." || name == ".."); }
};

// True when name matches mask: ";"-separated patterns tried in turn, "*" any run of characters,
// "?" one character (of one, two or four bytes), ASCII letters compared
// without case. A pattern's trailing ".*" also matches the end of a name without a dot, so
// "*.*" matches every name.
bool mask_matches(std::string_view mask, std::string_view name);

// Orders names case-insensitively on their GB18030 bytes (ASCII letters folded), ties broken by
// byte order, so the order is total.
bool name_less(std::string_view a, std::string_view b);

// The entries of folder (GB18030 path; empty for the current directory) that match mask and
// kinds, sorted by name_less of their texts. Throws IoError when the folder cannot be read.
std::vector<Entry> list_folder(std::string_view folder, std::string_view mask, EntryKinds kinds);

// The sub-folders of folder (links to folders included), without "." and "..", sorted by
// name_less, GB18030 names; hidden ones only when asked. Throws IoError when the folder cannot
// be read.
std::vector<std::string> list_subfolders(std::string_view folder, bool include_hidden);

// The names of every entry of a folder given as the disk spells it, "." and ".." left out, as
// the disk spells them, each followed by a NUL byte; empty when it cannot be read. For checks
// against the disk that need no conversion; one buffer holds a large folder's names cheaply.
std::string disk_names(const std::string &disk_folder);

} // namespace tarvendi::platform
