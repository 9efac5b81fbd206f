#include "errors.h"
#include "file_io.h"
#include "temp_folder.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <variant>

namespace tarvendi::platform {
namespace {

using testing::TempFolder;

constexpr std::string_view kDigits = "0123456789";

// A file, a folder, a FIFO that nothing writes to (an open that waited for a writer would hang
// on it) and a socket, which cannot be opened at all.
void make_entries_of_each_kind(TempFolder &tmp) {
    tmp.file("a.mp3", kDigits);
    tmp.folder("sub");
    ASSERT_EQ(mkfifo((tmp / "pipe.mp3").c_str(), 0644), 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socket_path = tmp / "socket.mp3";
    socket_path.copy(address.sun_path, sizeof address.sun_path - 1);
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    ::close(s);
}

// The error code of the IoError that f throws, or 0 when it throws none.
template <class F> int io_error_code(F f) {
    try {
        f();
    } catch (const IoError &e) {
        return e.code();
    }
    return 0;
}

TEST(FileOpen, FailsWithoutCreating) {
    TempFolder tmp;
    make_entries_of_each_kind(tmp);
    struct Case {
        std::string path; // GB18030
        File::Mode mode;
        int code;
        std::string what;
    };
    const Case cases[] = {
        {tmp / "missing.mp3", File::Mode::ReadWrite, ENOENT,
         "找不到文件：\"" + tmp / "missing.mp3\""},
        {tmp / "missing.mp3", File::Mode::Read, ENOENT, ""},
        {tmp / "sub", File::Mode::Read, EISDIR, ""},
        {tmp / "pipe.mp3", File::Mode::Read, File::kNotRegularFile, ""},
        {tmp / "pipe.mp3", File::Mode::ReadWrite, File::kNotRegularFile, ""},
        {tmp / "socket.mp3", File::Mode::Read, File::kNotRegularFile, ""},
        {"/dev/null", File::Mode::ReadWrite, File::kNotRegularFile, ""},
        {tmp / "a\xFE\x39\x81\x30.mp3", File::Mode::Read, EILSEQ,
         "名称无法转换编码：\"" + tmp / "a\\x80.mp3\""},
    };
    for (const Case &c : cases) {
        try {
            File f(c.path, c.mode);
            ADD_FAILURE() << c.path << " opened";
        } catch (const IoError &e) {
            EXPECT_EQ(e.code(), c.code) << c.path;
            if (!c.what.empty()) {
                EXPECT_EQ(e.what(), c.what);
            }
        }
    }
    EXPECT_FALSE(std::filesystem::exists(tmp / "missing.mp3"));
}

// The tail of a file by its end, whatever the file is: nothing to read is an empty tail, never a
// wait, and a folder or a missing file is an error.
TEST(ReadFileTail, ReadsTheEndOrNothing) {
    TempFolder tmp;
    make_entries_of_each_kind(tmp);
    const struct {
        std::string path;
        std::size_t n;
        std::variant<std::string, int> result; // the tail, or the error code
    } cases[] = {
        {tmp / "a.mp3", 3, std::string("789")}, {tmp / "a.mp3", 10, std::string(kDigits)},
        {tmp / "a.mp3", 11, std::string()}, // shorter than a tag
        {tmp / "pipe.mp3", 3, std::string()},   {tmp / "socket.mp3", 3, std::string()},
        {"/dev/null", 3, std::string()},        {tmp / "sub", 3, EISDIR},
        {tmp / "missing.mp3", 3, ENOENT},
    };
    for (const auto &c : cases) {
        std::string got;
        const int code = io_error_code([&] { got = read_file_tail(c.path, c.n); });
        if (const int *want = std::get_if<int>(&c.result))
            EXPECT_EQ(code, *want) << c.path;
        else
            EXPECT_EQ(got, std::get<std::string>(c.result)) << c.path << " " << code;
    }
}

TEST(FileOpen, OpensGb18030Path) {
    TempFolder tmp;
    tmp.file("中文.mp3", kDigits);
    File f(tmp.path() + "/\xD6\xD0\xCE\xC4.mp3", File::Mode::ReadWrite);
    EXPECT_EQ(f.size(), 10);
}

TEST(FileOpen, ReadOnlyFileOnlyForReading) {
    TempFolder tmp;
    tmp.file("ro.mp3", kDigits);
    tmp.set_mode("ro.mp3", 0444);
    File reader(tmp / "ro.mp3", File::Mode::Read);
    EXPECT_EQ(reader.read(3), "012");
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    EXPECT_EQ(io_error_code([&] { File f(tmp / "ro.mp3", File::Mode::ReadWrite); }), EACCES);
}

TEST(FileRead, ReadsExactlyAtPosition) {
    struct Case {
        std::int64_t offset;
        std::size_t n;
        std::variant<std::string, int> result; // the bytes, or the error code
    };
    const Case cases[] = {
        {0, 4, std::string("0123")},
        {7, 3, std::string("789")},
        {10, 0, std::string()},
        {8, 3, EIO}, // short read
        {12, 1, EIO},
        {-1, 1, EINVAL},
        {-128, 128, EINVAL}, // a tag read in a file shorter than a tag
    };
    for (const Case &c : cases) {
        TempFolder tmp;
        tmp.file("a.mp3", kDigits);
        File f(tmp / "a.mp3", File::Mode::Read);
        std::string got;
        const int code = io_error_code([&] {
            f.seek(c.offset);
            got = f.read(c.n);
        });
        if (const int *want = std::get_if<int>(&c.result)) {
            EXPECT_EQ(code, *want) << c.offset;
            // The failure closed the file.
            EXPECT_EQ(io_error_code([&] { f.size(); }), EBADF) << c.offset;
        } else {
            EXPECT_EQ(code, 0) << c.offset;
            EXPECT_EQ(got, std::get<std::string>(c.result)) << c.offset;
        }
    }
}

TEST(FileWrite, WritesAtPosition) {
    struct Case {
        std::int64_t offset;
        std::string bytes;
        std::string content;
    };
    const Case cases[] = {
        {4, "AB", "0123AB6789"},
        {0, "", "0123456789"},
        {8, "XYZ", "01234567XYZ"},
        {10, "XY", "0123456789XY"},
        {12, "Z", std::string("0123456789\0\0Z", 13)},
    };
    for (const Case &c : cases) {
        TempFolder tmp;
        tmp.file("a.mp3", kDigits);
        File f(tmp / "a.mp3", File::Mode::ReadWrite);
        f.seek(c.offset);
        f.write(c.bytes);
        EXPECT_EQ(f.size(), static_cast<std::int64_t>(c.content.size()));
        f.close();
        EXPECT_EQ(tmp.read("a.mp3"), c.content) << c.offset;
    }
}

TEST(FileWrite, FailsOnFileOpenedForReading) {
    TempFolder tmp;
    tmp.file("a.mp3", kDigits);
    File f(tmp / "a.mp3", File::Mode::Read);
    EXPECT_EQ(io_error_code([&] { f.write("x"); }), EBADF);
    EXPECT_EQ(tmp.read("a.mp3"), kDigits);
}

TEST(FileTruncate, CutsAtPosition) {
    struct Case {
        std::int64_t offset;
        std::string content;
    };
    const Case cases[] = {
        {5, "01234"},
        {0, ""},
        {10, "0123456789"},
        {12, std::string("0123456789\0\0", 12)},
    };
    for (const Case &c : cases) {
        TempFolder tmp;
        tmp.file("a.mp3", kDigits);
        File f(tmp / "a.mp3", File::Mode::ReadWrite);
        f.seek(c.offset);
        f.truncate();
        f.close();
        EXPECT_EQ(tmp.read("a.mp3"), c.content) << c.offset;
    }
}

TEST(FileTruncate, AfterWriteCutsAtItsEnd) {
    TempFolder tmp;
    tmp.file("a.mp3", kDigits);
    File f(tmp / "a.mp3", File::Mode::ReadWrite);
    f.seek(2);
    f.write("AB");
    f.truncate();
    f.close();
    EXPECT_EQ(tmp.read("a.mp3"), "01AB");
}

TEST(FileClose, ClosedFileRefusesWork) {
    TempFolder tmp;
    tmp.file("a.mp3", kDigits);
    File f(tmp / "a.mp3", File::Mode::ReadWrite);
    f.close();
    f.close();
    EXPECT_EQ(io_error_code([&] { f.size(); }), EBADF);
    EXPECT_EQ(io_error_code([&] { f.seek(0); }), EBADF);
    EXPECT_EQ(io_error_code([&] { f.read(1); }), EBADF);
    EXPECT_EQ(io_error_code([&] { f.write("x"); }), EBADF);
    EXPECT_EQ(io_error_code([&] { f.truncate(); }), EBADF);
    EXPECT_EQ(tmp.read("a.mp3"), kDigits);
}

} // namespace
} // namespace tarvendi::platform
