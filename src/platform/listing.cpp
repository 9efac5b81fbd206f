#include "listing.h"

#include "disk_path.h"
#include "display_text.h"
#include "encoding.h"
#include "errors.h"
#include "folder_names.h"
#include "text.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace tarvendi::platform {
namespace {

char fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Characters of one length are equal when their bytes are; a single byte compares without ASCII
// case. The later bytes of a longer character are never folded: they belong to that character.
bool same_unit(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    return a.size() == 1 ? fold(a[0]) == fold(b[0]) : a == b;
}

// One pattern without ";", walked character by character so that "?" takes a whole character
// (two or four bytes for a Chinese one) and a literal never matches across two characters.
bool pattern_matches(std::string_view pat, std::string_view name) {
    using rules::char_length;
    constexpr std::size_t none = std::string_view::npos;
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t star_p = none;
    std::size_t star_n = 0;
    while (n < name.size()) {
        const std::size_t nl = char_length(name, n);
        if (p < pat.size() && pat[p] == '*') {
            star_p = ++p;
            star_n = n;
            continue;
        }
        if (p < pat.size()) {
            const std::size_t pl = char_length(pat, p);
            if (pat[p] == '?' || same_unit(pat.substr(p, pl), name.substr(n, nl))) {
                p += pl;
                n += nl;
                continue;
            }
        }
        if (star_p == none)
            return false;
        p = star_p;
        star_n += char_length(name, star_n);
        n = star_n;
    }
    while (p < pat.size() && pat[p] == '*')
        ++p;
    return p == pat.size();
}

// A trailing ".*" also matches the end of a name without a dot, as file masks always have:
// "*.*" lists every name and "readme.*" finds "readme".
bool mask_pattern_matches(std::string_view pat, std::string_view name) {
    // "*" and "*.*", the masks of every listing that filters nothing, need no walk through the
    // name ("*.*" admits names without a dot too, by the rule below).
    const std::string_view stars = pat.ends_with(".*") ? pat.substr(0, pat.size() - 2) : pat;
    if (!stars.empty() && stars.find_first_not_of('*') == std::string_view::npos)
        return true;
    if (pattern_matches(pat, name))
        return true;
    return pat.ends_with(".*") && pattern_matches(pat.substr(0, pat.size() - 2), name);
}

bool is_dot_name(const char *name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

struct DirCloser {
    void operator()(DIR *dir) const { closedir(dir); }
};
using Dir = std::unique_ptr<DIR, DirCloser>;

// Runs f(dir_fd, entry) for every entry of folder. Throws IoError naming the folder when it
// cannot be opened or read.
template <class F> void for_each_entry(std::string_view folder, F f) {
    const std::string disk = folder.empty() ? std::string(".") : disk_path(folder);
    const Dir dir(opendir(disk.c_str()));
    if (!dir)
        throw IoError(errno, escaped_text(folder.empty() ? std::string_view(".") : folder));
    const int fd = dirfd(dir.get());
    for (;;) {
        errno = 0;
        const dirent *e = readdir(dir.get());
        if (!e)
            break;
        f(fd, *e);
    }
    if (errno != 0)
        throw IoError(errno, escaped_text(folder.empty() ? std::string_view(".") : folder));
}

// What a listing needs to know of one entry. The directory entry's type is used where the
// file system gives it; only links and unknown types cost a stat, made once and kept.
class EntryInfo {
public:
    EntryInfo(int dir_fd, const dirent &e)
        : dir_fd_(dir_fd)
        , name_(e.d_name) {
        if (e.d_type == DT_UNKNOWN || e.d_type == DT_LNK)
            folder_ = load() && S_ISDIR(st_.st_mode);
        else
            folder_ = e.d_type == DT_DIR;
    }

    bool folder() const { return folder_; }
    bool hidden() const { return name_[0] == '.' && !is_dot_entry(); }
    bool is_dot_entry() const { return is_dot_name(name_); }
    // The owner may not write. A dangling link reads as writable: there is nothing to protect.
    bool read_only() { return load() && (st_.st_mode & S_IWUSR) == 0; }
    std::string_view name() const { return name_; }

private:
    bool load() {
        if (!loaded_) {
            loaded_ = true;
            have_stat_ = fstatat(dir_fd_, name_, &st_, 0) == 0;
        }
        return have_stat_;
    }

    int dir_fd_;
    const char *name_;
    bool folder_ = false;
    bool loaded_ = false;
    bool have_stat_ = false;
    struct stat st_ {};
};

} // namespace

bool mask_matches(std::string_view mask, std::string_view name) {
    for (;;) {
        const std::size_t semi = mask.find(';');
        if (mask_pattern_matches(mask.substr(0, semi), name))
            return true;
        if (semi == std::string_view::npos)
            return false;
        mask.remove_prefix(semi + 1);
    }
}

namespace {

// An entry's text as the lists show it, read without building it.
class ShownText {
public:
    explicit ShownText(const Entry &e)
        : name_(e.name)
        , bracket_(e.is_folder) {}
    std::size_t size() const { return name_.size() + (bracket_ ? 2 : 0); }
    char operator[](std::size_t i) const {
        if (!bracket_)
            return name_[i];
        return i == 0 ? '[' : i == name_.size() + 1 ? ']' : name_[i - 1];
    }

private:
    std::string_view name_;
    bool bracket_;
};

// How many leading bytes two texts share.
template <class A, class B> std::size_t shared_prefix(const A &a, const B &b, std::size_t n) {
    std::size_t i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

// Plain names, the most sorted by far, compare their shared prefix eight bytes at a time.
std::size_t shared_prefix(std::string_view a, std::string_view b, std::size_t n) {
    std::size_t i = 0;
    for (std::uint64_t x = 0, y = 0; i + 8 <= n; i += 8) {
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x != y)
            break;
    }
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

template <class A, class B> bool ordered(const A &a, const B &b) {
    const std::size_t n = std::min(a.size(), b.size());
    // Names in one folder often share a long prefix; equal bytes need no folding.
    const std::size_t i = shared_prefix(a, b, n);
    for (std::size_t k = i; k < n; ++k) {
        const auto fa = static_cast<unsigned char>(fold(a[k]));
        const auto fb = static_cast<unsigned char>(fold(b[k]));
        if (fa != fb)
            return fa < fb;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return i < n && static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]);
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the GB18030 character at i: a four-byte one holds digits as its second and
// fourth bytes, which must not count as a number.
template <class A> std::size_t char_size(const A &a, std::size_t i) {
    if (static_cast<unsigned char>(a[i]) < 0x81 || i + 1 >= a.size())
        return 1;
    return digit(a[i + 1]) && i + 3 < a.size() ? 4 : 2;
}

// Compares with runs of ASCII digits taken by their value; -1, 0 or 1. Equal values written with
// different leading zeros compare equal here, and are ordered by the tie-break.
template <class A, class B> int by_numbers(const A &a, const B &b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (digit(a[i]) && digit(b[j])) {
            while (i < a.size() && a[i] == '0')
                ++i;
            while (j < b.size() && b[j] == '0')
                ++j;
            std::size_t ei = i, ej = j;
            while (ei < a.size() && digit(a[ei]))
                ++ei;
            while (ej < b.size() && digit(b[ej]))
                ++ej;
            if (ei - i != ej - j)
                return ei - i < ej - j ? -1 : 1;
            for (; i < ei; ++i, ++j)
                if (a[i] != b[j])
                    return a[i] < b[j] ? -1 : 1;
            continue;
        }
        const std::size_t na = char_size(a, i), nb = char_size(b, j);
        for (std::size_t k = 0; k < std::min(na, nb); ++k) {
            const auto fa = static_cast<unsigned char>(na == 1 ? fold(a[i]) : a[i + k]);
            const auto fb = static_cast<unsigned char>(nb == 1 ? fold(b[j]) : b[j + k]);
            if (fa != fb)
                return fa < fb ? -1 : 1;
        }
        if (na != nb)
            return na < nb ? -1 : 1;
        i += na;
        j += nb;
    }
    return i < a.size() ? 1 : j < b.size() ? -1 : 0;
}

template <class A, class B> bool ordered(const A &a, const B &b, NameOrder order) {
    if (order == NameOrder::Numbers)
        if (const int c = by_numbers(a, b); c != 0)
            return c < 0;
    return ordered(a, b);
}

bool entry_less(const Entry &a, const Entry &b, NameOrder order) {
    if (!a.is_folder && !b.is_folder)
        return ordered(a.name, b.name, order);
    return ordered(ShownText(a), ShownText(b), order);
}

} // namespace

bool name_less(std::string_view a, std::string_view b, NameOrder order) {
    return ordered(a, b, order);
}

void Listing::add(std::string_view name, bool is_folder) {
    entries_.push_back(
        {names_.add(name), static_cast<std::uint32_t>(name.size()), is_folder ? 1u : 0u});
}

namespace {

// Folded bytes from `from` on, eight of them as one number that orders as they do; a name that
// ends sooner has zeros there, which order before every byte a name can hold.
std::uint64_t folded_key(std::string_view name, std::size_t from) {
    std::uint64_t key = 0;
    for (std::size_t k = from; k < from + 8; ++k)
        key = key << 8 | (k < name.size() ? static_cast<unsigned char>(fold(name[k])) : 0);
    return key;
}

} // namespace

void Listing::sort(NameOrder order) {
    const auto entry = [this](const Item &item) {
        return Entry{names_.at(item.offset, item.length), item.folder != 0};
    };
    const auto less = [&](const Item &a, const Item &b) {
        return entry_less(entry(a), entry(b), order);
    };
    const bool all_files =
        std::none_of(entries_.begin(), entries_.end(), [](const Item &i) { return i.folder; });
    if (order != NameOrder::Text || !all_files || entries_.size() < 2) {
        std::sort(entries_.begin(), entries_.end(), less);
        return;
    }
    // Sorting a large folder is mostly comparing names that start alike. Past what every name
    // shares, eight bytes held beside each entry decide most comparisons without reading the
    // names; only entries equal there are compared whole.
    const std::string_view first = entry(entries_.front()).name;
    std::size_t shared = first.size();
    for (const Item &item : entries_) {
        const std::string_view name = entry(item).name;
        std::size_t k = 0;
        while (k < shared && k < name.size() && fold(name[k]) == fold(first[k]))
            ++k;
        shared = k;
    }
    struct Keyed {
        std::uint64_t key;
        Item item;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(entries_.size());
    for (const Item &item : entries_)
        keyed.push_back({folded_key(entry(item).name, shared), item});
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed &a, const Keyed &b) {
        return a.key != b.key ? a.key < b.key : less(a.item, b.item);
    });
    for (std::size_t i = 0; i < keyed.size(); ++i)
        entries_[i] = keyed[i].item;
}

