// tarvendi-cli's tag subcommands with --all-audio, on files of the other audio formats encoded and
// tagged by independent tools (tests/tags/data/README).

#include "cli_run.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <utility>
#include <vector>

using tarvendi::testing::TempFolder;

namespace {

using Result = tarvendi::testing::CliResult;
using tarvendi::testing::cli;

// An MP3 file of a little audio and an ID3v1 tag holding a title.
std::string mp3_titled(const std::string &title) {
    std::string tag = "TAG" + title + std::string(30 - title.size(), '\0');
    tag += std::string(30 + 30 + 4 + 30, '\0') + '\x0c';
    return std::string(300, '\xff') + tag;
}

// name in the folder, a copy of the audio file fixture of the tags tests.
void put(const TempFolder &folder, const std::string &name, const std::string &fixture) {
    std::filesystem::copy_file(std::string(TAGS_DATA_DIR) + "/" + fixture, folder / name);
}

std::set<std::string> names(const TempFolder &folder) {
    std::set<std::string> all;
    for (const auto &entry : std::filesystem::directory_iterator(folder.path()))
        all.insert(entry.path().filename().string());
    return all;
}

TEST(CliAudio, RenamesByTagTakeTheOtherFormatsOnlyWithTheOption) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"A.FLAC", "audio.flac"},     {"b.ogg", "audio.ogg"},   {"c.m4a", "audio.m4a"},
        {"d.wma", "audio.wma"},       {"f.opus", "audio.opus"}, {"g.ape", "audio.ape"},
        {"h.wv", "audio.wv"},         {"i.wav", "audio.wav"},   {"j.aiff", "audio.aiff"},
        {"k.oga", "opus_stream.ogg"},
    };
    const struct {
        const char *args;
        std::set<std::string> after;
    } cases[] = {
        {"tag-title --all-audio",
         {"晴天.FLAC", "七里香.ogg", "夜曲.m4a", "青花瓷.wma", "Intro.mp3", "稻香.opus",
          "简单爱.ape", "双截棍.wv", "东风破.wav", "龙卷风.aiff", "告白气球.oga", "notes.txt"}},
        {"tag-title",
         {"A.FLAC", "b.ogg", "c.m4a", "d.wma", "Intro.mp3", "f.opus", "g.ape", "h.wv", "i.wav",
          "j.aiff", "k.oga", "notes.txt"}},
        {"tag-template --template '##_@_$' --start 3 --all-audio --mask '*.wv;*.wav;*.mp3'",
         {"A.FLAC", "b.ogg", "c.m4a", "d.wma", "03_Intro_.mp3", "f.opus", "g.ape",
          "04_双截棍_周杰伦.wv", "05_东风破_周杰伦.wav", "j.aiff", "k.oga", "notes.txt"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args);
        TempFolder folder;
        folder.file("e.mp3", mp3_titled("Intro"));
        folder.file("notes.txt", "text");
        std::set<std::string> before = {"e.mp3", "notes.txt"};
        for (const auto &[name, fixture] : files) {
            put(folder, name, fixture);
            before.insert(name);
        }
        const Result dry = cli(folder, c.args);
        EXPECT_EQ(dry.status, 0) << dry.out;
        EXPECT_EQ(names(folder), before);
        const Result run = cli(folder, std::string(c.args) + " --execute");
        EXPECT_EQ(run.status, 0) << run.out;
        EXPECT_EQ(names(folder), c.after) << run.out;
        EXPECT_EQ(cli(folder, "undo --execute").status, 0);
        EXPECT_EQ(names(folder), before);
    }
}

TEST(CliAudio, TagShowTellsEachFormatsFieldsAndRefusesAFifo) {
    TempFolder folder;
    put(folder, "a.flac", "audio.flac");
    put(folder, "b.m4a", "audio.m4a");
    folder.file("c.mp3", mp3_titled("Intro"));
    put(folder, "d.opus", "untagged.flac"); // no Opus stream: no tag
    put(folder, "e.txt", "audio.flac");
    ASSERT_EQ(::mkfifo((folder / "f.ogg").c_str(), 0600), 0);

    const Result all = cli(folder, "tag-show --all-audio --json");
    EXPECT_EQ(all.status, 1) << all.out; // the FIFO is refused, the others shown
    const nlohmann::json expected = nlohmann::json::parse(R"([
        {"file": "a.flac", "title": "晴天", "artist": "周杰伦", "album": "叶惠美",
         "year": "2003-07-31", "comment": "雨下整夜", "track": "3"},
        {"file": "b.m4a", "title": "夜曲", "artist": "周杰伦", "album": "Zoë 十一月的萧邦",
         "year": "2005", "comment": "为你弹奏萧邦的夜曲", "track": "1/12"},
        {"file": "c.mp3", "title": "Intro", "artist": "", "album": "", "year": "",
         "comment": "", "genre": "Other"},
        {"file": "d.opus", "tag": "none"},
        {"file": "f.ogg", "error": "不是普通文件"}])");
    EXPECT_EQ(nlohmann::json::parse(all.out), expected);

    const Result mp3_only = cli(folder, "tag-show --json");
    EXPECT_EQ(mp3_only.status, 0) << mp3_only.out;
    EXPECT_EQ(nlohmann::json::parse(mp3_only.out), nlohmann::json::array({expected[2]}));

    // A rename never takes the FIFO for a file without a tag.
    const Result renamed = cli(folder, "tag-template --template '#@' --all-audio --execute");
    EXPECT_EQ(renamed.status, 1) << renamed.out;
    EXPECT_EQ(names(folder), (std::set<std::string>{"1晴天.flac", "2夜曲.m4a", "3Intro.mp3",
                                                    "4.opus", "e.txt", "f.ogg"}));
}

} // namespace
