#include "photo_date.h"
#include "temp_folder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>

namespace tarvendi::platform {
namespace {

using testing::TempFolder;

const std::string kPhotos = TARVENDI_PHOTO_DATA;

// "yyyymmdd hh.nn.ss", or "none".
std::string shown(const std::optional<rules::Timestamp> &t) {
    if (!t)
        return "none";
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d %02d.%02d.%02d", t->year, t->month, t->day,
                  t->hour, t->minute, t->second);
    return text;
}

struct Case {
    std::string file; // in the photos folder
    std::string taken;
};

const Case kFixtures[] = {
    {"original.jpg", "20190504 10.20.31"},         // DateTimeOriginal before the others
    {"digitized.jpg", "20160708 09.10.11"},        // then DateTimeDigitized before XMP
    {"xmp_only.jpg", "20151231 23.59.57"},         // the wall clock, its time zone not applied
    {"unknown_original.jpg", "20130303 13.13.13"}, // an unknown original date is passed over
    {"original.png", "20120607 08.09.10"},
    {"no_date.jpg", "none"}, // the date of the last edit is not the date taken
    {"truncated.jpg", "none"},
};

TEST(PhotoTakenTime, FromFilesAndTheirBytes) {
    for (const Case &c : kFixtures) {
        SCOPED_TRACE(c.file);
        const std::string path = kPhotos + "/" + c.file;
        EXPECT_EQ(shown(photo_taken_time(path)), c.taken);
        std::ifstream in(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(shown(photo_taken_time(reinterpret_cast<const unsigned char *>(bytes.data()),
                                         bytes.size())),
                  c.taken);
    }
}

// Nothing that is not a readable photo gives a date, and nothing waits for a writer.
TEST(PhotoTakenTime, NoneFromWhatIsNoPhoto) {
    TempFolder tmp;
    std::filesystem::copy_file(kPhotos + "/original.jpg", tmp / "照片.jpg");
    std::filesystem::create_directory(tmp / "sub.jpg");
    ASSERT_EQ(::mkfifo((tmp / "pipe.jpg").c_str(), 0644), 0);
    tmp.file("text.jpg", "not a photo at all");
    tmp.file("empty.jpg", "");
    // 照片.jpg in GB18030, as names reach the platform.
    EXPECT_EQ(shown(photo_taken_time(tmp.path() + "/\xd5\xd5\xc6\xac.jpg")), "20190504 10.20.31");
    for (const char *name : {"sub.jpg", "pipe.jpg", "text.jpg", "empty.jpg", "missing.jpg"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(shown(photo_taken_time(tmp / name)), "none");
    }
    EXPECT_EQ(shown(photo_taken_time(nullptr, 0)), "none");
}

TEST(PhotoTimeFromText, Table) {
    const struct {
        std::string_view text;
        std::string taken;
    } cases[] = {
        {"2019:05:04 10:20:31", "20190504 10.20.31"},
        {"2019-05-04T10:20:31+02:00", "20190504 10.20.31"},
        {"2019-05-04T10:20:31.250Z", "20190504 10.20.31"},
        {"2019-05-04T10:20", "20190504 10.20.00"},
        {"2016:12:31 23:59:60", "20161231 23.59.59"},
        {"2020:02:29 00:00:00", "20200229 00.00.00"},
        {"1965:07:01 12:00:00", "19650701 12.00.00"},
        {"2019-05-04", "none"},
        {"0000:00:00 00:00:00", "none"},
        {"    :  :     :  :  ", "none"},
        {"2019:02:29 10:00:00", "none"},
        {"2019:13:01 10:00:00", "none"},
        {"2019:05:04 24:00:00", "none"},
        {"2019:05:04 10:60:00", "none"},
        {"2019:05:04 10:20:3", "none"},
        {"0999:05:04 10:20:31", "none"},
        {"20190504 102031", "none"},
        {"", "none"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(shown(photo_time_from_text(c.text)), c.taken);
    }
}

} // namespace
} // namespace tarvendi::platform
