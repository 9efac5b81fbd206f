#pragma once
// File-system operations on GB18030 paths. A path without a leading "/" is taken relative to
// the process's current directory.

#include "wildcard.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvendi::platform {

// Makes folder the process's current directory. Throws IoError (naming the path) when it cannot.
void set_current_folder(std::string_view folder);
// Counts the changes of the current directory made through set_current_folder, so that what was
// learnt of a relative path can be known to be stale.
unsigned current_folder_generation();

// The process's current directory, without trailing "/" except for the root. Throws IoError
// when it no longer exists.
std::string current_folder();

// The folder a run starts in: the current directory, or the home folder (then the root), made
// current, when the program was started in a folder that has since gone away.
std::string start_folder();

// Absolute form of path: "~" and "~/..." expand to the home folder, relative paths are joined to
// the current directory, "." and ".." components and repeated "/" are resolved by text.
std::string absolute_path(std::string_view path);

bool folder_exists(std::string_view path);
// Throws IoError (naming the path) as entering folder would fail: missing, not a folder, or
// closed to the user.
void check_folder(std::string_view folder);
// True for an existing entry that is not a folder.
bool file_exists(std::string_view path);
// True for a regular file (through links): not a folder, FIFO, socket or device.
bool regular_file(std::string_view path);
// The entry a path names itself (a link, not what it points to): which one, and its kind.
struct EntryIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    bool folder = false;
    auto operator<=>(const EntryIdentity &) const = default;
};
// Nothing when no entry has that path (or it does not convert).
std::optional<EntryIdentity> entry_identity(std::string_view path);

// Last-write time in local time, in two-second steps; nothing for folders, missing files and
// times outside 1980..2107.
std::optional<rules::Timestamp> last_write_time(std::string_view path);

// Read-only means: the owner has no write permission.
bool is_read_only(std::string_view path);
// Gives the owner write permission back. Returns false when that is refused.
bool clear_read_only(std::string_view path);
// Takes the owner's write permission away again; false when that is refused.
bool set_read_only(std::string_view path);

// Creates one folder level. Throws IoError when it cannot.
void create_folder(std::string_view path);

// Why a rename did not happen.
enum class RenameRefusal {
    None,           // renamed, or the target was the source itself
    TargetExists,   // something already has the new name; nothing was touched
    NotFound,       // the source does not exist
    InvalidName,    // empty, ".", "..", holds "/" or a byte below 32
    NameTooLong,    // longer than the file system allows
    NotConvertible, // source or target is not valid GB18030 (a cut character, a non-UTF-8 name)
    Permission,     // the folder or file may not be changed
    NotAllowedHere, // the file system of the target folder cannot hold the name (FAT, exFAT...)
    Unsupported,    // the file system lacks what the rename needs
    Other,          // any other system error; see errno_value
};

struct RenameResult {
    RenameRefusal refusal = RenameRefusal::None;
    int errno_value = 0; // the system's error number; 0 when refused before any system call
    bool ok() const { return refusal == RenameRefusal::None; }
};

// A rename as the disk spells it (UTF-8 bytes), or the refusal that needs no system call: an
// invalid new name, a name that does not convert, a name too long.
struct DiskRename {
    RenameRefusal refusal = RenameRefusal::None;
    std::string source;
    std::string folder; // empty: the current directory
    std::string name;
    // folder + "/" + name, or name alone.
    std::string target() const {
        std::string out;
        target_into(out);
        return out;
    }
    // The same into out, its room reused.
    void target_into(std::string &out) const {
        out.assign(folder);
        if (!folder.empty())
            out += '/';
        out += name;
    }
};
// Fills out, reusing its storage, so that a loop over many names allocates nothing for the
// usual ones.
void disk_rename(std::string_view source, std::string_view folder, std::string_view new_name,
                 DiskRename &out);
// The parts of that, for a planner that holds a source's folder and name apart: the disk form
// of a GB18030 path or name into out, reusing its storage (false: it does not convert); and
// whether new_name can be a name, with its disk form in out: None, InvalidName (checked before
// the conversion), NotConvertible or NameTooLong.
bool to_disk(std::string_view gb18030, std::string &out);
RenameRefusal disk_name(std::string_view new_name, std::string &out);

// Renames source (a path) to folder + "/" + new_name, or to new_name in the current directory
// when folder is empty. new_name is what a rule made: it must be a single name, never a path.
// Never overwrites anything: an existing target refuses the rename. A target that is the source
// itself (the same entry, however its path is written) succeeds without a change.
RenameResult rename_entry(std::string_view source, std::string_view folder,
                          std::string_view new_name);

// The same on paths as the disk spells them (UTF-8 bytes).
RenameResult rename_disk(const char *src, const char *dst);

// rename_disk in one folder, held open: relative paths are resolved in it, with neither a walk
// from the root for every rename nor the process's current directory. A rename the folder's
// file system answers otherwise than with success takes rename_disk's whole way, on the paths
// from the root.
class RenameFolder {
public:
    // folder: from the root, as the disk spells it. One that cannot be opened is not an error
    // here: its renames are refused as rename_disk refuses them. Without a folder (empty) every
    // rename of a relative path is refused as not convertible.
    explicit RenameFolder(std::string folder);
    ~RenameFolder();
    RenameFolder(const RenameFolder &) = delete;
    RenameFolder &operator=(const RenameFolder &) = delete;

    RenameResult rename(const char *src, const char *dst);
    bool has_folder() const { return folder_.starts_with('/'); }
    // path from the root: a relative one lies in the folder.
    void from_root(std::string_view path, std::string &out) const;

private:
    std::string folder_;
    int fd_ = -1;
    bool long_way_ = false; // its file system refused RENAME_NOREPLACE
    std::string src_, dst_; // room for the paths from the root
};

// What the file system of a folder (as the disk spells it; "" the current directory) lets its
// names be. Both are false where nothing is known.
struct NameRules {
    bool folds_case = false;    // names that differ only in letter case are one entry
    bool windows_names = false; // the media of Windows: FAT, exFAT, NTFS, SMB (windows_allows)
};
NameRules name_rules(const std::string &disk_folder);
// Whether a folder with windows_names can hold disk_name (UTF-8): none of " * : < > ? \ | and
// no control character, no trailing "." or blank, at most 255 UTF-16 units.
bool windows_allows(std::string_view disk_name);
// disk_name with its letters in one case, for telling whether two names are one entry where
// names fold case. Bytes that are not UTF-8 stay as they are; the result is as long as disk_name.
std::string folded(std::string_view disk_name);

// Short Chinese text for a refusal, for the report shown to the user (UTF-8, lasting as long as
// the program): the words of its system error where it has one, else of its kind; empty for None.
std::string_view refusal_reason(const RenameResult &result);
// The same for a refusal that needs no system error (empty for None and Other).
std::string_view refusal_reason(RenameRefusal refusal);

} // namespace tarvendi::platform
