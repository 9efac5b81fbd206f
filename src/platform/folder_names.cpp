#include "folder_names.h"

#include <cerrno>
#include <filesystem>
#include <linux/magic.h>
#include <mutex>
#include <sys/inotify.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace tarvendi::platform::folder_names {

namespace {

constexpr std::uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                   IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_DONT_FOLLOW;

struct Kept {
    std::mutex lock;
    int inotify = -1;
    std::string folder; // absolute, as the disk spells it
    std::shared_ptr<const std::string> names;
    bool watching = false; // names may be kept for folder
    bool valid = false;    // names are kept
};

Kept &kept() {
    static Kept instance;
    return instance;
}

// Relative paths, "." and a trailing "/" name the same folder as its plain absolute path.
std::string key(const std::string &disk_folder) {
    std::filesystem::path path(disk_folder.empty() ? std::string(".") : disk_folder);
    std::error_code ec;
    if (path.is_relative())
        path = std::filesystem::current_path(ec) / path;
    std::string normal = path.lexically_normal().string();
    if (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

// A watch sees every change only where every change passes through this kernel.
bool local(const std::string &folder) {
    struct statfs fs;
    if (::statfs(folder.c_str(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case EXT4_SUPER_MAGIC: // also ext2 and ext3
    case TMPFS_MAGIC:
    case XFS_SUPER_MAGIC:
    case BTRFS_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

void forget(Kept &k) {
    if (k.inotify >= 0)
        ::close(k.inotify);
    k.inotify = -1;
    k.watching = k.valid = false;
    k.names.reset();
}

} // namespace

bool watch(const std::string &disk_folder) {
    Kept &k = kept();
    const std::lock_guard guard(k.lock);
    forget(k);
    k.folder = key(disk_folder);
    if (!local(k.folder))
        return false;
    // A new instance drops the old watch and whatever it had queued.
    k.inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (k.inotify < 0 || ::inotify_add_watch(k.inotify, k.folder.c_str(), kChanges) < 0) {
        forget(k);
        return false;
    }
    k.watching = true;
    return true;
}

void drop() {
    Kept &k = kept();
    const std::lock_guard guard(k.lock);
    forget(k);
}

void keep(const std::string &disk_folder, std::shared_ptr<const std::string> names) {
    Kept &k = kept();
    const std::lock_guard guard(k.lock);
    if (k.watching && k.folder == key(disk_folder)) {
        k.names = std::move(names);
        k.valid = true;
    }
}

std::shared_ptr<const std::string> recall(const std::string &disk_folder) {
    Kept &k = kept();
    const std::lock_guard guard(k.lock);
    if (!k.valid || k.folder != key(disk_folder))
        return nullptr;
    // Any event at all (a change, the watch dropped, the queue overflowed) ends the keeping.
    alignas(inotify_event) char events[4096];
    const ssize_t n = ::read(k.inotify, events, sizeof events);
    if (n >= 0 || errno != EAGAIN) {
        forget(k);
        return nullptr;
    }
    return k.names;
}

} // namespace tarvendi::platform::folder_names
