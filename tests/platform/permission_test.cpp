// Renames where permissions decide, run as an ordinary user (root drops its powers for the
// rename) so that they hold in CI too.

#include "filesystem.h"
#include "temp_folder.h"
#include "unprivileged.h"

#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace tarvendi::platform {
namespace {

using testing::TempFolder;
using testing::Unprivileged;

// "f=content" a file, "d/" a folder; relative to the test folder.
using Entries = std::vector<std::string>;
using Modes = std::vector<std::pair<std::string, mode_t>>;

void build(const TempFolder &tmp, const Entries &entries) {
    for (const std::string &e : entries) {
        if (e.ends_with("/")) {
            tmp.folder(e.substr(0, e.size() - 1));
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
        entries.push_back(it.is_directory() ? rel + "/" : rel + "=" + tmp.read(rel));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

// A test folder that an ordinary user may enter; what it holds is owned by whoever runs.
struct SharedFolder : TempFolder {
    SharedFolder() { ::chmod(path().c_str(), 0755); }
};

// Skips the test where even an ordinary user may write into a folder without write permission.
std::string permissions_do_not_hold() {
    SharedFolder tmp;
    tmp.folder("ro");
    tmp.set_mode("ro", 0555);
    Unprivileged user;
    if (!user.error().empty())
        return user.error();
    if (testing::may_write_into(tmp / "ro"))
        return "this file system lets anyone write into a folder without write permission";
    return {};
}

TEST(RenameEntry, AsAnOrdinaryUser) {
    if (const std::string why = permissions_do_not_hold(); !why.empty())
        GTEST_SKIP() << why;
    struct Case {
        std::string what;
        Entries before;
        Modes modes; // applied in order after the entries exist
        std::string source;
        std::string folder;
        std::string new_name;
        RenameRefusal refusal;
        int errno_value;
        Entries after;
    };
    const std::vector<Case> cases = {
        {"folder without write permission",
         {"ro/", "ro/a=A"},
         {{"ro", 0555}},
         "ro/a",
         "ro",
         "b",
         RenameRefusal::Permission,
         EACCES,
         {"ro/", "ro/a=A"}},
        {"into a folder without write permission",
         {"rw/", "rw/a=A", "ro/"},
         {{"rw", 0777}, {"ro", 0555}},
         "rw/a",
         "ro",
         "a",
         RenameRefusal::Permission,
         EACCES,
         {"ro/", "rw/", "rw/a=A"}},
        {"folder that may not be searched",
         {"closed/", "closed/a=A"},
         {{"closed", 0666}},
         "closed/a",
         "closed",
         "b",
         RenameRefusal::Permission,
         EACCES,
         {"closed/", "closed/a=A"}},
        {"read-only file in a writable folder",
         {"rw/", "rw/a=A"},
         {{"rw/a", 0444}, {"rw", 0777}},
         "rw/a",
         "rw",
         "b",
         RenameRefusal::None,
         0,
         {"rw/", "rw/b=A"}},
        {"read-only folder in a writable folder",
         {"rw/", "rw/ro/", "rw/ro/x=X"},
         {{"rw/ro", 0555}, {"rw", 0777}},
         "rw/ro",
         "rw",
         "done",
         RenameRefusal::None,
         0,
         {"rw/", "rw/done/", "rw/done/x=X"}},
    };
    for (const Case &c : cases) {
        SharedFolder tmp;
        build(tmp, c.before);
        for (const auto &[name, mode] : c.modes)
            tmp.set_mode(name, mode);
        RenameResult result;
        {
            Unprivileged user;
            ASSERT_EQ(user.error(), "") << c.what;
            result = rename_entry(tmp / c.source, tmp / c.folder, c.new_name);
        }
        EXPECT_EQ(result.refusal, c.refusal) << c.what;
        EXPECT_EQ(result.errno_value, c.errno_value) << c.what;
        // The folders open up again so that the snapshot can look inside.
        for (const auto &[name, mode] : c.modes) {
            if (std::filesystem::is_directory(tmp / name))
                tmp.set_mode(name, 0755);
        }
        EXPECT_EQ(snapshot(tmp), c.after) << c.what;
    }
}

// In a folder with the sticky bit (like /tmp) only an entry's owner may rename it.
TEST(RenameEntry, StickyFolder) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user to set this up";
    if (const std::string why = permissions_do_not_hold(); !why.empty())
        GTEST_SKIP() << why;
    SharedFolder tmp;
    build(tmp, {"st/", "st/theirs=T", "st/mine=M"});
    tmp.set_mode("st", 01777);
    ASSERT_EQ(::chown((tmp / "st/mine").c_str(), Unprivileged::kNobody, Unprivileged::kNobody), 0);
    RenameResult theirs;
    RenameResult mine;
    {
        Unprivileged user;
        ASSERT_EQ(user.error(), "");
        theirs = rename_entry(tmp / "st/theirs", tmp / "st", "taken");
        mine = rename_entry(tmp / "st/mine", tmp / "st", "renamed");
    }
    EXPECT_EQ(theirs.refusal, RenameRefusal::Permission);
    EXPECT_EQ(theirs.errno_value, EPERM);
    EXPECT_TRUE(mine.ok());
    EXPECT_EQ(snapshot(tmp), (Entries{"st/", "st/renamed=M", "st/theirs=T"}));
}

} // namespace
} // namespace tarvendi::platform
