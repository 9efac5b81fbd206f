// Reading the tags of 10,000 small MP3-like files through Id3v1Tag, beside a bare loop of open,
// pread of the last 128 bytes (the files' size is known to it) and close over the same files. Each
// is run several times (alternating) and the best time of each counts, to keep other load on the
// machine out of the ratio. The files live in a fresh folder under /dev/shm, removed afterwards.

#include "id3v1_tag.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kFiles = 10'000;
constexpr std::size_t kFileSize = 4096;
constexpr int kRounds = 5;

using Clock = std::chrono::steady_clock;

std::string tagged_content(int i) {
    std::string content(kFileSize, '\xFF');
    std::string record(128, ' ');
    record.replace(0, 3, "TAG");
    const std::string title = "Title " + std::to_string(i);
    const std::string artist = "Artist " + std::to_string(i % 97);
    record.replace(3, title.size(), title);
    record.replace(33, artist.size(), artist);
    record[127] = static_cast<char>(i % 115);
    content.replace(kFileSize - 128, 128, record);
    return content;
}

std::vector<std::string> create_files(const std::string &folder) {
    std::vector<std::string> paths;
    paths.reserve(kFiles);
    for (int i = 0; i < kFiles; ++i) {
        paths.push_back(folder + "/song" + std::to_string(i) + ".mp3");
        const std::string content = tagged_content(i);
        const int fd = ::open(paths.back().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, content.data(), content.size()) != std::ssize(content)) {
            std::perror(paths.back().c_str());
            std::exit(1);
        }
        ::close(fd);
    }
    return paths;
}

// Sums title and artist lengths so that the work cannot be optimised away.
double time_component(const std::vector<std::string> &paths, long &checksum) {
    tarvendi::tags::Id3v1Tag tag;
    const auto start = Clock::now();
    for (const std::string &path : paths) {
        tag.set_filename(path);
        checksum += tag.title().size() + tag.artist().size();
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double time_bare(const std::vector<std::string> &paths, long &checksum) {
    char block[128];
    const auto start = Clock::now();
    for (const std::string &path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::pread(fd, block, sizeof block,
                              static_cast<off_t>(kFileSize - sizeof block)) != sizeof block) {
            std::perror(path.c_str());
            std::exit(1);
        }
        ::close(fd);
        checksum += block[3] + block[33];
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

int main() {
    char folder_template[] = "/dev/shm/tags_bench.XXXXXX";
    if (!::mkdtemp(folder_template)) {
        std::perror("mkdtemp under /dev/shm");
        return 1;
    }
    const std::string folder = folder_template;
    const std::vector<std::string> paths = create_files(folder);

    long checksum = 0;
    double component = 1e9;
    double bare = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        component = std::min(component, time_component(paths, checksum));
        bare = std::min(bare, time_bare(paths, checksum));
    }
    std::filesystem::remove_all(folder);

    std::printf("tags_bench: %d files of %zu bytes, best of %d rounds (checksum %ld)\n", kFiles,
                kFileSize, kRounds, checksum);
    std::printf("  Id3v1Tag (filename, title, artist): %8.2f ms\n", component * 1e3);
    std::printf("  bare open/pread/close:              %8.2f ms\n", bare * 1e3);
    std::printf("  ratio: %.2fx (target: within 1.2x)\n", component / bare);
    return 0;
}
