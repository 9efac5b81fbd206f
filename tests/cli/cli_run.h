#pragma once
// tarvendi-cli run as a user runs it, for the command-line tests: in a folder, with a journal of
// its own beside it, both outputs kept.

#include "temp_folder.h"

#include <cstdio>
#include <filesystem>
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

} // namespace tarvendi::testing
