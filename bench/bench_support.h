#pragma once
// What the benchmarks share: a stopwatch, the process's memory, the folder each fills, and the
// bare loop beside the previews that read files.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace tarvendi::bench {

// Seconds that f takes.
template <class F> double timed(F &&f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A field of /proc/self/status in MB: "VmRSS:" what the process holds now, "VmHWM:" the most it
// has held so far.
inline double resident_mb(const char *field = "VmRSS:") {
    std::ifstream status("/proc/self/status");
    const std::string wanted(field);
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(wanted, 0) == 0)
            return std::atof(line.c_str() + wanted.size()) / 1024.0;
    }
    return 0;
}

// A new folder in base for one benchmark (named after it); ends the process when it cannot be
// made.
inline std::string fresh_folder(const std::string &base, const std::string &bench) {
    std::string pattern = base + "/tarvendi-" + bench + "-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        std::perror(pattern.c_str());
        std::exit(1);
    }
    return pattern;
}

// The least a preview that reads each file must do: open it, read its head (as much as head
// holds), close it. Returns a sum of what was read, so that nothing is optimised away; ends the
// process when a file cannot be read.
inline std::size_t read_heads(const std::vector<std::string> &paths, std::vector<char> &head) {
    std::size_t read = 0;
    for (const std::string &path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        const ssize_t n = fd < 0 ? -1 : ::read(fd, head.data(), head.size());
        if (n <= 0) {
            std::perror(path.c_str());
            std::exit(1);
        }
        ::close(fd);
        read += static_cast<std::size_t>(n) + static_cast<unsigned char>(head[0]);
    }
    return read;
}

} // namespace tarvendi::bench
