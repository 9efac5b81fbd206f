#include "errors.h"
#include "filesystem.h"
#include "temp_folder.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tarvendi::platform {
namespace {

using testing::TempFolder;

TEST(SetCurrentFolder, ChangesOrNamesThePath) {
    TempFolder tmp;
    tmp.folder("中文");
    tmp.file("file.txt", "");
    struct Case {
        std::string folder; // GB18030
        int code;           // 0 when the change succeeds
    };
    const Case cases[] = {
        {tmp.path(), 0},
        {tmp.path() + "/\xD6\xD0\xCE\xC4", 0},
        {tmp.path() + "/\xD6\xD0\xCE\xC4/..", 0},
        {tmp / "missing", ENOENT},
        {tmp / "file.txt", ENOTDIR},
        {tmp / "\xFE\x39\x8D\x37", EILSEQ}, // listed from disk "\xFF"
        {"", ENOENT},
    };
    for (const Case &c : cases) {
        set_current_folder("/");
        try {
            set_current_folder(c.folder);
            EXPECT_EQ(c.code, 0) << c.folder;
            EXPECT_EQ(current_folder(), absolute_path(c.folder));
        } catch (const IoError &e) {
            EXPECT_EQ(e.code(), c.code) << c.folder;
            EXPECT_EQ(current_folder(), "/");
            if (!c.folder.empty()) {
                EXPECT_NE(std::string(e.what()).find(tmp.path()), std::string::npos) << e.what();
            }
        }
    }
}

TEST(AbsolutePath, ResolvesByText) {
    TempFolder tmp;
    tmp.folder("中");
    const std::string cwd = tmp.path() + "/\xD6\xD0";
    set_current_folder(cwd);
    ASSERT_EQ(setenv("HOME", "/home/\xE9\x98\xBF", 1), 0); // "阿" in UTF-8
    struct Case {
        std::string path;
        std::string absolute;
    };
    const Case cases[] = {
        {"", cwd},
        {".", cwd},
        {"a.txt", cwd + "/a.txt"},
        {"a/./b/../c/", cwd + "/a/c"},
        {"..", tmp.path()},
        {"../../../../../../../..", "/"},
        {"/", "/"},
        {"//x//y/", "/x/y"},
        {"/..", "/"},
        {"/a/b/..", "/a"},
        {"~", "/home/\xB0\xA2"},
        {"~/", "/home/\xB0\xA2"},
        {"~/m/../n", "/home/\xB0\xA2/n"},
        {"~x", cwd + "/~x"},
        {"a\\b:c", cwd + "/a\\b:c"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(absolute_path(c.path), c.absolute) << c.path;
}

TEST(Exists, TellsFilesFromFolders) {
    TempFolder tmp;
    tmp.file("a.txt", "");
    tmp.file("中.txt", "");
    tmp.folder("sub");
    tmp.make_link("sub", "link_dir");
    tmp.make_link("a.txt", "link_file");
    tmp.make_link("missing", "dangling");
    struct Case {
        std::string name; // GB18030
        bool folder;
        bool file;
    };
    const Case cases[] = {
        {"a.txt", false, true},    {"\xD6\xD0.txt", false, true},      {"sub", true, false},
        {"link_dir", true, false}, {"link_file", false, true},         {"dangling", false, false},
        {"missing", false, false}, {"\xFE\x39\x8D\x37", false, false}, {"", true, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(folder_exists(tmp / c.name), c.folder) << c.name;
        EXPECT_EQ(file_exists(tmp / c.name), c.file) << c.name;
    }
}

// Local time as the system would set it.
timespec local_time(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return {std::mktime(&tm), 0};
}

TEST(LastWriteTime, TwoSecondStepsWithinRange) {
    struct Case {
        int year, month, day, hour, minute, second;
        std::optional<rules::Timestamp> expected;
    };
    const Case cases[] = {
        {2021, 6, 15, 13, 45, 31, rules::Timestamp{2021, 6, 15, 13, 45, 30}},
        {2021, 6, 15, 13, 45, 30, rules::Timestamp{2021, 6, 15, 13, 45, 30}},
        {2024, 2, 29, 0, 0, 1, rules::Timestamp{2024, 2, 29, 0, 0, 0}},
        {1980, 1, 1, 0, 0, 0, rules::Timestamp{1980, 1, 1, 0, 0, 0}},
        {2107, 12, 31, 23, 59, 59, rules::Timestamp{2107, 12, 31, 23, 59, 58}},
        {1979, 12, 31, 23, 59, 59, std::nullopt},
        {1970, 1, 2, 0, 0, 0, std::nullopt},
        {2108, 1, 1, 0, 0, 0, std::nullopt},
    };
    TempFolder tmp;
    tmp.file("a.txt", "");
    for (const Case &c : cases) {
        const timespec t = local_time(c.year, c.month, c.day, c.hour, c.minute, c.second);
        const timespec times[2] = {t, t};
        ASSERT_EQ(utimensat(AT_FDCWD, (tmp / "a.txt").c_str(), times, 0), 0);
        const std::optional<rules::Timestamp> got = last_write_time(tmp / "a.txt");
        ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.year;
        if (!got)
            continue;
        EXPECT_EQ(got->year, c.expected->year);
        EXPECT_EQ(got->month, c.expected->month);
        EXPECT_EQ(got->day, c.expected->day);
        EXPECT_EQ(got->hour, c.expected->hour);
        EXPECT_EQ(got->minute, c.expected->minute);
        EXPECT_EQ(got->second, c.expected->second);
    }
}

TEST(LastWriteTime, NothingForFoldersAndMissingFiles) {
    TempFolder tmp;
    tmp.folder("sub");
    const timespec t = local_time(2021, 6, 15, 13, 45, 30);
    const timespec times[2] = {t, t};
    ASSERT_EQ(utimensat(AT_FDCWD, (tmp / "sub").c_str(), times, 0), 0);
    EXPECT_EQ(last_write_time(tmp / "sub"), std::nullopt);
    EXPECT_EQ(last_write_time(tmp / "missing"), std::nullopt);
}

TEST(ReadOnly, OwnerWritePermission) {
    struct Case {
        mode_t mode;
        bool read_only;
        mode_t mode_after_clear;
    };
    const Case cases[] = {
        {0644, false, 0644}, {0444, true, 0644},   {0400, true, 0600},
        {0077, true, 0277},  {04555, true, 04755},
    };
    for (const Case &c : cases) {
        TempFolder tmp;
        tmp.file("a.mp3", "");
        tmp.set_mode("a.mp3", c.mode);
        EXPECT_EQ(is_read_only(tmp / "a.mp3"), c.read_only) << std::oct << c.mode;
        EXPECT_TRUE(clear_read_only(tmp / "a.mp3"));
        EXPECT_FALSE(is_read_only(tmp / "a.mp3"));
        struct stat st {};
        ASSERT_EQ(stat((tmp / "a.mp3").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode_after_clear) << std::oct << c.mode;
    }
}

TEST(ReadOnly, MissingFile) {
    TempFolder tmp;
    EXPECT_FALSE(is_read_only(tmp / "missing"));
    EXPECT_FALSE(clear_read_only(tmp / "missing"));
}

TEST(CreateFolder, OneLevel) {
    TempFolder tmp;
    tmp.file("file", "");
    struct Case {
        std::string path; // GB18030
        int code;         // 0 when created
    };
    const Case cases[] = {
        {tmp / "new", 0},       {tmp / "\xD6\xD0\xCE\xC4", 0}, {tmp / "new", EEXIST},
        {tmp / "file", EEXIST}, {tmp / "a/b", ENOENT},         {tmp / "\xD6", EILSEQ},
    };
    for (const Case &c : cases) {
        try {
            create_folder(c.path);
            EXPECT_EQ(c.code, 0) << c.path;
            EXPECT_TRUE(folder_exists(c.path)) << c.path;
        } catch (const IoError &e) {
            EXPECT_EQ(e.code(), c.code) << c.path;
            EXPECT_NE(std::string(e.what()).find(tmp.path()), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(tmp / "中文"));
}

} // namespace
} // namespace tarvendi::platform
