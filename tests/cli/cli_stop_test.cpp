// tarvendi-cli stopped by SIGINT in the middle of an execute: the rename in flight ends, the
// report tells what was done and that the run stopped, and undo takes back exactly that.

#include "cli_run.h"

#include <algorithm>
#include <csignal>
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
    const tarvendi::testing::CrowdedFolder crowd(20000);
    const std::size_t kFiles = crowd.files();
    const auto count = [&](char first) {
        return crowd.count(first);
    };
    const std::string execute =
        "wildcard --template 'n-#####' --execute --dir '" + crowd.path() + "'";
    const auto interrupted_after = [&](int delay_ms, const char *language) {
        crowd.refill();
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
    const int caught_at = tarvendi::testing::cut_among_renames(
        folder, crowd, [&](int delay_ms) { run = interrupted_after(delay_ms, "en"); });
    std::size_t renamed = count('n');
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
    std::filesystem::remove_all(folder.path() + ".state");
}

// A signal once every file is renamed, while the report is still being written (its reader has
// not read yet): the program tells the whole run, and ends as a run that was not stopped.
TEST(CliStop, InterruptWhileReportingEndsTheReport) {
    TempFolder folder;
    const tarvendi::testing::CrowdedFolder crowd(20000);
    crowd.refill();
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const std::string command = "cd '" + folder.path() + "' && XDG_STATE_HOME='" + folder.path() +
                                ".state' TARVENDI_LANG=en exec " CLI_PATH
                                " wildcard --template 'n-#####' --execute --dir '" +
                                crowd.path() + "' 2>'" + (folder / ".stderr") + "'";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    // The report of 20,000 lines fills the pipe long before its end.
    for (int waited = 0; crowd.count('n') < crowd.files() && waited < 600; ++waited)
        ::usleep(50'000);
    ASSERT_EQ(crowd.count('n'), crowd.files());
    ::usleep(200'000);
    ::kill(child, SIGINT);
    std::string report;
    char buffer[65536];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(n));
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(lines(report), crowd.files());
    EXPECT_EQ(last_line(folder.read(".stderr")), "renamed 20000, refused 0");
    std::filesystem::remove_all(folder.path() + ".state");
}

} // namespace
