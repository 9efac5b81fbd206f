// Opens a folder of many files in the main window, previews and executes the wildcard rule, and
// sets each figure beside its bare baseline measured in the same run: readdir + stat + sort for
// the open, a plain renameat2 loop for the execute. Run it on tmpfs, e.g.
//   spine_bench /dev/shm 100000
// Needs QT_QPA_PLATFORM=offscreen (or a display).

#include "path_edit.h"
#include "windows.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

class SpineBench {
public:
    static double seconds_since(std::chrono::steady_clock::time_point start) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    template <class F> static double timed(F &&f) {
        const auto start = std::chrono::steady_clock::now();
        f();
        return seconds_since(start);
    }

    static std::string name_of(int i) {
        char name[32];
        std::snprintf(name, sizeof name, "track %06d.mp3", i);
        return name;
    }

    // readdir with a stat of each entry and a case-insensitive sort: what opening a folder
    // cannot avoid.
    static double bare_listing(const std::string &folder) {
        return timed([&] {
            std::vector<std::string> names;
            DIR *dir = opendir(folder.c_str());
            while (dirent *e = readdir(dir)) {
                struct stat st;
                fstatat(dirfd(dir), e->d_name, &st, 0);
                names.emplace_back(e->d_name);
            }
            closedir(dir);
            std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
                return strcasecmp(a.c_str(), b.c_str()) < 0;
            });
        });
    }

    static double bare_renames(const std::vector<std::pair<std::string, std::string>> &renames) {
        return timed([&] {
            for (const auto &[from, to] : renames)
                renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
        });
    }

    static int run(const std::string &base, int count) {
        char pattern[4096];
        std::snprintf(pattern, sizeof pattern, "%s/tarvendi-bench-XXXXXX", base.c_str());
        const std::string root = mkdtemp(pattern);
        const std::string folder = root + "/music";
        fs::create_directory(folder);
        for (int i = 0; i < count; ++i)
            close(open((folder + "/" + name_of(i)).c_str(), O_CREAT | O_WRONLY, 0644));
        fs::current_path(root);

        ApplicationWindows windows;
        TForm1 &form = windows.Form1;
        form.show();
        auto *list = form.findChild<QListView *>(QStringLiteral("ListBox1"));
        auto *preview = form.findChild<QListView *>(QStringLiteral("ListBox2"));

        const double listing = bare_listing(folder);
        form.Edit16->setText(QString::fromStdString(folder));
        const double open_time = timed([&] { form.Edit16KeyPress(); });
        const int listed = list->model()->rowCount();

        form.edit10->setCurrentText(QStringLiteral("######-*"));
        const double preview_time = timed([&] { form.Button3->click(); });
        const int previewed = preview->model()->rowCount();

        const double execute_time = timed([&] { form.Button6->click(); });
        const double refresh_time = timed([&] { form.full_refresh(); });
        const double pass_time = execute_time - refresh_time;

        std::vector<std::pair<std::string, std::string>> back;
        back.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            char renamed[64];
            std::snprintf(renamed, sizeof renamed, "%06d-track %06d.mp3", i + 1, i);
            back.emplace_back(folder + "/" + renamed, folder + "/" + name_of(i));
        }
        const double bare = bare_renames(back);
        const bool all_back = fs::exists(folder + "/" + name_of(count - 1));

        std::printf("entries listed: %d, previewed: %d, renamed back by the bare loop: %s\n",
                    listed, previewed, all_back ? "all" : "NOT ALL");
        std::printf(
            "%-34s %8.3f s   bare readdir+stat+sort %8.3f s   ratio %5.2f  (target < 0.5 s)\n",
            "open folder, list filled+checked", open_time, listing, open_time / listing);
        std::printf("%-34s %8.3f s   (target < 0.3 s)\n", "wildcard preview", preview_time);
        std::printf(
            "%-34s %8.3f s   bare renameat2 loop    %8.3f s   ratio %5.2f  (target <= 1.2)\n",
            "wildcard execute, without refresh", pass_time, bare, pass_time / bare);
        std::printf("%-34s %8.3f s   (target < 0.5 s)\n", "full refresh after execute",
                    refresh_time);

        fs::current_path("/");
        fs::remove_all(root);
        return 0;
    }
};

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const std::string base = argc > 1 ? argv[1] : "/dev/shm";
    const int count = argc > 2 ? std::atoi(argv[2]) : 100000;
    return SpineBench::run(base, count);
}
