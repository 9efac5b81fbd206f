#pragma once
// Folder listing by mask and entry kind, on raw directory entries: names that are not valid
// UTF-8 are listed too.

#include "name_buffer.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::platform {

// How lists are sorted. Text: case-insensitively on the GB18030 bytes (ASCII letters folded).
// Numbers: the same, but a run of digits counts by its value ("2" before "10", "track9" before
// "track10"); names equal that way are then ordered as Text, which breaks its own ties by bytes,
// so either order is total.
enum class NameOrder { Text, Numbers };

// Which entries a listing admits. Files: every file (read-only, hidden and normal alike), no
// folders. Folders: every folder (including "." and ".."), and the files that are read-only
// (owner may not write) or hidden (name starts with ".").
enum class EntryKinds { Files, Folders };

// One listed entry: its real name (GB18030), which every operation works on, and whether it is a
// folder. The lists show a folder as "[name]" (text()), made when asked for. A view: the name
// lives in its Listing.
struct Entry {
    std::string_view name;
    bool is_folder = false;

    std::string text() const {
        return is_folder ? "[" + std::string(name) + "]" : std::string(name);
    }
    // "." and "..": listed in directory mode, never renamed.
    bool is_dot_entry() const { return is_folder && (name == "." || name == ".."); }
};

// The entries of a folder in list order. The names lie end to end in one buffer, each followed
// by a NUL byte, so that a folder of a million entries holds each name once and compactly.
class Listing {
public:
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    Entry operator[](std::size_t i) const {
        const Item &item = entries_[i];
        return {names_.at(item.offset, item.length), item.folder != 0};
    }

    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = Entry;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = Entry;

        Iterator(const Listing &listing, std::size_t at)
            : listing_(&listing)
            , at_(at) {}
        Entry operator*() const { return (*listing_)[at_]; }
        Iterator &operator++() {
            ++at_;
            return *this;
        }
        bool operator==(const Iterator &other) const { return at_ == other.at_; }

    private:
        const Listing *listing_;
        std::size_t at_;
    };
    Iterator begin() const { return {*this, 0}; }
    Iterator end() const { return {*this, size()}; }

    // Adds an entry at the end.
    void add(std::string_view name, bool is_folder);
    // Puts the entries in list order: name_less of their texts.
    void sort(NameOrder order);
    // Every name added, each followed by a NUL byte, in the order they were added: the buffer
    // itself, shared (a later add copies it first).
    std::shared_ptr<const std::string> added_names() const { return names_.share(); }

private:
    struct Item {
        std::uint32_t offset;
        std::uint32_t length : 31;
        std::uint32_t folder : 1;
    };
    NameBuffer names_;
    std::vector<Item> entries_;
};

// True when name matches mask: ";"-separated patterns tried in turn, "*" any run of characters,
// "?" one character (of one, two or four bytes), ASCII letters compared
// without case. A pattern's trailing ".*" also matches the end of a name without a dot, so
// "*.*" matches every name.
bool mask_matches(std::string_view mask, std::string_view name);

// Whether a comes before b in order.
bool name_less(std::string_view a, std::string_view b, NameOrder order = NameOrder::Text);

// The entries of folder (GB18030 path; empty for the current directory) that match mask and
// kinds, sorted by name_less of their texts. Throws IoError when the folder cannot be read.
Listing list_folder(std::string_view folder, std::string_view mask, EntryKinds kinds,
                    NameOrder order = NameOrder::Text);

// The sub-folders of folder (links to folders included), without "." and "..", sorted by
// name_less, GB18030 names; hidden ones only when asked. Throws IoError when the folder cannot
// be read.
std::vector<std::string> list_subfolders(std::string_view folder, bool include_hidden);

// The names of every entry of a folder given as the disk spells it, "." and ".." left out, as
// the disk spells them, each followed by a NUL byte; empty when it cannot be read. For checks
// against the disk that need no conversion; one buffer holds a large folder's names cheaply.
// The folder listed last (here or by list_folder) is not read again while an inotify watch
// shows it unchanged (folder_names.h).
std::shared_ptr<const std::string> disk_names(const std::string &disk_folder);
// Before many changes to the folder listed last: its kept names would go stale at the first one,
// and its watch would cost the kernel an event for each.
void forget_listed_names();

} // namespace tarvendi::platform
