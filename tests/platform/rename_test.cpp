#include "filesystem.h"
#include "removable_image.h"
#include "safe_rename.h"
#include "temp_folder.h"
#include "tmpfs_mount.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarvendi::platform {
namespace {

using testing::TempFolder;

// Entries of a test folder, one string each: "f=content" a file, "d/" a folder, "l->target" a
// symbolic link; in a set-up, "h=>f" makes h a hard link of f.
using Entries = std::vector<std::string>;

void build(const std::string &root, const Entries &entries) {
    for (const std::string &e : entries) {
        const auto at = [&](const std::string &name) {
            return root + "/" + name;
        };
        if (e.ends_with("/")) {
            std::filesystem::create_directories(at(e.substr(0, e.size() - 1)));
        } else if (const std::size_t arrow = e.find("->"); arrow != std::string::npos) {
            ASSERT_EQ(::symlink(e.substr(arrow + 2).c_str(), at(e.substr(0, arrow)).c_str()), 0);
        } else if (const std::size_t hard = e.find("=>"); hard != std::string::npos) {
            ASSERT_EQ(::link(at(e.substr(hard + 2)).c_str(), at(e.substr(0, hard)).c_str()), 0);
        } else {
            const std::size_t eq = e.find('=');
            std::ofstream(at(e.substr(0, eq)), std::ios::binary) << e.substr(eq + 1);
        }
    }
}

Entries snapshot(const std::string &root) {
    Entries entries;
    for (const auto &it : std::filesystem::recursive_directory_iterator(root)) {
        const std::string rel = it.path().lexically_relative(root).string();
        if (it.is_symlink()) {
            entries.push_back(rel + "->" + std::filesystem::read_symlink(it.path()).string());
        } else if (it.is_directory()) {
            entries.push_back(rel + "/");
        } else {
            std::ifstream in(it.path(), std::ios::binary);
            entries.push_back(rel + "=" + std::string(std::istreambuf_iterator<char>(in), {}));
        }
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::string repeat(std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

struct Case {
    std::string what;
    Entries before;
    std::string source; // "{tmp}" stands for the test folder
    std::string folder;
    std::string new_name;
    RenameRefusal refusal;
    Entries after; // sorted
};

std::string expand(std::string text, const std::string &root) {
    if (const std::size_t at = text.find("{tmp}"); at != std::string::npos)
        text.replace(at, 5, root);
    return text;
}

// Cases that any file system gives the same answer for, whichever way the rename is made.
// Names are ASCII here, so they read the same in GB18030 and on disk.
const std::vector<Case> &common_cases() {
    static const std::vector<Case> cases = {
        {"file", {"a=A"}, "a", "", "b", RenameRefusal::None, {"b=A"}},
        {"file onto file",
         {"a=A", "b=B"},
         "a",
         "",
         "b",
         RenameRefusal::TargetExists,
         {"a=A", "b=B"}},
        {"file onto folder",
         {"a=A", "d/", "d/x=X"},
         "a",
         "",
         "d",
         RenameRefusal::TargetExists,
         {"a=A", "d/", "d/x=X"}},
        {"folder", {"d1/", "d1/x=X"}, "d1", "", "d3", RenameRefusal::None, {"d3/", "d3/x=X"}},
        {"folder onto empty folder",
         {"d1/", "d1/x=X", "d2/"},
         "d1",
         "",
         "d2",
         RenameRefusal::TargetExists,
         {"d1/", "d1/x=X", "d2/"}},
        {"folder onto file",
         {"d1/", "b=B"},
         "d1",
         "",
         "b",
         RenameRefusal::TargetExists,
         {"b=B", "d1/"}},
        {"same name", {"a=A"}, "a", "", "a", RenameRefusal::None, {"a=A"}},
        {"same entry, other path", {"a=A"}, "a", "{tmp}", "a", RenameRefusal::None, {"a=A"}},
        {"same folder, other path", {"d/"}, "d", "{tmp}/.", "d", RenameRefusal::None, {"d/"}},
        {"other case, taken",
         {"a=A", "A=B"},
         "a",
         "",
         "A",
         RenameRefusal::TargetExists,
         {"A=B", "a=A"}},
        {"other case", {"a=A"}, "a", "", "A", RenameRefusal::None, {"A=A"}},
        {"missing source", {"a=A"}, "missing", "", "b", RenameRefusal::NotFound, {"a=A"}},
        {"hard link of the source",
         {"a=A", "b=>a"},
         "a",
         "",
         "b",
         RenameRefusal::TargetExists,
         {"a=A", "b=A"}},
        {"link", {"a=A", "l->a"}, "l", "", "m", RenameRefusal::None, {"a=A", "m->a"}},
        {"onto dangling link",
         {"a=A", "l->missing"},
         "a",
         "",
         "l",
         RenameRefusal::TargetExists,
         {"a=A", "l->missing"}},
        {"within a folder",
         {"sub/", "sub/a=A"},
         "sub/a",
         "sub",
         "b",
         RenameRefusal::None,
         {"sub/", "sub/b=A"}},
        {"missing target folder", {"a=A"}, "a", "nofolder", "b", RenameRefusal::NotFound, {"a=A"}},
    };
    return cases;
}

// Runs c's rename with rename_entry in root (emptied first), the current directory meanwhile.
void clear(const std::string &root) {
    for (const auto &entry : std::filesystem::directory_iterator(root))
        std::filesystem::remove_all(entry.path());
}

void run_in(const std::string &root, const Case &c, const std::string &how = {}) {
    clear(root);
    build(root, c.before);
    set_current_folder(root);
    const RenameResult result = rename_entry(c.source, expand(c.folder, root), c.new_name);
    EXPECT_EQ(result.refusal, c.refusal) << c.what << how;
    EXPECT_EQ(result.ok(), c.refusal == RenameRefusal::None) << c.what << how;
    EXPECT_EQ(snapshot(root), c.after) << c.what << how;
}

void run(const Case &c) {
    TempFolder tmp;
    run_in(tmp.path(), c);
}

TEST(RenameEntry, NeverOverwrites) {
    for (const Case &c : common_cases())
        run(c);
}

// Every way a file system without RENAME_NOREPLACE leaves: hard links, a placeholder for the
// new name where there are none, and a check first where a folder cannot replace an empty one.
TEST(RenameWithoutNoreplace, NeverOverwrites) {
    const std::pair<MissingFeatures, const char *> ways[] = {
        {{false, false}, " (hard links)"},
        {{true, false}, " (placeholder)"},
        {{true, true}, " (folders checked first)"},
    };
    for (const auto &[missing, how] : ways) {
        simulate_no_noreplace(missing);
        for (const Case &c : common_cases()) {
            TempFolder tmp;
            run_in(tmp.path(), c, how);
        }
    }
    simulate_no_noreplace(std::nullopt);
}

TEST(RenameEntry, RefusesWhatARuleMustNotDo) {
    const std::string chinese_255 = repeat("\xD6\xD0", 85); // 255 bytes in UTF-8
    const std::vector<Case> cases = {
        {"slash", {"a=A", "sub/"}, "a", "", "sub/a", RenameRefusal::InvalidName, {"a=A", "sub/"}},
        {"parent", {"a=A"}, "a", "", "../a", RenameRefusal::InvalidName, {"a=A"}},
        {"empty", {"a=A"}, "a", "", "", RenameRefusal::InvalidName, {"a=A"}},
        {"dot", {"a=A"}, "a", "", ".", RenameRefusal::InvalidName, {"a=A"}},
        {"dot dot", {"a=A"}, "a", "", "..", RenameRefusal::InvalidName, {"a=A"}},
        {"tab", {"a=A"}, "a", "", "a\tb", RenameRefusal::InvalidName, {"a=A"}},
        {"control byte",
         {"a=A"},
         "a",
         "",
         std::string("a\x01"),
         RenameRefusal::InvalidName,
         {"a=A"}},
        {"cut character", {"a=A"}, "a", "", "b\xD6", RenameRefusal::NotConvertible, {"a=A"}},
        {"folder not convertible",
         {"a=A"},
         "a",
         "\xFE\x39\x8D\x37", // listed from disk "\xFF"
         "b",
         RenameRefusal::NotConvertible,
         {"a=A"}},
        {"256 bytes", {"a=A"}, "a", "", std::string(256, 'x'), RenameRefusal::NameTooLong, {"a=A"}},
        {"255 bytes",
         {"a=A"},
         "a",
         "",
         std::string(255, 'x'),
         RenameRefusal::None,
         {std::string(255, 'x') + "=A"}},
        {"85 Chinese characters",
         {"a=A"},
         "a",
         "",
         chinese_255,
         RenameRefusal::None,
         {repeat("中", 85) + "=A"}},
        {"86 Chinese characters",
         {"a=A"},
         "a",
         "",
         chinese_255 + "\xD6\xD0",
         RenameRefusal::NameTooLong,
         {"a=A"}},
        {"Chinese",
         {"中文=A"},
         "\xD6\xD0\xCE\xC4",
         "",
         "\xB0\xA2.mp3",
         RenameRefusal::None,
         {"阿.mp3=A"}},
        {"outside GBK", {"a=A"}, "a", "", "\x94\x39\xFC\x36", RenameRefusal::None, {"😀=A"}},
    };
    for (const Case &c : cases)
        run(c);
}

TEST(RenameEntry, NameThatIsNotUtf8StaysWhereItIs) {
    // Both names show as "caf�.mp3" in the lists; the one that is not UTF-8 lists with the
    // marker of its byte 0xE9 and never converts back, so no rename of it can reach the other file.
    TempFolder tmp;
    build(tmp.path(), {"caf\xE9.mp3=latin", "caf\xEF\xBF\xBD.mp3=valid"});
    set_current_folder(tmp.path());
    const Entries before = snapshot(tmp.path());
    const struct {
        std::string source;
        std::string new_name;
    } attempts[] = {
        {"caf\xFE\x39\x8B\x35.mp3", "x.mp3"},
        {"x.mp3", "caf\xFE\x39\x8B\x35.mp3"},
        // the valid file onto the name that lists alike
        {"caf\x84\x31\xA4\x37.mp3", "caf\xFE\x39\x8B\x35.mp3"},
    };
    for (const auto &a : attempts) {
        EXPECT_EQ(rename_entry(a.source, "", a.new_name).refusal, RenameRefusal::NotConvertible);
        EXPECT_EQ(snapshot(tmp.path()), before);
    }
}

TEST(RefusalText, ShortChineseReason) {
    struct Case {
        RenameResult result;
        std::string text;
    };
    const Case cases[] = {
        {{RenameRefusal::None, 0}, ""},
        {{RenameRefusal::TargetExists, EEXIST}, "目标已存在"},
        {{RenameRefusal::NotFound, ENOENT}, "找不到文件"},
        {{RenameRefusal::InvalidName, 0}, "名称无效"},
        {{RenameRefusal::NameTooLong, 0}, "名称过长"},
        {{RenameRefusal::NotConvertible, 0}, "名称无法转换编码"},
        {{RenameRefusal::Permission, EACCES}, "没有权限"},
        {{RenameRefusal::Permission, EROFS}, "文件系统只读"},
        {{RenameRefusal::TargetExists, ENOTEMPTY}, "目标已存在"},
        {{RenameRefusal::NotAllowedHere, EPERM}, "此文件系统不允许该名称"},
        {{RenameRefusal::Unsupported, EOPNOTSUPP}, "此文件系统不支持该操作"},
        {{RenameRefusal::Other, EXDEV}, "不能跨文件系统移动"},
        {{RenameRefusal::Other, 250}, "系统错误 250"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(refusal_reason(c.result), c.text);
}

TEST(RefusalFromErrno, MapsSystemErrors) {
    struct Case {
        int err;
        RenameRefusal refusal;
    };
    const Case cases[] = {
        {EEXIST, RenameRefusal::TargetExists},
        {ENOTEMPTY, RenameRefusal::TargetExists},
        {ENOENT, RenameRefusal::NotFound},
        {EACCES, RenameRefusal::Permission},
        {EPERM, RenameRefusal::Permission},
        {EROFS, RenameRefusal::Permission},
        {ENAMETOOLONG, RenameRefusal::NameTooLong},
        {EXDEV, RenameRefusal::Other},
        {EBUSY, RenameRefusal::Other},
    };
    for (const Case &c : cases) {
        const RenameResult r = refusal_from_errno(c.err);
        EXPECT_EQ(r.refusal, c.refusal) << c.err;
        EXPECT_EQ(r.errno_value, c.err);
    }
}

TEST(NameRules, WhatWindowsMediaCannotHoldAndHowNamesFold) {
    const std::string smiles(4 * 127, 'x'); // room for 127 four-byte characters
    std::string up_to_255, past_255;
    for (int i = 0; i < 127; ++i)
        up_to_255 += "😀"; // two UTF-16 units each
    past_255 = up_to_255 + "😀";
    const std::pair<std::string, bool> allowed[] = {
        {"Song.mp3", true},
        {"a?b", false},
        {"a\"b", false},
        {"a:b", false},
        {"a|b", false},
        {"a<b", false},
        {"a>b", false},
        {"a*b", false},
        {"a\\b", false},
        {"a.", false},
        {"a ", false},
        {"a\x1f", false},
        {".hidden", true},
        {"中文 名.txt", true},
        {up_to_255, true},
        {past_255, false},
        {std::string(255, 'x'), true},
        {std::string(256, 'x'), false},
    };
    for (const auto &[name, ok] : allowed)
        EXPECT_EQ(windows_allows(name), ok) << name;

    const std::pair<std::string, std::string> folds[] = {
        {"Song.MP3", "SONG.MP3"},
        {"école", "ÉCOLE"},
        {"straße", "STRAßE"},   // no single upper-case letter
        {"ı", "ı"},             // its upper case is shorter in UTF-8
        {"caf\xE9", "CAF\xE9"}, // not UTF-8: the byte stays
        {"中文", "中文"},
    };
    for (const auto &[name, folded_name] : folds)
        EXPECT_EQ(folded(name), folded_name) << name;

    EXPECT_FALSE(name_rules("/dev/shm").folds_case);
    EXPECT_FALSE(name_rules("/dev/shm").windows_names);
}

struct MediaCase {
    Case c;
    bool folder; // fusefat loses a renamed folder's contents: refused there
};

// Renames on a folder that folds case, as removable media do.
const std::vector<MediaCase> &case_folding_cases() {
    static const std::vector<MediaCase> cases = {
        {{"file", {"a=A"}, "a", "", "b", RenameRefusal::None, {"b=A"}}, false},
        {{"onto file", {"a=A", "b=B"}, "a", "", "b", RenameRefusal::TargetExists, {"a=A", "b=B"}},
         false},
        {{"onto another file in other case",
          {"a=A", "B=B"},
          "a",
          "",
          "b",
          RenameRefusal::TargetExists,
          {"B=B", "a=A"}},
         false},
        {{"case only",
          {"Song.MP3=S"},
          "Song.MP3",
          "",
          "Song.mp3",
          RenameRefusal::None,
          {"Song.mp3=S"}},
         false},
        {{"case only, other path", {"ab=S"}, "ab", "{tmp}", "AB", RenameRefusal::None, {"AB=S"}},
         false},
        {{"same name", {"a=A"}, "a", "", "a", RenameRefusal::None, {"a=A"}}, false},
        {{"name the medium cannot hold",
          {"a=A"},
          "a",
          "",
          "a?b",
          RenameRefusal::NotAllowedHere,
          {"a=A"}},
         false},
        {{"missing source", {"a=A"}, "b", "", "c", RenameRefusal::NotFound, {"a=A"}}, false},
        {{"folder", {"d1/", "d1/x=X"}, "d1", "", "d3", RenameRefusal::None, {"d3/", "d3/x=X"}},
         true},
        {{"folder, case only",
          {"abc/", "abc/x=X"},
          "abc",
          "",
          "ABC",
          RenameRefusal::None,
          {"ABC/", "ABC/x=X"}},
         true},
        {{"folder onto empty folder",
          {"d1/", "d1/x=X", "d2/"},
          "d1",
          "",
          "d2",
          RenameRefusal::TargetExists,
          {"d1/", "d1/x=X", "d2/"}},
         true},
    };
    return cases;
}

// Where the kernel folds case (tmpfs mounted with casefold, a folder flagged so), both spellings
// are one entry with one inode number: a case-only rename still changes the name, and another
// file holding the name in another case still refuses it.
TEST(CaseFoldingKernel, RenamesByCaseAndRefusesAnotherFile) {
    const TempFolder mount_point;
    const testing::TmpfsMount folding(mount_point.path(), "casefold");
    if (!folding.error().empty())
        GTEST_SKIP() << "no tmpfs that folds case here: " << folding.error();
    const std::string folder = mount_point.path() + "/folded";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd < 0 || ::ioctl(fd, FS_IOC_GETFLAGS, &flags) != 0 ||
        (flags |= FS_CASEFOLD_FL, ::ioctl(fd, FS_IOC_SETFLAGS, &flags)) != 0)
        GTEST_SKIP() << "the folder cannot be made to fold case: " << std::strerror(errno);
    ::close(fd);
    ASSERT_TRUE(name_rules(folder).folds_case);
    // What the medium cannot hold is Windows' rule, not the kernel's.
    for (const MediaCase &m : case_folding_cases())
        if (m.c.refusal != RenameRefusal::NotAllowedHere)
            run_in(folder, m.c, " where the kernel folds case");
}

// The sticks and cards people carry, mounted through FUSE: no RENAME_NOREPLACE, no hard links,
// names that fold case, and (fusefat) no folder renames that keep what a folder holds.
TEST(RemovableMedia, RenamesWithoutOverwritingAndByCase) {
    for (const tarvendi::testing::ImageFormat format :
         {tarvendi::testing::ImageFormat::Exfat, tarvendi::testing::ImageFormat::Fat}) {
        const bool fat = format == tarvendi::testing::ImageFormat::Fat;
        const std::string medium = fat ? " on FAT" : " on exFAT";
        tarvendi::testing::RemovableImage image(format);
        if (!image.mounted())
            GTEST_SKIP() << "no image mounted: " << image.why();
        EXPECT_TRUE(name_rules(image.path()).folds_case);
        EXPECT_TRUE(name_rules(image.path()).windows_names);
        for (MediaCase m : case_folding_cases()) {
            if (fat && m.folder && m.c.refusal == RenameRefusal::None) {
                m.c.refusal = RenameRefusal::Unsupported;
                m.c.after = m.c.before;
            }
            run_in(image.path(), m.c, medium);
        }

        // Many files renamed, each then refused onto the name of the next in both cases. (fusefat
        // slows down with every entry a folder holds: a few hundred take it seconds.)
        clear(image.path());
        std::filesystem::create_directory(image / "many");
        const int count = fat ? 150 : 2000;
        for (int i = 0; i < count; ++i)
            std::ofstream(image / ("many/f" + std::to_string(i))) << i;
        for (int i = 0; i < count; ++i) {
            const std::string name = "many/f" + std::to_string(i);
            ASSERT_TRUE(rename_entry(name, "many", "g" + std::to_string(i)).ok()) << name;
            if (i + 1 == count)
                continue;
            for (const char *next : {"f", "F"})
                EXPECT_EQ(
                    rename_entry("many/g" + std::to_string(i), "many", next + std::to_string(i + 1))
                        .refusal,
                    RenameRefusal::TargetExists)
                    << name << medium;
        }
        Entries expected{"many/"};
        for (int i = 0; i < count; ++i)
            expected.push_back("many/g" + std::to_string(i) + "=" + std::to_string(i));
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(snapshot(image.path()), expected) << medium;
    }
}

} // namespace
} // namespace tarvendi::platform
