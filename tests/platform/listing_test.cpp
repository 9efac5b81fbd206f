#include "errors.h"
#include "filesystem.h"
#include "listing.h"
#include "temp_folder.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tarvendi::platform {
namespace {

using testing::TempFolder;

TEST(MaskMatches, PatternsWalkCharacters) {
    struct Case {
        std::string mask;
        std::string name; // GB18030
        bool matches;
    };
    const Case cases[] = {
        {"*.*", "a.txt", true},
        {"*.*", "README", true},
        {"*.*", ".hidden", true},
        {"*.*", "\xD6\xD0", true},
        {"*", "README", true},
        {"**.*", "a", true},
        {".*", "a", false},
        {"*.MP3", "a.mp3", true},
        {"*.mp3", "A.MP3", true},
        {"*.MP3", ".mp3", true},
        {"*.MP3", "a.mp3x", false},
        {"*.MP3", "mp3", false},
        {"*.MP3", "\xD6\xD0\xCE\xC4.mp3", true},
        {"*.MP3;*.wma;*.wav", "b.WMA", true},
        {"*.MP3;*.wma;*.wav", "c.wav", true},
        {"*.MP3;*.wma;*.wav", "c.ogg", false},
        {"*.RMVB;*.RM", "x.rm", true},
        {"*.RMVB;*.RM", "x.rmv", false},
        {"*.txt;", "a.doc", false},
        {";*.doc", "a.doc", true},
        {"", "a", false},
        {"readme.*", "README", true},
        {"readme.*", "readme.txt", true},
        {"readme.*", "readmes", false},
        {"a?c", "abc", true},
        {"a?c", "ac", false},
        {"a?c", "abbc", false},
        {"a?c", "a\xD6\xD0\x63", true}, // "?" takes a whole Chinese character
        {"a??c", "a\xD6\xD0\x63", false},
        {"?.txt", "\x94\x39\xFC\x36.txt", true}, // and a whole four-byte character
        {"??.txt", "\x94\x39\xFC\x36.txt", false},
        {"\xD6\xD0*", "\xD6\xD0\xCE\xC4.mp3", true},
        {"*\xCE\xC4*", "\xD6\xD0\xCE\xC4.txt", true},
        {"*\xD0\xCE*", "\xD6\xD0\xCE\xC4.txt", false}, // halves of two characters
        {"*\x82\x30\x95\x32*", "\x95\x33\x82\x30\x95\x32\x82\x36", false}, // 㕭 in 𠓦𠀀
        {"*Z*", "\xD5\x5A.txt", false}, // "Z" is the second byte of 語
        {"*z*", "\xD5\x5A.txt", false},
        {"\xD5\x7A", "\xD5\x5A", false}, // no case inside a character
        {"*Z*", "aZ", true},
        {"a*b*c", "aXbYc", true},
        {"a*b*c", "aXbY", false},
        {"*.ab", "x.ab.ab", true},
        {"*a*a", "aaa", true},
        {"*a*a", "ab", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(mask_matches(c.mask, c.name), c.matches) << c.mask << " " << c.name;
}

TEST(NameLess, CaseInsensitiveThenBytes) {
    struct Case {
        std::string a;
        std::string b;
        bool less;
    };
    const Case cases[] = {
        {"a", "B", true},
        {"B", "a", false},
        {"A", "a", true}, // same without case: byte order decides
        {"a", "A", false},
        {"a", "a", false},
        {"ab", "abc", true},
        {"Ab", "abc", true},
        {"abc", "AB", false},
        {"_x", "ax", true},
        {"Zeta", "alpha", false},
        {"[.]", "[a]", true},
        {"\xB0\xA2", "\xD6\xD0", true}, // 阿 before 中: pinyin order of GBK
        {"\xD6\xD0", "\xB0\xA2", false},
        {"z", "\xB0\xA2", true},
        {"caf\xFE\x39\x8B\x35", "\xD6\xD0", true}, // listed from disk "caf\xE9"
        // Long shared beginnings, compared eight bytes at a time.
        {"track 000001.mp3", "track 000002.mp3", true},
        {"track 000002.mp3", "track 000001.mp3", false},
        {"shared beginning X", "shared beginning y", true},
        {"shared beginning A", "shared beginning a", true},
        {"shared beginning", "shared beginning!", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(name_less(c.a, c.b), c.less) << c.a << " < " << c.b;
}

// Sorting a listing decides most comparisons on eight bytes held beside each entry: its order
// must still be name_less's, for names that share beginnings, end inside those bytes, differ
// only in case, or hold two-byte characters.
TEST(ListingSort, OrdersAsNameLess) {
    const std::vector<std::vector<std::string>> folders = {
        {"Track 10.mp3", "track 1.mp3", "track 01.mp3", "TRACK", "track", "track 1", "tracks"},
        {"b", "A", "a", "B", "ab", "Ab", "\xB0\xA2", "\xD6\xD0", "z\xB0\xA2", "_"},
        {"same prefix here x", "same prefix here Y", "same prefix here", "same prefix HERE z",
         "same prefix here xx", "same prefix h"},
    };
    for (const auto &names : folders) {
        Listing listing;
        for (std::size_t round = 0; round < 3; ++round)
            for (const std::string &name : names)
                listing.add(name + std::string(round, '~'), false);
        listing.sort(NameOrder::Text);
        for (std::size_t i = 1; i < listing.size(); ++i)
            EXPECT_FALSE(name_less(listing[i].name, listing[i - 1].name))
                << listing[i - 1].name << " before " << listing[i].name;
    }
}

// Numbers by value: "2" before "10", digits inside four-byte characters are no numbers, and
// names equal by value still get a total order.
TEST(NameLess, NumbersByTheirValue) {
    const struct {
        std::string a, b;
        bool less;
    } cases[] = {
        {"2", "10", true},
        {"10", "2", false},
        {"track9.mp3", "track10.mp3", true},
        {"Track9", "track10", true},
        {"a2b", "a10b", true},
        {"a10b", "a2c", false},
        {"7", "007", false}, // equal by value: the text order decides ("0" < "7")
        {"007", "7", true},
        {"x", "x1", true},
        {"\x81\x30\x89\x38", "\x81\x30\x81\x39", false}, // bytes, not numbers
        {"\x81\x30\x81\x39", "\x81\x30\x89\x38", true},
        {"\xB0\xA2"
         "2",
         "\xB0\xA2"
         "10",
         true},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(name_less(c.a, c.b, NameOrder::Numbers), c.less) << c.a << " " << c.b;
        EXPECT_FALSE(name_less(c.a, c.a, NameOrder::Numbers)) << c.a;
    }
    EXPECT_TRUE(name_less("10", "2")); // the text order stays as it was
}

// A folder with every kind of entry. On disk the names are UTF-8, except one Latin-1 name.
class ListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char *name : {"b.MP3", "A.mp3", "c.txt", "README", ".hidden", "ro.txt",
                                 "中文.mp3", "阿.txt", "caf\xE9.mp3"})
            tmp.file(name, "");
        tmp.set_mode("ro.txt", 0444);
        for (const char *name : {"sub", ".hid_dir", "中", "x.mp3"})
            tmp.folder(name);
        tmp.make_link("sub", "link_dir");
        tmp.make_link("c.txt", "link_file");
        tmp.make_link("missing", "dangling");
        tmp.make_link("ro.txt", "ro_link");
    }
    TempFolder tmp;
};

TEST_F(ListingTest, ListFolderByMaskAndKind) {
    struct Case {
        std::string mask;
        EntryKinds kinds;
        std::vector<std::string> texts; // GB18030, in list order
    };
    const Case cases[] = {
        {"*.*",
         EntryKinds::Files,
         {".hidden", "A.mp3", "b.MP3", "c.txt", "caf\xFE\x39\x8B\x35.mp3", "dangling", "link_file",
          "README", "ro.txt", "ro_link", "\xB0\xA2.txt", "\xD6\xD0\xCE\xC4.mp3"}},
        {"*.MP3",
         EntryKinds::Files,
         {"A.mp3", "b.MP3", "caf\xFE\x39\x8B\x35.mp3", "\xD6\xD0\xCE\xC4.mp3"}},
        {"*.txt;README", EntryKinds::Files, {"c.txt", "README", "ro.txt", "\xB0\xA2.txt"}},
        {"?.txt", EntryKinds::Files, {"c.txt", "\xB0\xA2.txt"}},
        {"*.doc", EntryKinds::Files, {}},
        {"*.*",
         EntryKinds::Folders,
         {".hidden", "[..]", "[.]", "[.hid_dir]", "[link_dir]", "[sub]", "[x.mp3]", "[\xD6\xD0]",
          "ro.txt", "ro_link"}},
        {"*.MP3", EntryKinds::Folders, {"[x.mp3]"}},
        {"*.txt", EntryKinds::Folders, {"ro.txt"}},
        {"r*", EntryKinds::Folders, {"ro.txt", "ro_link"}},
        {"\xD6\xD0", EntryKinds::Folders, {"[\xD6\xD0]"}},
    };
    for (const Case &c : cases) {
        std::vector<std::string> texts;
        for (const Entry &e : list_folder(tmp.path(), c.mask, c.kinds)) {
            texts.push_back(e.text());
            EXPECT_EQ(e.is_folder, e.text().starts_with("[")) << e.text();
        }
        EXPECT_EQ(texts, c.texts) << c.mask;
    }
}

TEST_F(ListingTest, EmptyFolderMeansCurrentDirectory) {
    set_current_folder(tmp.path() + "/\xD6\xD0");
    tmp.file("中/a.mp3", "");
    const Listing entries = list_folder("", "*.*", EntryKinds::Files);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].text(), "a.mp3");
}

