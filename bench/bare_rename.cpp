// The least a batch rename can do on one thread: the list of "old<TAB>new" lines is read whole
// first, then the loop calls renameat2(RENAME_NOREPLACE) once per line inside the folder and
// nothing else.
// With --plain it calls renameat() instead, for the file systems that refuse the no-overwrite
// flag (FAT and exFAT through FUSE). That loop does not protect against overwriting: a target
// that exists is replaced and its file is lost. It is the least any renamer has to do there, not
// something a renamer may do; a renamer that keeps existing files pays more than it.
// cli_bench.sh and removable_bench.sh measure tarvendi-cli and other renamers against it:
//   bare_rename [--plain] FOLDER LIST

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

int main(int argc, char *argv[]) {
    bool plain = false;
    if (argc == 4 && std::strcmp(argv[1], "--plain") == 0) {
        plain = true;
        --argc;
        ++argv;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: bare_rename [--plain] FOLDER LIST\n");
        return 2;
    }
    std::ifstream list(argv[2]);
    if (!list) {
        std::perror(argv[2]);
        return 1;
    }
    std::vector<std::pair<std::string, std::string>> renames;
    std::string line;
    while (std::getline(list, line)) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        renames.emplace_back(line.substr(0, tab), line.substr(tab + 1));
    }
    const int folder = ::open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        std::perror(argv[1]);
        return 1;
    }
    for (const auto &[from, to] : renames) {
        const int done =
            plain ? ::renameat(folder, from.c_str(), folder, to.c_str())
                  : ::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE);
        if (done != 0) {
            std::perror(from.c_str());
            return 1;
        }
    }
    ::close(folder);
    return 0;
}
