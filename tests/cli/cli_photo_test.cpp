// tarvendi-cli wildcard --photo-date: "/" and ":" take a photo's own date, other files keep their
// last-write time and say so, and a FIFO named like a photo never makes the run wait.

#include "temp_folder.h"

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

using Plan = std::map<std::string, std::string>; // old name: "new name | verdict | reason"

// The plan of a wildcard run in Chinese in folder, with a journal of its own; killed after ten
// seconds. It exits with status (1: something was refused).
Plan planned(const tarvendi::testing::TempFolder &folder, const std::string &options,
             int status_wanted) {
    const std::string command =
        "cd '" + folder.path() + "' && TARVENDI_LANG=zh XDG_STATE_HOME='" + folder.path() +
        ".state' timeout -s KILL 10 " CLI_PATH " wildcard --template '/ :-*' --json " + options +
        " < /dev/null 2>/dev/null";
    std::string out;
    std::FILE *pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == status_wanted) << options;
    const auto document = nlohmann::json::parse(out);
    Plan plan;
    for (const auto &item : document["items"])
        plan[item["old"]] = std::string(item["new"]) + " | " + std::string(item["verdict"]) +
                            " | " + std::string(item["reason"]);
    return plan;
}

TEST(CliPhotoDate, PhotosTheirOwnOthersTheirLastWriteTime) {
    tarvendi::testing::TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe.jpg").c_str(), 0644), 0);
    std::tm local{};
    ::strptime("2021-03-02 04:05:07", "%Y-%m-%d %H:%M:%S", &local);
    local.tm_isdst = -1;
    const timespec written[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
    for (const char *name : {"original.jpg", "no_date.jpg", "pipe.jpg"}) {
        if (!std::filesystem::exists(folder / name))
            std::filesystem::copy_file(std::string(TARVENDI_PHOTO_DATA "/") + name, folder / name);
        ASSERT_EQ(::utimensat(AT_FDCWD, (folder / name).c_str(), written, 0), 0);
    }
    const std::string none = "无拍摄时间，用修改时间";
    EXPECT_EQ(planned(folder, "", 0),
              (Plan{{"no_date.jpg", "20210302 04.05.06-no_date.jpg | rename | "},
                    {"original.jpg", "20210302 04.05.06-original.jpg | rename | "},
                    {"pipe.jpg", "20210302 04.05.06-pipe.jpg | rename | "}}));
    EXPECT_EQ(planned(folder, "--photo-date", 0),
              (Plan{{"no_date.jpg", "20210302 04.05.06-no_date.jpg | rename | " + none},
                    {"original.jpg", "20190504 10.20.31-original.jpg | rename | "},
                    {"pipe.jpg", "20210302 04.05.06-pipe.jpg | rename | " + none}}));

    // A refusal gives its own reason, not the note.
    std::filesystem::create_directory(folder / "20210302 04.05.06-no_date.jpg");
    EXPECT_EQ(planned(folder, "--photo-date --mask no_date.jpg", 1),
              (Plan{{"no_date.jpg", "20210302 04.05.06-no_date.jpg | exists | 目标已存在"}}));
    std::filesystem::remove(folder / "20210302 04.05.06-no_date.jpg");

    planned(folder, "--photo-date --execute", 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "20190504 10.20.31-original.jpg"));
    EXPECT_TRUE(std::filesystem::exists(folder / "20210302 04.05.06-no_date.jpg"));
}

} // namespace