TEST_F(ListingTest, ListSubfolders) {
    EXPECT_EQ(list_subfolders(tmp.path(), false),
              (std::vector<std::string>{"link_dir", "sub", "x.mp3", "\xD6\xD0"}));
    EXPECT_EQ(list_subfolders(tmp.path(), true),
              (std::vector<std::string>{".hid_dir", "link_dir", "sub", "x.mp3", "\xD6\xD0"}));
}

TEST(ListFolder, RootHasWhatReaddirGives) {
    const Listing entries = list_folder("/", "*.*", EntryKinds::Folders);
    const auto has = [&](std::string_view text) {
        return std::any_of(entries.begin(), entries.end(),
                           [&](const Entry &e) { return e.text() == text && e.is_folder; });
    };
    EXPECT_TRUE(has("[.]"));
    EXPECT_TRUE(has("[..]"));
    EXPECT_TRUE(has("[tmp]"));
}

TEST(ListFolder, UnreadableFolderThrows) {
    TempFolder tmp;
    tmp.folder("closed");
    tmp.set_mode("closed", 0);
    struct Case {
        std::string folder;
        int code;
    };
    std::vector<Case> cases = {
        {tmp / "missing", ENOENT},
        // listed from disk "\xFF"
        {tmp / "\xFE\x39\x8D\x37", EILSEQ},
    };
    if (geteuid() != 0)
        cases.push_back({tmp / "closed", EACCES});
    for (const Case &c : cases) {
        for (int subfolders = 0; subfolders < 2; ++subfolders) {
            try {
                if (subfolders)
                    list_subfolders(c.folder, true);
                else
                    list_folder(c.folder, "*.*", EntryKinds::Files);
                ADD_FAILURE() << c.folder << " listed";
            } catch (const IoError &e) {
                EXPECT_EQ(e.code(), c.code) << c.folder;
                EXPECT_NE(std::string(e.what()).find(tmp.path()), std::string::npos) << e.what();
            }
        }
    }
}

