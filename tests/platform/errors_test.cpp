#include "error_reasons.h"
#include "errors.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <set>

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

TEST(IoError, SaysWhatWentWrongInWordsAndNamesThePath) {
    struct Case {
        int code;
        std::string path;
        std::string what;
    };
    const Case cases[] = {
        {ENOENT, "", "找不到文件"},
        {EACCES, "/tmp/中文", "没有权限：\"/tmp/中文\""},
        {EIO, "a.mp3", "磁盘读写出错：\"a.mp3\""},
        {4000, "a.mp3", "系统错误 4000：\"a.mp3\""},
    };
    for (const Case &c : cases) {
        const IoError e(c.code, c.path);
        EXPECT_STREQ(e.what(), c.what.c_str());
        EXPECT_EQ(e.code(), c.code);
    }
}

// The errors a rename or a write meets each read as words of their own in both languages, and
// the English is found again from the Chinese text; a code without words still reads as one.
TEST(ErrorReasons, EveryCommonCodeHasWordsOfItsOwn) {
    const int codes[] = {ENOENT,    EEXIST,       EACCES, EPERM,  EROFS, EBUSY,   EINVAL,
                         EXDEV,     ENAMETOOLONG, ENOSPC, EIO,    ELOOP, ENOTDIR, EISDIR,
                         ENOTEMPTY, ETXTBSY,      EMLINK, EDQUOT, EPIPE};
    std::set<std::string_view> chinese, english;
    for (const int code : codes) {
        const ErrorWords words = error_words(code);
        EXPECT_FALSE(words.chinese.empty()) << code;
        EXPECT_EQ(error_reason(code), words.chinese);
        EXPECT_EQ(english_error_reason(error_reason(code)), words.english);
        chinese.insert(words.chinese);
        english.insert(words.english);
    }
    EXPECT_EQ(chinese.size(), std::size(codes));
    EXPECT_EQ(english.size(), std::size(codes));
    EXPECT_EQ(error_reason(4000), "系统错误 4000");
    EXPECT_EQ(english_error_reason("系统错误 4000"), "system error 4000");
    EXPECT_EQ(english_error_reason("系统错误 4x"), "");
    EXPECT_EQ(english_error_reason("not a reason"), "");
}

} // namespace
} // namespace tarvendi::platform
