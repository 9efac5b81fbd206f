// Large folders through the real window, each figure beside its bare baseline from the same run:
// - 100,000 files: open the folder (beside readdir + stat + sort), select all with Ctrl+A, then
//   preview and execute one rule of every renaming page (each execute beside a bare renameat2
//   loop over as many files; the full refresh after it timed apart), and the resident memory
//   with the folder open;
// - 10,000 MP3 files: the tag template rename, and writing the typed tag values into every file
//   (beside a bare open + pwrite + close loop).
// Run it on tmpfs with QT_QPA_PLATFORM=offscreen, e.g.  folder_bench /dev/shm 100000 10000
// (a fourth argument runs only that many of the pages, or only the page it names).

#include "bench_support.h"
#include "memory.h"
#include "path_edit.h"
#include "windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdlib.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

class FolderBench {
public:
    // In the order the window lists them, so the bare loops rename in the same order as a pass.
    static std::vector<std::string> names_in(const std::string &folder) {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
            return strcasecmp(a.c_str(), b.c_str()) < 0;
        });
        return names;
    }

    static double bare_listing(const std::string &folder) {
        return tarvendi::bench::timed([&] {
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

    // Renames every file of folder to a fresh name and back, and returns the time of one way.
    static double bare_renames(const std::string &folder) {
        const std::vector<std::string> names = names_in(folder);
        std::vector<std::string> from, to;
        for (std::size_t i = 0; i < names.size(); ++i) {
            from.push_back(folder + "/" + names[i]);
            to.push_back(folder + "/bare-" + std::to_string(i));
        }
        const double there = tarvendi::bench::timed([&] {
            for (std::size_t i = 0; i < from.size(); ++i)
                renameat2(AT_FDCWD, from[i].c_str(), AT_FDCWD, to[i].c_str(), RENAME_NOREPLACE);
        });
        const double back = tarvendi::bench::timed([&] {
            for (std::size_t i = 0; i < from.size(); ++i)
                renameat2(AT_FDCWD, to[i].c_str(), AT_FDCWD, from[i].c_str(), RENAME_NOREPLACE);
        });
        return (there + back) / 2;
    }

    // What the tag template rename cannot avoid: read each file's last 128 bytes, then rename it.
    static double bare_tag_renames(const std::string &folder) {
        const std::vector<std::string> names = names_in(folder);
        char block[128];
        const double there = tarvendi::bench::timed([&] {
            for (std::size_t i = 0; i < names.size(); ++i) {
                const std::string path = folder + "/" + names[i];
                const int fd = ::open(path.c_str(), O_RDONLY);
                struct stat st;
                fstat(fd, &st);
                if (pread(fd, block, sizeof block, st.st_size - 128) < 0)
                    std::perror("pread");
                close(fd);
                renameat2(AT_FDCWD, path.c_str(), AT_FDCWD,
                          (folder + "/bare-" + std::to_string(i)).c_str(), RENAME_NOREPLACE);
            }
        });
        for (std::size_t i = 0; i < names.size(); ++i)
            renameat2(AT_FDCWD, (folder + "/bare-" + std::to_string(i)).c_str(), AT_FDCWD,
                      (folder + "/" + names[i]).c_str(), RENAME_NOREPLACE);
        return there;
    }

    static double bare_tag_writes(const std::string &folder) {
        const std::vector<std::string> names = names_in(folder);
        const std::string record(128, 'T');
        return tarvendi::bench::timed([&] {
            for (const std::string &name : names) {
                const int fd = ::open((folder + "/" + name).c_str(), O_RDWR);
                struct stat st;
                fstat(fd, &st);
                if (pwrite(fd, record.data(), record.size(), st.st_size - 128) < 0)
                    std::perror("pwrite");
                close(fd);
            }
        });
    }

    struct Rule {
        const char *page;
        std::function<void(TForm1 &)> set_up;
        const char *preview;
        const char *execute;
    };

    TForm1 &form;

    template <class T> T *get(const char *name) { return form.findChild<T *>(QLatin1String(name)); }
    void text(const char *name, const QString &value) {
        if (auto *edit = get<QLineEdit>(name))
            edit->setText(value);
        else if (auto *box = get<QComboBox>(name))
            box->setCurrentText(value);
        else
            get<QPlainTextEdit>(name)->setPlainText(value);
    }
    void open(const std::string &folder) {
        form.Edit16->setText(QString::fromStdString(folder));
        form.Edit16KeyPress();
    }
    int listed() { return get<QListView>("ListBox1")->model()->rowCount(); }
    int previewed() { return get<QListView>("ListBox2")->model()->rowCount(); }

    // The bare loop runs right after each execute, over the same folder, so that both see the
    // same machine load.
    // Starts the peak of resident memory (VmHWM) afresh from what the process holds now.
    static void reset_peak() { std::ofstream("/proc/self/clear_refs") << "5"; }

    void run_rule(const Rule &rule, const std::string &folder,
                  const std::function<double()> &bare_loop = {}) {
        rule.set_up(form);
        reset_peak();
        const double preview =
            tarvendi::bench::timed([&] { get<QAbstractButton>(rule.preview)->click(); });
        const int lines = previewed();
        const double execute =
            tarvendi::bench::timed([&] { get<QAbstractButton>(rule.execute)->click(); });
        const double refresh = tarvendi::bench::timed([&] { form.full_refresh(); });
        const double peak = tarvendi::bench::resident_mb("VmHWM:");
        const double after = tarvendi::bench::resident_mb();
        const bool all_renamed = names_in(folder).size() == static_cast<std::size_t>(listed());
        const double bare = bare_loop ? bare_loop() : bare_renames(folder);
        // The window reads the folder again after the bare loop changed it behind its back, as
        // a user would before the next preview.
        form.full_refresh();
        std::printf("%-16s preview %6.3f s (%d lines)  execute %6.3f s  bare %6.3f s  ratio %5.2f  "
                    "refresh %5.3f s  peak %6.1f MB  after %6.1f MB%s\n",
                    rule.page, preview, lines, execute - refresh, bare, (execute - refresh) / bare,
                    refresh, peak, after, all_renamed ? "" : " (FILES MISSING)");
    }

    static void make_files(const std::string &folder, int count, const std::string &body) {
        fs::create_directories(folder);
        for (int i = 0; i < count; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "/track %06d.mp3", i);
            const int fd = ::open((folder + name).c_str(), O_CREAT | O_WRONLY, 0644);
            if (!body.empty()) {
                std::string tagged = body;
                const std::string title = "T" + std::to_string(i);
                tagged.replace(tagged.size() - 125, title.size(), title);
                write(fd, tagged.data(), tagged.size());
            }
            close(fd);
        }
    }

    static int run(const std::string &base, int count, int songs, std::size_t rule_count,
                   const std::string &only_page) {
        char pattern[4096];
        std::snprintf(pattern, sizeof pattern, "%s/tarvendi-bench-XXXXXX", base.c_str());
        const std::string root = mkdtemp(pattern);
        const std::string folder = root + "/files";
        // The journal of the executes, as the program keeps it, but on the same tmpfs.
        ::setenv("XDG_STATE_HOME", (root + "/state").c_str(), 1);
        const std::string music = root + "/music";
        make_files(folder, count, {});
        std::string song(4096 - 128, '\0');
        song += "TAG" + std::string(125, ' ');
        make_files(music, songs, song);
        fs::current_path(root);

        ApplicationWindows windows;
        windows.Form1.show();
        FolderBench bench{windows.Form1};
        const double rss_before = tarvendi::bench::resident_mb();

        const double listing = bare_listing(folder);
        const double open_time = tarvendi::bench::timed([&] { bench.open(folder); });
        const double rss_open = tarvendi::bench::resident_mb();
        const double select_all = tarvendi::bench::timed([&] {
            bench.get<QListView>("FileListBox1")->setFocus();
            QTest::keyClick(bench.get<QListView>("FileListBox1"), Qt::Key_A, Qt::ControlModifier);
        });
        std::printf("%d files in %s\n", bench.listed(), folder.c_str());
        std::printf("open folder      %6.3f s  bare readdir+stat+sort %6.3f s  ratio %5.2f  "
                    "(target < 0.5 s)\n",
                    open_time, listing, open_time / listing);
        std::printf("select all       %6.3f s  (Ctrl+A in the file list)\n", select_all);
        std::printf(
            "resident memory  %6.1f MB with the folder open (%6.1f MB before)  (target < 300 MB)\n",
            rss_open, rss_before);
        std::printf("each execute beside a bare renameat2 loop over the same folder right after it "
                    "(targets: preview < 0.3 s, ratio <= 1.2, refresh < 0.5 s)\n");

        const Rule rules[] = {
            {"通配符改名", [&](TForm1 &) { bench.text("edit10", "######-*"); }, "Button3",
             "Button6"},
            {"替换",
             [&](TForm1 &) {
                 bench.text("Edit5", "track");
                 bench.text("Edit6", "song");
             },
             "Button31", "Button32"},
            {"字符模糊替换",
             [&](TForm1 &) {
                 bench.text("Edit1", "0");
                 bench.text("Edit2", "-");
                 bench.text("edit7", "#######-");
             },
             "Button9", "Button1"},
            {"序号替换",
             [&](TForm1 &) {
                 bench.text("Edit17", "1");
                 bench.text("Edit18", "8");
                 bench.text("edit19", "######-");
             },
             "Button21", "Button25"},
            {"修改扩展名", [&](TForm1 &) { bench.text("Edit12", "wav"); }, "Button7", "Button5"},
            {"数字位补0", [&](TForm1 &) { bench.text("Edit21", "30"); }, "Button38", "Button39"},
            {"特殊改名", [&](TForm1 &) { bench.get<QCheckBox>("CheckBox8")->setChecked(true); },
             "Button4", "Button18"},
            {"文本换名",
             [&](TForm1 &) {
                 // Typed and let go: the bench's own copy is not the program's memory.
                 QString lines;
                 for (int i = 0; i < count; ++i)
                     lines += QStringLiteral("name %1\n").arg(i);
                 bench.text("Memo6", lines);
                 bench.text("ComboBox1", "");
             },
             "Button15", "Button14"},
        };
        for (std::size_t i = 0; i < std::size(rules); ++i)
            if (only_page.empty() ? i < rule_count : only_page == rules[i].page)
                bench.run_rule(rules[i], folder);

        bench.open(music);
        std::printf("\n%d MP3 files; the template rename beside a bare loop of pread of the last "
                    "128 bytes and renameat2\n",
                    bench.listed());
        bench.run_rule({"mp3通配符换名", [&](TForm1 &) { bench.text("Edit3", "######_@"); },
                        "Button11", "Button10"},
                       music, [&] { return bare_tag_renames(music); });
        const double bare_writes = bare_tag_writes(music);
        bench.text("Edit8", "Title");
        bench.text("Edit14", "Artist");
        const double tag_writes =
            tarvendi::bench::timed([&] { bench.get<QAbstractButton>("Button8")->click(); });
        std::printf("mp3标签 save     %6.3f s  bare open+pwrite+close %6.3f s  ratio %5.2f\n",
                    tag_writes, bare_writes, tag_writes / bare_writes);

        std::printf("each rule's peak is the most resident memory from its preview to its refresh "
                    "(target < 400 MB with 1,000,000 files)\n");
        fs::current_path("/");
        fs::remove_all(root);
        return 0;
    }
};

int main(int argc, char *argv[]) {
    tarvendi::platform::return_large_blocks_on_free(); // as the program does
    QApplication app(argc, argv);
    const std::string base = argc > 1 ? argv[1] : "/dev/shm";
    const int count = argc > 2 ? std::atoi(argv[2]) : 100000;
    const int songs = argc > 3 ? std::atoi(argv[3]) : 10000;
    // Fewer pages for a quick look at a large folder (a number: the first ones; a page's name:
    // that page alone); all eight by default.
    const std::string pages = argc > 4 ? argv[4] : "8";
    const bool numbered = pages.find_first_not_of("0123456789") == std::string::npos;
    return FolderBench::run(base, count, songs,
                            numbered ? static_cast<std::size_t>(std::stoul(pages)) : 0,
                            numbered ? std::string() : pages);
}
