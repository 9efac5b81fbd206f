#include "errors.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace tarvendi::platform {
namespace {

TEST(ConversionError, QuotesTheFieldText) {
    struct Case {
        std::string field;
        std::string what;
    };
    const Case cases[] = {
        {"abc", "'abc' is not a valid integer value"},
        {"", "'' is not a valid integer value"},
        {" 12x", "' 12x' is not a valid integer value"},
        {"十", "'十' is not a valid integer value"},
    };
    for (const Case &c : cases)
        EXPECT_STREQ(ConversionError(c.field).what(), c.what.c_str());
}

TEST(IoError, GivesCodeReasonAndPath) {
    struct Case {
        int code;
        std::string path;
        std::string what;
    };
    const Case cases[] = {
        {ENOENT, "", "I/O error 2: No such file or directory"},
        {EACCES, "/tmp/中文", "I/O error 13: Permission denied \"/tmp/中文\""},
        {EIO, "a.mp3", "I/O error 5: Input/output error \"a.mp3\""},
    };
    for (const Case &c : cases) {
        const IoError e(c.code, c.path);
        EXPECT_STREQ(e.what(), c.what.c_str());
        EXPECT_EQ(e.code(), c.code);
    }
}

} // namespace
} // namespace tarvendi::platform
