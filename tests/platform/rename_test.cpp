#include "filesystem.h"
#include "safe_rename.h"
#include "temp_folder.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace tarvendi::platform {
namespace {

using testing::TempFolder;

// Entries of a test folder, one string each: "f=content" a file, "d/" a folder, "l->target" a
// symbolic link; in a set-up, "h=>f" makes h a hard link of f.
using Entries = std::vector<std::string>;

void build(const TempFolder &tmp, const Entries &entries) {
    for (const std::string &e : entries) {
        if (e.ends_with("/")) {
            tmp.folder(e.substr(0, e.size() - 1));
        } else if (const std::size_t arrow = e.find("->"); arrow != std::string::npos) {
            tmp.make_link(e.substr(arrow + 2), e.substr(0, arrow));
        } else if (const std::size_t hard = e.find("=>"); hard != std::string::npos) {
            ASSERT_EQ(::link((tmp / e.substr(hard + 2)).c_str(), (tmp / e.substr(0, hard)).c_str()),
                      0);
        } else {
            const std::size_t eq = e.find('=');
            tmp.file(e.substr(0, eq), e.substr(eq + 1));
        }
    }
}

Entries snapshot(const TempFolder &tmp) {
    Entries entries;
    for (const auto &it : std::filesystem::recursive_directory_iterator(tmp.path())) {
        const std::string rel = it.path().lexically_relative(tmp.path()).string();
        if (it.is_symlink())
            entries.push_back(rel + "->" + std::filesystem::read_symlink(it.path()).string());
        else if (it.is_directory())
            entries.push_back(rel + "/");
        else
            entries.push_back(rel + "=" + tmp.read(rel));
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

std::string expand(std::string text, const TempFolder &tmp) {
    if (const std::size_t at = text.find("{tmp}"); at != std::string::npos)
        text.replace(at, 5, tmp.path());
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

void run(const Case &c, const std::function<RenameResult(const TempFolder &)> &rename) {
    TempFolder tmp;
    build(tmp, c.before);
    set_current_folder(tmp.path());
    const RenameResult result = rename(tmp);
    EXPECT_EQ(result.refusal, c.refusal) << c.what;
    EXPECT_EQ(result.ok(), c.refusal == RenameRefusal::None) << c.what;
    EXPECT_EQ(snapshot(tmp), c.after) << c.what;
}

TEST(RenameEntry, NeverOverwrites) {
    for (const Case &c : common_cases()) {
        run(c, [&](const TempFolder &tmp) {
            return rename_entry(c.source, expand(c.folder, tmp), c.new_name);
        });
    }
}

TEST(RenameWithoutNoreplace, NeverOverwrites) {
    for (const Case &c : common_cases()) {
        run(c, [&](const TempFolder &tmp) {
            const std::string folder = expand(c.folder, tmp);
            return rename_without_noreplace(c.source, folder.empty() ? c.new_name
                                                                     : folder + "/" + c.new_name);
        });
    }
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
    for (const Case &c : cases) {
        run(c, [&](const TempFolder &tmp) {
            return rename_entry(c.source, expand(c.folder, tmp), c.new_name);
        });
    }
}

TEST(RenameEntry, NameThatIsNotUtf8StaysWhereItIs) {
    // Both names show as "caf�.mp3" in the lists; the one that is not UTF-8 lists with the
    // marker of its byte 0xE9 and never converts back, so no rename of it can reach the other file.
    TempFolder tmp;
    build(tmp, {"caf\xE9.mp3=latin", "caf\xEF\xBF\xBD.mp3=valid"});
    set_current_folder(tmp.path());
    const Entries before = snapshot(tmp);
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
        EXPECT_EQ(snapshot(tmp), before);
    }
}

// Only where every name is its own entry may renames of different names run side by side.
TEST(NamesExact, OnlyWhereNoNameFoldsIntoAnother) {
    const std::pair<std::string, bool> cases[] = {
        {"/dev/shm", true},         // tmpfs
        {"/proc", false},           // not a file system for files
        {"/no/such/folder", false}, // nothing to ask
    };
    for (const auto &[folder, exact] : cases)
        EXPECT_EQ(names_exact(folder), exact) << folder;
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
        {{RenameRefusal::Other, EXDEV}, "Invalid cross-device link"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(refusal_text(c.result), c.text);
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

} // namespace
} // namespace tarvendi::platform
