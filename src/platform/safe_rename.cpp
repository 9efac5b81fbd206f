#include "safe_rename.h"

#include "file_system_kind.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvendi::platform {
namespace {

RenameResult target_exists() {
    return {RenameRefusal::TargetExists, EEXIST};
}

std::string_view last_component(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The real folder that holds path's last component, or nothing when it cannot be resolved.
std::optional<std::string> real_parent(std::string_view path) {
    const std::string_view prefix = folder_prefix(path);
    const std::string parent = prefix.empty()  ? std::string(".")
                               : prefix == "/" ? std::string("/")
                                               : std::string(prefix.substr(0, prefix.size() - 1));
    const std::unique_ptr<char, decltype(&std::free)> real(realpath(parent.c_str(), nullptr),
                                                           &std::free);
    if (!real)
        return std::nullopt;
    return std::string(real.get());
}

// --- what each device was seen to lack, and what tests pretend ---

std::atomic<bool> simulating{false};
std::mutex memory_mutex;
MissingFeatures simulated;
std::map<dev_t, MissingFeatures> memory;

// fusefat renames a folder's entry but not what the folder holds: its files are gone.
bool loses_folder_contents(dev_t dev) {
    return mount_type(dev) == "fuse.fusefat";
}

MissingFeatures missing_on(dev_t dev) {
    const std::lock_guard lock(memory_mutex);
    MissingFeatures missing = memory[dev];
    if (simulating) {
        missing.hard_links |= simulated.hard_links;
        missing.folder_replace |= simulated.folder_replace;
    }
    return missing;
}

void remember(dev_t dev, bool MissingFeatures::*feature) {
    const std::lock_guard lock(memory_mutex);
    memory[dev].*feature = true;
}

// An error of link() that says the file system has no hard links, rather than not here and now.
bool lacks_links(int err) {
    return err == EPERM || err == EOPNOTSUPP || err == ENOSYS;
}

// Why the new name dst could not be created, as a refusal. Where the folder may be written, a
// creation refused as not permitted or invalid is the file system refusing the name itself
// (fusefat takes no name outside ASCII, exfat-fuse none with "?").
RenameResult creation_refused(const std::string &dst, int err) {
    if (err == EPERM || err == EINVAL || err == EILSEQ || err == ENOENT) {
        const std::string_view prefix = folder_prefix(dst);
        const std::string folder = prefix.empty() ? std::string(".") : std::string(prefix);
        if (::access(folder.c_str(), W_OK) == 0)
            return {RenameRefusal::NotAllowedHere, err};
    }
    return refusal_from_errno(err);
}

// Reserves dst with an empty file or folder, then renames src onto it. reserved (optional) tells
// whether the placeholder was made, so that a refusal came from the rename onto it.
RenameResult rename_onto_reservation(const std::string &src, const std::string &dst, bool folder,
                                     bool *reserved = nullptr) {
    if (folder) {
        if (::mkdir(dst.c_str(), 0700) != 0)
            return errno == EEXIST ? rename_onto_existing(src, dst) : creation_refused(dst, errno);
    } else {
        const int fd = ::open(
            dst.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0)
            return errno == EEXIST ? rename_onto_existing(src, dst) : creation_refused(dst, errno);
        ::close(fd);
    }
    if (reserved)
        *reserved = true;
    if (::rename(src.c_str(), dst.c_str()) == 0)
        return {};
    const int err = errno;
    if (folder)
        ::rmdir(dst.c_str());
    else
        ::unlink(dst.c_str());
    return refusal_from_errno(err);
}

RenameResult rename_file(const std::string &src, const std::string &dst, dev_t dev) {
    if (!missing_on(dev).hard_links) {
        if (::link(src.c_str(), dst.c_str()) == 0) {
            if (::unlink(src.c_str()) != 0) {
                const int err = errno;
                ::unlink(dst.c_str());
                return refusal_from_errno(err);
            }
            return {};
        }
        if (errno == EEXIST)
            return rename_onto_existing(src, dst);
        if (!lacks_links(errno))
            return refusal_from_errno(errno);
        remember(dev, &MissingFeatures::hard_links);
    }
    return rename_onto_reservation(src, dst, false);
}

RenameResult rename_folder(const std::string &src, const std::string &dst, dev_t dev) {
    // Asked every time: a device number may come back as another file system. A name taken is
    // told as such, as the kernel tells it where it is asked first.
    if (loses_folder_contents(dev)) {
        struct stat d {};
        if (::lstat(dst.c_str(), &d) == 0)
            return rename_onto_existing(src, dst);
        return {RenameRefusal::Unsupported, EOPNOTSUPP};
    }
    if (!missing_on(dev).folder_replace) {
        bool reserved = false;
        const RenameResult onto = rename_onto_reservation(src, dst, true, &reserved);
        // A refusal of the rename onto the placeholder may mean that a folder cannot replace an
        // empty one here; the check below then has the last word. The others are final.
        if (onto.ok() || !reserved || onto.refusal == RenameRefusal::NotFound)
            return onto;
    }
    struct stat d {};
    if (::lstat(dst.c_str(), &d) == 0)
        return rename_onto_existing(src, dst);
    if (errno != ENOENT)
        return refusal_from_errno(errno);
    if (::rename(src.c_str(), dst.c_str()) != 0)
        return refusal_from_errno(errno);
    remember(dev, &MissingFeatures::folder_replace);
    return {};
}

// The only entry of parent whose name folds to `name`, or nothing when there is none or more.
std::optional<std::string> only_entry_folding_to(const std::string &parent,
                                                 const std::string &name) {
    DIR *dir = ::opendir(parent.c_str());
    if (!dir)
        return std::nullopt;
    std::optional<std::string> found;
    int count = 0;
    while (const dirent *entry = ::readdir(dir)) {
        if (folded(entry->d_name) == name && ++count == 1)
            found = entry->d_name;
    }
    ::closedir(dir);
    return count == 1 ? found : std::nullopt;
}

bool ascii_equal_folded(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](char c) {
            return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        };
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

// Renames src to dst, two spellings of one entry. A plain rename from one to the other could find
// the target "taken" by the source and replace it with itself, or, where the kernel folds case,
// succeed without a change: the entry goes through a name of its own instead.
RenameResult respell(const std::string &src, const std::string &dst) {
    static std::atomic<unsigned> serial{0};
    const std::string temporary = std::string(folder_prefix(src)) + ".tarvendi-case-" +
                                  std::to_string(::getpid()) + "-" + std::to_string(serial++);
    const RenameResult away = rename_disk(src.c_str(), temporary.c_str());
    if (!away.ok())
        return away;
    const RenameResult done = rename_disk(temporary.c_str(), dst.c_str());
    if (!done.ok())
        rename_disk(temporary.c_str(), src.c_str());
    return done;
}

// src and dst are two spellings that the folder resolves to entries the file system does not
// show as one (FUSE gives each spelling an inode number of its own).
RenameResult rename_case_only(const std::string &src, const std::string &dst,
                              const std::string &parent) {
    const std::string_view from = last_component(src);
    const std::string_view to = last_component(dst);
    const std::string key = folded(to);
    if (!name_rules(parent).folds_case || folded(from) != key)
        return target_exists();
    // Every file system that folds case folds ASCII letters; where the names differ beyond them,
    // only the folder can tell whether it holds them as one entry.
    if (!ascii_equal_folded(from, to)) {
        const std::optional<std::string> entry = only_entry_folding_to(parent, key);
        if (!entry)
            return target_exists();
        if (*entry == to)
            return {};
    }
    return respell(src, dst);
}

} // namespace

std::string_view folder_prefix(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

RenameResult refusal_from_errno(int err) {
    switch (err) {
    case EEXIST:
    case ENOTEMPTY:
        return {RenameRefusal::TargetExists, err};
    case ENOENT:
        return {RenameRefusal::NotFound, err};
    case EACCES:
    case EPERM:
    case EROFS:
        return {RenameRefusal::Permission, err};
    case ENAMETOOLONG:
        return {RenameRefusal::NameTooLong, err};
    case EOPNOTSUPP:
    case ENOSYS:
        return {RenameRefusal::Unsupported, err};
    default:
        return {RenameRefusal::Other, err};
    }
}

RenameResult rename_onto_existing(const std::string &src, const std::string &dst) {
    struct stat s {};
    struct stat d {};
    if (::lstat(src.c_str(), &s) != 0 || ::lstat(dst.c_str(), &d) != 0 || s.st_dev != d.st_dev)
        return target_exists();
    const std::optional<std::string> src_parent = real_parent(src);
    if (!src_parent || src_parent != real_parent(dst))
        return target_exists();
    if (s.st_ino != d.st_ino)
        return rename_case_only(src, dst, *src_parent);
    if (last_component(src) == last_component(dst))
        return {};
    // Folders have no hard links, and a file with a single link has no second name in this
    // folder: the two spellings are one entry, and only how it is written changes.
    if (!S_ISDIR(s.st_mode) && s.st_nlink != 1)
        return target_exists();
    return respell(src, dst);
}

RenameResult rename_without_noreplace(const std::string &src, const std::string &dst) {
    struct stat s {};
    if (::lstat(src.c_str(), &s) != 0)
        return refusal_from_errno(errno);
    return S_ISDIR(s.st_mode) ? rename_folder(src, dst, s.st_dev) : rename_file(src, dst, s.st_dev);
}

void simulate_no_noreplace(std::optional<MissingFeatures> missing) {
    const std::lock_guard lock(memory_mutex);
    simulated = missing.value_or(MissingFeatures{});
    simulating = missing.has_value();
}

bool no_noreplace_simulated() {
    return simulating.load(std::memory_order_relaxed);
}

} // namespace tarvendi::platform
