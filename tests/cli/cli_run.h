#pragma once
// tarvendi-cli run as a user runs it, for the command-line tests: in a folder, with a journal of
// its own beside it, both outputs kept.

#include "temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace tarvendi::testing {

struct CliResult {
    int status = -1; // the exit status; -1 when it was killed
    std::string out;
    std::string err;
};

// Runs the program in folder with XDG_STATE_HOME at folder + ".state"; input goes to its standard
// input; wrapper (e.g. "timeout -s INT 1", "env LC_ALL=C") runs it.
inline CliResult cli(const TempFolder &folder, const std::string &args,
                     const std::string &input = {}, const std::string &wrapper = {}) {
    const std::string in = folder / ".stdin";
    const std::string err = folder / ".stderr";
    {
        std::FILE *f = std::fopen(in.c_str(), "wb");
        std::fwrite(input.data(), 1, input.size(), f);
        std::fclose(f);
    }
    const std::string command = "cd '" + folder.path() + "' && XDG_STATE_HOME='" + folder.path() +
                                ".state' " + wrapper + " " CLI_PATH " " + args + " < '" + in +
                                "' 2>'" + err + "'";
    CliResult result;
    std::FILE *pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        result.out.append(buffer, n);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = folder.read(".stderr");
    std::filesystem::remove(in);
    std::filesystem::remove(err);
    return result;
}

// A folder of many empty files f0, f1, ... on tmpfs, for runs cut off among their renames, which
// give each file a name starting with "n".
class CrowdedFolder {
public:
    explicit CrowdedFolder(std::size_t files)
        : files_(files) {
        std::string path = "/dev/shm/tarvendi-crowded-XXXXXX";
        if (::mkdtemp(path.data()))
            path_ = path;
    }
    ~CrowdedFolder() { std::filesystem::remove_all(path_); }
    CrowdedFolder(const CrowdedFolder &) = delete;
    CrowdedFolder &operator=(const CrowdedFolder &) = delete;

    const std::string &path() const { return path_; }
    std::size_t files() const { return files_; }
    // Empties the folder and makes the files again.
    void refill() const {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directory(path_);
        for (std::size_t i = 0; i < files_; ++i)
            std::ofstream(path_ + "/f" + std::to_string(i));
    }
    // The entries whose name starts with first.
    std::size_t count(char first) const {
        std::size_t n = 0;
        for (const auto &entry : std::filesystem::directory_iterator(path_))
            n += entry.path().filename().string().front() == first;
        return n;
    }

private:
    std::size_t files_;
    std::string path_;
};

// Calls cut(delay_ms), which refills crowd and runs the program on it cut off after delay_ms,
// with delays found by halving until the cut falls among the renames (some files renamed, not
// all), undoing what the journal of folder holds before each try; at most 16 tries. Returns the
// delay of the last try; crowd.count('n') tells whether it fell there.
template <class Cut>
int cut_among_renames(const TempFolder &folder, const CrowdedFolder &crowd, const Cut &cut) {
    std::size_t renamed = 0;
    int delay_ms = 20, too_short = 0, too_long = 0, tried = delay_ms;
    for (int tries = 0; tries < 16 && (renamed == 0 || renamed == crowd.files()); ++tries) {
        while (!cli(folder, "undo --execute").out.empty()) {
        }
        tried = delay_ms;
        cut(delay_ms);
        renamed = crowd.count('n');
        (renamed == 0 ? too_short : too_long) = delay_ms;
        delay_ms = too_long == 0 ? delay_ms * 2 : (too_short + too_long) / 2;
    }
    return tried;
}

} // namespace tarvendi::testing
