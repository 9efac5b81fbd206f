#pragma once
// What the user hands the window from outside: the arguments of its command line, and the files
// or folders dropped on it from a file manager. Both come down to one request: a folder to open,
// and maybe files of that folder for the working list.

#include <iosfwd>
#include <string>
#include <vector>

class QMimeData;

namespace tarvendi::ui {

// The program's own arguments, once Qt has taken its standard options out. Help and version win
// over anything else before "--", so that they never need a window; after "--" every argument is
// a path, also one that begins with "-".
struct CommandLine {
    enum class Action { Open, Help, Version, BadOption };
    Action action = Action::Open;
    std::vector<std::string> paths; // as given: bytes as the disk spells them
    std::string bad_option;         // the first unknown option, for BadOption
};
CommandLine parse_command_line(const std::vector<std::string> &args);

// Paths as the disk spells them (UTF-8 bytes) as absolute GB18030 paths, relative ones joined to
// the current directory. One that cannot be made absolute (the current directory is gone) stays
// relative, and sort_paths then takes it for missing.
std::vector<std::string> absolute_paths(const std::vector<std::string> &disk_paths);

// The local paths of the file URLs a drop carries, absolute and GB18030, in the order dropped;
// empty when it carries none (a drag from a list of the window, a web link, plain text).
std::vector<std::string> dropped_paths(const QMimeData *data);

// What a set of absolute GB18030 paths asks of the window. The first path that exists decides:
// a folder is opened and every other path left out; a file opens its folder and is taken with
// every later file of the same folder.
struct PathRequest {
    std::string folder;                // to open; empty when no path exists
    std::vector<std::string> files;    // bare names in folder, in the order given, each once
    std::vector<std::string> missing;  // paths that name nothing (and relative ones)
    std::vector<std::string> left_out; // paths that exist but were not taken
};
PathRequest sort_paths(const std::vector<std::string> &paths);

// One line on out for each missing path of request (the window shows them in a box too).
void report_missing(std::ostream &out, const PathRequest &request);

} // namespace tarvendi::ui
