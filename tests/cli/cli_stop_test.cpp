// tarvendi-cli stopped by SIGINT in the middle of an execute: the rename in flight ends, the
// report tells what was done and that the run stopped, and undo takes back exactly that.

#include "cli_run.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using tarvendi::testing::TempFolder;

namespace {

using Result = tarvendi::testing::CliResult;
using tarvendi::testing::cli;

std::size_t lines(const std::string &text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::string last_line(std::string text) {
    if (text.ends_with('\n'))
        text.pop_back();
    return text.substr(text.rfind('\n') + 1);
}

TEST(CliStop, InterruptStopsBetweenRenamesAndUndoTakesBackWhatWasDone) {
    TempFolder folder;
    std::string shm = "/dev/shm/tarvendi-cli-stop-XXXXXX";
    ASSERT_TRUE(::mkdtemp(shm.data()));
    const auto count = [&](char first) {
        std::size_t n = 0;
        for (const auto &entry : std::filesystem::directory_iterator(shm))
            n += entry.path().filename().string().front() == first;
        return n;
    };
    constexpr std::size_t kFiles = 20000;
    const std::string execute = "wildcard --template 'n-#####' --execute --dir '" + shm + "'";
    const auto interrupted_after = [&](int delay_ms, const char *language) {
        std::filesystem::remove_all(shm);
        std::filesystem::create_directory(shm);
        for (std::size_t i = 0; i < kFiles; ++i)
            std::ofstream(shm + "/f" + std::to_string(i));
        return cli(folder, execute, {},
                   std::string("TARVENDI_LANG=") + language +
                       // Only to the program: a second signal, as timeout sends to its process
                       // group too, may end it at once.
                       " timeout --foreground --preserve-status -s INT " +
                       std::to_string(delay_ms / 1000.0));
    };
    // The signal's moment is found by halving, until it falls among the renames: before them
    // the run renames nothing, after them it is not stopped.
    Result run;
    std::size_t renamed = 0;
    int delay_ms = 20, too_short = 0, too_long = 0, caught_at = 0;
    for (int tries = 0; tries < 16 && (renamed == 0 || renamed == kFiles); ++tries) {
        while (cli(folder, "undo --execute").out.size() > 0) {
        }
        caught_at = delay_ms;
        run = interrupted_after(delay_ms, "en");
        renamed = count('n');
        (renamed == 0 ? too_short : too_long) = delay_ms;
        delay_ms = too_long == 0 ? delay_ms * 2 : (too_short + too_long) / 2;
    }
    if (renamed == 0 || renamed == kFiles)
        GTEST_SKIP() << "the run could not be interrupted among its renames";
    EXPECT_EQ(run.status, 130) << run.err;
    EXPECT_EQ(count('f') + renamed, kFiles);
    EXPECT_EQ(last_line(run.err), "renamed " + std::to_string(renamed) + ", refused 0, stopped");
    // Only the renames made are reported; those not reached are neither listed nor refused.
    EXPECT_EQ(lines(run.out), renamed);
    EXPECT_EQ(lines(cli(folder, "undo").out), renamed);
    const Result undone = cli(folder, "undo --execute");
    EXPECT_EQ(undone.status, 0) << undone.err;
    EXPECT_EQ(count('f'), kFiles);
    EXPECT_EQ(cli(folder, "undo").out, "");

    // The same in Chinese, when the signal falls among the renames again.
    run = interrupted_after(caught_at, "zh");
    renamed = count('n');
    if (run.status == 130 && renamed != 0) {
        EXPECT_EQ(last_line(run.err),
                  "已改名 " + std::to_string(renamed) + " 个，0 个未改名，已停止");
        EXPECT_EQ(cli(folder, "undo --execute").status, 0);
        EXPECT_EQ(count('f'), kFiles);
    }
    std::filesystem::remove_all(shm);
    std::filesystem::remove_all(folder.path() + ".state");
}

} // namespace