Listing list_folder(std::string_view folder, std::string_view mask, EntryKinds kinds,
                    NameOrder order) {
    Listing entries;
    // Every name the folder holds is kept for the planner, which then needs no listing of its
    // own while the folder stays as it was read. While each entry is listed as the disk spells
    // it, the listing's own buffer holds exactly those names; a copy starts at the first entry
    // that differs.
    const std::string disk = folder.empty() ? std::string(".") : disk_path(folder);
    const bool keep = folder_names::watch(disk);
    std::shared_ptr<std::string> all; // null while the listing holds every name to keep
    for_each_entry(folder, [&](int fd, const dirent &e) {
        EntryInfo info(fd, e);
        // Most names are ASCII, the same on disk and in GB18030: they need no copy.
        std::string converted;
        std::string_view name = info.name();
        if (!is_ascii(name)) {
            converted = name_from_disk(name);
            name = converted;
        }
        const bool listed =
            (kinds == EntryKinds::Folders || !info.folder()) && mask_matches(mask, name) &&
            (kinds == EntryKinds::Files || info.folder() || info.hidden() || info.read_only());
        const bool dot = info.is_dot_entry();
        const bool listed_as_kept = dot ? !listed : listed && converted.empty();
        if (keep && !all && !listed_as_kept)
            all = std::make_shared<std::string>(*entries.added_names());
        if (all && !dot) {
            *all += e.d_name;
            *all += '\0';
        }
        if (listed)
            entries.add(name, info.folder());
    });
    if (keep)
        folder_names::keep(disk, all ? all : entries.added_names());
    entries.sort(order);
    return entries;
}

std::shared_ptr<const std::string> disk_names(const std::string &disk_folder) {
    if (auto kept = folder_names::recall(disk_folder))
        return kept;
    const bool keep = folder_names::watch(disk_folder);
    auto names = std::make_shared<std::string>();
    const Dir dir(opendir(disk_folder.empty() ? "." : disk_folder.c_str()));
    if (!dir)
        return names;
    while (const dirent *e = readdir(dir.get())) {
        if (!is_dot_name(e->d_name)) {
            *names += e->d_name;
            *names += '\0';
        }
    }
    if (keep)
        folder_names::keep(disk_folder, names);
    return names;
}

void forget_listed_names() {
    folder_names::drop();
}

std::vector<std::string> list_subfolders(std::string_view folder, bool include_hidden) {
    std::vector<std::string> names;
    for_each_entry(folder, [&](int fd, const dirent &e) {
        EntryInfo info(fd, e);
        if (!info.folder() || info.is_dot_entry() || (info.hidden() && !include_hidden))
            return;
        names.push_back(name_from_disk(info.name()));
    });
    std::sort(names.begin(), names.end(),
              [](const std::string &a, const std::string &b) { return name_less(a, b); });
    return names;
}

} // namespace tarvendi::platform