// The names of the folder listed last are kept while it stays as read: every change made after
// the listing, by whatever way, shows in the next call.
std::vector<std::string> sorted_disk_names(const std::string &folder) {
    const std::string all = *disk_names(folder);
    std::vector<std::string> out;
    for (std::size_t at = 0; at < all.size(); at = all.find('\0', at) + 1)
        out.emplace_back(all.c_str() + at);
    std::sort(out.begin(), out.end());
    return out;
}

TEST(DiskNames, KeptOnlyWhileTheFolderStaysAsRead) {
    TempFolder dir;
    dir.file("a");
    dir.folder("sub");
    const auto names = [&] {
        return sorted_disk_names(dir.path());
    };
    using Names = std::vector<std::string>;
    list_folder(dir.path(), "*.*", EntryKinds::Files); // the file list reads the folder
    EXPECT_EQ(names(), (Names{"a", "sub"}));
    dir.file("b");
    EXPECT_EQ(names(), (Names{"a", "b", "sub"}));
    EXPECT_EQ(names(), (Names{"a", "b", "sub"}));
    ASSERT_EQ(::rename((dir / "a").c_str(), (dir / "c").c_str()), 0);
    EXPECT_EQ(names(), (Names{"b", "c", "sub"}));
    dir.file("sub/inner"); // inside a sub-folder: no name of this folder changes
    ASSERT_EQ(::unlink((dir / "b").c_str()), 0);
    EXPECT_EQ(names(), (Names{"c", "sub"}));
    TempFolder other;
    EXPECT_TRUE(disk_names(other.path())->empty());
    EXPECT_EQ(names(), (Names{"c", "sub"}));
}

