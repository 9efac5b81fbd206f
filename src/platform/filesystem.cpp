#include "filesystem.h"

#include "disk_path.h"
#include "display_text.h"
#include "encoding.h"
#include "errors.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarvendi::platform {
namespace {

// stat() of a GB18030 path, following links; false when it fails or the path cannot convert.
bool stat_path(std::string_view path, struct stat &st) {
    const std::optional<std::string> disk = name_to_disk(path);
    return disk && ::stat(disk->c_str(), &st) == 0;
}

std::string home_folder() {
    const char *home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd *pw = getpwuid(getuid());
        home = pw ? pw->pw_dir : "/";
    }
    return name_from_disk(home);
}

} // namespace

namespace {
std::atomic<unsigned> folder_changes{0};
} // namespace

void set_current_folder(std::string_view folder) {
    if (::chdir(disk_path(folder).c_str()) != 0)
        throw IoError(errno, escaped_text(folder));
    ++folder_changes;
}

void check_folder(std::string_view folder) {
    const std::string disk = disk_path(folder);
    struct stat st {};
    if (::stat(disk.c_str(), &st) != 0)
        throw IoError(errno, escaped_text(folder));
    if (!S_ISDIR(st.st_mode))
        throw IoError(ENOTDIR, escaped_text(folder));
    if (::access(disk.c_str(), X_OK) != 0)
        throw IoError(errno, escaped_text(folder));
}

unsigned current_folder_generation() {
    return folder_changes.load(std::memory_order_relaxed);
}

std::string current_folder() {
    std::vector<char> buf(256);
    while (!::getcwd(buf.data(), buf.size())) {
        if (errno != ERANGE)
            throw IoError(errno);
        buf.resize(buf.size() * 2);
    }
    return name_from_disk(buf.data());
}

std::string start_folder() {
    try {
        return current_folder();
    } catch (const IoError &) {
    }
    for (const char *fallback : {"~", "/"}) {
        try {
            set_current_folder(absolute_path(fallback));
            return current_folder();
        } catch (const IoError &) {
        }
    }
    return "/";
}

std::string absolute_path(std::string_view path) {
    std::string full;
    if (path == "~" || path.starts_with("~/"))
        full = home_folder() + std::string(path.substr(1));
    else if (path.starts_with("/"))
        full = path;
    else
        full = current_folder() + "/" + std::string(path);

    // "/" is never part of a GB18030 character, so splitting the bytes is safe.
    std::vector<std::string_view> parts;
    std::string_view rest = full;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest.remove_prefix(slash == std::string_view::npos ? rest.size() : slash + 1);
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    if (parts.empty())
        return "/";
    std::string out;
    for (std::string_view part : parts) {
        out += '/';
        out += part;
    }
    return out;
}

bool folder_exists(std::string_view path) {
    struct stat st {};
    return stat_path(path, st) && S_ISDIR(st.st_mode);
}

bool file_exists(std::string_view path) {
    struct stat st {};
    return stat_path(path, st) && !S_ISDIR(st.st_mode);
}

std::optional<EntryIdentity> entry_identity(std::string_view path) {
    const std::optional<std::string> disk = name_to_disk(path);
    struct stat st {};
    if (!disk || ::lstat(disk->c_str(), &st) != 0)
        return std::nullopt;
    return EntryIdentity{st.st_dev, st.st_ino, S_ISDIR(st.st_mode)};
}

bool regular_file(std::string_view path) {
    struct stat st {};
    return stat_path(path, st) && S_ISREG(st.st_mode);
}

std::optional<rules::Timestamp> last_write_time(std::string_view path) {
    struct stat st {};
    if (!stat_path(path, st) || S_ISDIR(st.st_mode))
        return std::nullopt;
    std::tm tm{};
    if (!localtime_r(&st.st_mtim.tv_sec, &tm))
        return std::nullopt;
    const int year = tm.tm_year + 1900;
    if (year < 1980 || year > 2107)
        return std::nullopt;
    // A leap second (60) must not become 60 either.
    const int second = std::min(tm.tm_sec, 59) / 2 * 2;
    return rules::Timestamp{year, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, second};
}

bool is_read_only(std::string_view path) {
    struct stat st {};
    return stat_path(path, st) && (st.st_mode & S_IWUSR) == 0;
}

bool clear_read_only(std::string_view path) {
    const std::optional<std::string> disk = name_to_disk(path);
    struct stat st {};
    if (!disk || ::stat(disk->c_str(), &st) != 0)
        return false;
    if (st.st_mode & S_IWUSR)
        return true;
    return ::chmod(disk->c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

bool set_read_only(std::string_view path) {
    const std::optional<std::string> disk = name_to_disk(path);
    struct stat st {};
    if (!disk || ::stat(disk->c_str(), &st) != 0)
        return false;
    return ::chmod(disk->c_str(), (st.st_mode & 07777) & ~mode_t{S_IWUSR}) == 0;
}

void create_folder(std::string_view path) {
    if (::mkdir(disk_path(path).c_str(), 0777) != 0)
        throw IoError(errno, escaped_text(path));
}

} // namespace tarvendi::platform
