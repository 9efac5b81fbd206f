#include "errors.h"
#include "temp_folder.h"
#include "text_file.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace tarvendi::platform {
namespace {

using testing::TempFolder;

TEST(WriteFile, HoldsExactlyTheBytes) {
    struct Case {
        const char *why;
        std::string before; // empty: no file before
        std::string bytes;
    };
    const Case cases[] = {
        {"created", "", "a\r\nb"},
        {"replaced, longer before", "0123456789", "xy"},
        {"emptied", "old", ""},
        {"binary bytes kept", "", std::string("\0\xFF\r\n", 4)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.why);
        TempFolder tmp;
        if (!c.before.empty())
            tmp.file("list.txt", c.before);
        write_file(tmp / "list.txt", c.bytes);
        EXPECT_EQ(tmp.read("list.txt"), c.bytes);
    }
}

TEST(WriteFile, Gb18030PathAndRelativePath) {
    TempFolder tmp;
    write_file(tmp / "\xC3\xFB\xB5\xA5.txt", "x"); // 名单.txt
    EXPECT_EQ(tmp.read("名单.txt"), "x");
    std::filesystem::current_path(tmp.path());
    write_file("here.txt", "y");
    EXPECT_EQ(tmp.read("here.txt"), "y");
}

TEST(WriteFile, FailsNamingThePath) {
    TempFolder tmp;
    tmp.folder("sub");
    struct Case {
        std::string path;
        int code;
        std::string what; // checked when not empty
    };
    const Case cases[] = {
        {tmp / "sub", EISDIR, "这是一个文件夹：\"" + tmp / "sub\""},
        {tmp / "missing/list.txt", ENOENT, "找不到文件：\"" + tmp / "missing/list.txt\""},
        {tmp / "a\xFE\x39\x8D\x37.txt", EILSEQ, "名称无法转换编码：\"" + tmp / "a\\xFF.txt\""},
        {"", ENOENT, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        try {
            write_file(c.path, "x");
            ADD_FAILURE() << "written";
        } catch (const IoError &e) {
            EXPECT_EQ(e.code(), c.code);
            if (!c.what.empty()) {
                EXPECT_EQ(e.what(), c.what);
            }
        }
    }
    EXPECT_FALSE(std::filesystem::exists(tmp / "missing"));
}

TEST(WriteFile, RefusedInAFolderWithoutWritePermission) {
    TempFolder tmp;
    tmp.folder("locked");
    tmp.set_mode("locked", 0555);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into any folder";
    try {
        write_file(tmp / "locked/list.txt", "x");
        ADD_FAILURE() << "written";
    } catch (const IoError &e) {
        EXPECT_EQ(e.code(), EACCES);
    }
}

} // namespace
} // namespace tarvendi::platform
