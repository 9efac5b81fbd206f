// The least a batch rename can do on one thread: the list of "old<TAB>new" lines is read whole
// first, then the loop calls renameat2(RENAME_NOREPLACE) once per line inside the folder and
// nothing else.
// cli_bench.sh measures tarvendi-cli and other renamers against it:
//   bare_rename FOLDER LIST

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

int main(int argc, char *argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bare_rename FOLDER LIST\n");
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
        if (::renameat2(folder, from.c_str(), folder, to.c_str(), RENAME_NOREPLACE) != 0) {
            std::perror(from.c_str());
            return 1;
        }
    }
    ::close(folder);
    return 0;
}