// A listing's own buffer is what the planner reads of the folder, also after an earlier watch
// of it saw more changes than its queue holds.
TEST(DiskNames, KeptAfterAnEarlierWatchOverflowed) {
    TempFolder dir;
    dir.file("a");
    const Listing first = list_folder(dir.path(), "*.*", EntryKinds::Files);
    if (disk_names(dir.path()) != first.added_names())
        GTEST_SKIP() << "no names are kept on this file system";
    long most = 0;
    std::ifstream("/proc/sys/fs/inotify/max_queued_events") >> most;
    if (most <= 0 || most > 100000)
        GTEST_SKIP() << "the queue holds " << most << " events";
    const std::string scratch = dir / "scratch";
    for (long i = 0; i <= most / 2; ++i) { // a creation and a removal each
        ::close(::open(scratch.c_str(), O_CREAT | O_WRONLY, 0644));
        ::unlink(scratch.c_str());
    }
    const Listing again = list_folder(dir.path(), "*.*", EntryKinds::Files);
    EXPECT_EQ(disk_names(dir.path()), again.added_names());
}

// Whatever a listing leaves out or converts, the names kept from it are every name of the
// folder, as the disk spells them.
TEST(DiskNames, KeptAsTheDiskSpellsThemWhateverWasListed) {
    TempFolder dir;
    for (const char *name : {"b.mp3", ".hidden", "\xe4\xb8\xad.txt"})
        dir.file(name);
    dir.folder("sub");
    const std::vector<std::string> every{".hidden", "b.mp3", "sub", "\xe4\xb8\xad.txt"};
    const struct {
        const char *mask;
        EntryKinds kinds;
    } listings[] = {{"*.*", EntryKinds::Files},
                    {"*.*", EntryKinds::Folders},
                    {"*.mp3", EntryKinds::Files},
                    {"*.txt", EntryKinds::Files}};
    for (const auto &listing : listings) {
        list_folder(dir.path(), listing.mask, listing.kinds);
        EXPECT_EQ(sorted_disk_names(dir.path()), every) << listing.mask;
    }
}

} // namespace
} // namespace tarvendi::platform
