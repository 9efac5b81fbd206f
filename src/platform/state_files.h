#pragma once
// The program's own files: the journal of executes under $XDG_STATE_HOME/tarvendi (by default
// ~/.local/state/tarvendi). Paths here are disk paths (the bytes the system takes), not GB18030
// names: the journal records them as the disk spells them.

#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::platform {

// The folder the journal lives in: $XDG_STATE_HOME/tarvendi when that is an absolute path, else
// $HOME/.local/state/tarvendi. Nothing is created.
std::string journal_folder();

// The process's current directory as the disk spells it. Throws IoError.
std::string current_disk_folder();

// A file that only grows, for a journal: every append reaches the file at once, sync() waits
// until it is on the disk. Every failure throws IoError naming the file.
class AppendFile {
public:
    // Creates the file (it must not exist yet), private to the user, with its folder and the
    // folders above it as needed. Its entry becomes durable with rename().
    explicit AppendFile(const std::string &path);
    // Opens an existing file to append to it. When its last line was cut short (a crash in the
    // middle of a write), what is appended starts on a line of its own.
    AppendFile(const std::string &path, bool existing);
    ~AppendFile();
    AppendFile(const AppendFile &) = delete;
    AppendFile &operator=(const AppendFile &) = delete;

    void append(std::string_view text);
    void sync();
    // Gives the file another name in its folder, never over anything there, and makes the new
    // entry durable. Throws IoError.
    void rename(const std::string &path);

private:
    std::string path_;
    int fd_ = -1;
    bool cut_line_ = false;
};

// An exclusive lock on a file (made, with its folders, when missing) that other processes
// respect: held from construction to destruction, and free again when its process dies. With
// wait false, held() tells whether another holder was there first. Throws IoError when the file
// cannot be opened. Two locks of one file in one process exclude each other too.
class FileLock {
public:
    FileLock(const std::string &path, bool wait);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The names of the regular files in folder that end with suffix, sorted by bytes; none when the
// folder does not exist or cannot be read.
std::vector<std::string> files_ending_with(const std::string &folder, std::string_view suffix);
// The whole file. Throws IoError.
std::string read_whole_file(const std::string &path);
// The whole of a file the user names (a disk path): through symbolic links, from a pipe or a
// FIFO (read once its writer came, as a pipe is read; the open itself never waits), but no folder
// (EISDIR) and nothing larger than 64 MB (EFBIG). Throws IoError.
std::string read_named_file(const std::string &path);
// Removes a file; false when it could not.
bool remove_file(const std::string &path);
// Removes a folder when it is empty: 0, or the system's error number (ENOTEMPTY or EEXIST when
// it holds something).
int remove_empty_folder(const std::string &path);
// Whether anything (a file, a folder, a dangling link) has this path.
bool entry_exists(const std::string &path);

} // namespace tarvendi::platform
