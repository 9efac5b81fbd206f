#include "folder_names.h"

#include "file_system_kind.h"

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <sys/inotify.h>
#include <unistd.h>

namespace tarvendi::platform::folder_names {

namespace {

constexpr std::uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                   IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_DONT_FOLLOW;

struct Kept {
    std::mutex lock;
    // One instance for the whole run, never closed: closing one that has watched waits for the
    // kernel to retire its watches, up to 16 ms, while removing a watch returns at once.
    int inotify = -1;
    int watch = -1;     // the watch on folder, while its names may be kept
    std::string folder; // absolute, as the disk spells it
    std::shared_ptr<const std::string> names;
    bool valid = false; // names are kept
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
    const FileSystemKind kind = file_system_kind(folder.c_str());
    return kind == FileSystemKind::Local || kind == FileSystemKind::LocalByteExact;
}

void forget(Kept &k) {
    if (k.watch >= 0)
        ::inotify_rm_watch(k.inotify, k.watch);
    k.watch = -1;
    k.valid = false;
    k.names.reset();
}

// Whether anything waits in the queue: once it was emptied as the watch began, any event at all
// (a change, the watch dropped, the queue overflowed) means the folder changed.
bool changed(const Kept &k) {
    alignas(inotify_event) char events[4096];
    return ::read(k.inotify, events, sizeof events) >= 0 || errno != EAGAIN;
}

// Lets go of what earlier watches queued, an overflow among it: it says nothing of the next.
void empty_queue(const Kept &k) {
    alignas(inotify_event) char events[64 * 1024];
    while (::read(k.inotify, events, sizeof events) > 0) {
    }
}

} // namespace

bool watch(const std::string &disk_folder) {
    Kept &k = kept();
    const std::lock_guard guard(k.lock);
    forget(k);
    k.folder = key(disk_folder);
    if (!local(k.folder))
        return false;
    if (k.inotify < 0)
        k.inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (k.inotify < 0)
        return false;
    empty_queue(k);
    k.watch = ::inotify_add_watch(k.inotify, k.folder.c_str(), kChanges);
    return k.watch >= 0;
}

void drop() {
    Kept &k = kept();
    const std::lock_guard guard(k.lock);
    forget(k);
}

void keep(const std::string &disk_folder, std::shared_ptr<const std::string> names) {
    Kept &k = kept();
    const std::lock_guard guard(k.lock);
    if (k.watch >= 0 && k.folder == key(disk_folder)) {
        k.names = std::move(names);
        k.valid = true;
    }
}

std::shared_ptr<const std::string> recall(const std::string &disk_folder) {
    Kept &k = kept();
    const std::lock_guard guard(k.lock);
    if (!k.valid || k.folder != key(disk_folder))
        return nullptr;
    if (changed(k)) {
        forget(k);
        return nullptr;
    }
    return k.names;
}

} // namespace tarvendi::platform::folder_names
