#include "list_rename.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvendi::rules {
namespace {

struct ListCase {
    const char *why;
    std::string_view old_name;
    std::string_view line;
    std::string_view tmpl;
    std::int32_t counter;
    bool directory_mode;
    std::string expected;
};

TEST(ListRename, Table) {
    const ListCase cases[] = {
        {"line and old extension", "a.mp3", "Intro", "", 1, false, "Intro.mp3"},
        {"blank inside the line stays", "b.mp3", "Song 2", "", 2, false, "Song 2.mp3"},
        {"numbered", "a.mp3", "Intro", "##-", 9, false, "09-Intro.mp3"},
        {"numbered, next", "b.mp3", "Song 2", "##-", 10, false, "10-Song 2.mp3"},
        {"only the right-most digits", "a.mp3", "Intro", "##-", 100, false, "00-Intro.mp3"},
        {"line with its own extension", "a.mp3", "Intro.wav", "", 1, false, "Intro.wav.mp3"},
        {"blank line", "a.mp3", "", "", 1, false, ".mp3"},
        {"blank line numbered", "a.mp3", "  ", "##-", 1, false, "01-.mp3"},
        {"line trimmed", "a.mp3", "  x \r", "", 1, false, "x.mp3"},
        {"template trimmed", "a.mp3", "x", "  ##-  ", 1, false, "01-x.mp3"},
        {"blank template does not number", "a.mp3", "x", "   ", 1, false, "x.mp3"},
        {"directory mode appends nothing", "old", "new.part", "", 1, true, "new.part"},
        {"directory mode ignores a dot", "old.d", "new", "##-", 4, true, "04-new"},
        {"extension from a full path", "/music/a.mp3", "b", "", 1, false, "b.mp3"},
        // 出水莲 as the line
        {"Chinese line", "a.mp3", "\xB3\xF6\xCB\xAE\xC1\xAB", "", 1, false,
         "\xB3\xF6\xCB\xAE\xC1\xAB.mp3"},
    };
    for (const ListCase &c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(list_rename(c.old_name, c.line, c.tmpl, c.counter, c.directory_mode), c.expected);
    }
}

struct NumbersCase {
    std::string_view tmpl;
    bool expected;
};

TEST(ListRenameNumbers, OnlyANonBlankTemplateNumbers) {
    const NumbersCase cases[] = {{"", false}, {"  \t", false}, {"##-", true}, {" x ", true}};
    for (const NumbersCase &c : cases) {
        SCOPED_TRACE(c.tmpl);
        EXPECT_EQ(list_rename_numbers(c.tmpl), c.expected);
    }
}

} // namespace
} // namespace tarvendi::rules
