// tarvendi-cli run as a user runs it, on a temporary folder: each subcommand's renames, that a
// dry run changes nothing and an execute is undone, the order of standard input, exit statuses.

#include "cli_run.h"
#include "removable_image.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using tarvendi::testing::ImageFormat;
using tarvendi::testing::RemovableImage;
using tarvendi::testing::TempFolder;

namespace {

using Result = tarvendi::testing::CliResult;
using tarvendi::testing::cli;

std::set<std::string> names(const TempFolder &folder) {
    std::set<std::string> all;
    for (const auto &entry : std::filesystem::directory_iterator(folder.path()))
        if (!entry.path().filename().string().starts_with('.'))
            all.insert(entry.path().filename().string());
    return all;
}

// An MP3 file of a little audio and an ID3v1 tag.
std::string song(const std::string &title, const std::string &artist) {
    std::string tag = "TAG";
    for (const std::string *field : {&title, &artist})
        tag +=
            field->substr(0, 30) + std::string(30 - std::min<std::size_t>(field->size(), 30), '\0');
    tag += std::string(30 + 4 + 30, '\0') + '\x0c';
    return std::string(300, '\xff') + tag;
}

struct Case {
    const char *args;
    std::vector<std::pair<std::string, std::string>> files; // name, content
    std::set<std::string> after;
};

const std::string kSongA = song("Intro", "Band");
const std::string kSongB = song("Finale", "Band");

const Case kCases[] = {
    {"wildcard --template 'x-##'", {{"b 2.mp3", ""}, {"a 10.mp3", ""}}, {"x-01.mp3", "x-02.mp3"}},
    {"wildcard --template '*-#' --start 7 --mask '*.txt'",
     {{"a.txt", ""}, {"b.doc", ""}},
     {"a-7.txt", "b.doc"}},
    {"range --from '(' --to ')' --with '[#]' --start 3",
     {{"song (live).mp3", ""}},
     {"song [3].mp3"}},
    {"sequence --pos 1 --len 3 --template '##-' --start 1",
     {{"abc song.mp3", ""}, {"abd tune.mp3", ""}},
     {"01- song.mp3", "02- tune.mp3"}},
    {"pad --width 3",
     {{"1.doc", ""}, {"15.doc", ""}, {"101.doc", ""}},
     {"001.doc", "015.doc", "101.doc"}},
    {"replace --find a --with Z", {{"banana.txt", ""}}, {"bZnana.txt"}},
    {"ext --to md", {{"a.txt", ""}, {"b", ""}}, {"a.md", "b.md"}},
    {"clean --digits --punct", {{"a1-b_2.txt", ""}}, {"ab.txt"}},
    {"numerals", {{"第二集.mp4", ""}}, {"第2集.mp4"}},
    {"move --start 1 --len 2 --to 4", {{"abcdef", ""}}, {"cabdef"}},
    {"tail --start 1 --len 2", {{"abcdef", ""}}, {"efabcd"}},
    {"list --names names.txt --template '#-'",
     {{"a.mp3", ""}, {"b.mp3", ""}},
     {"1-甲.mp3", "2-乙.mp3"}},
    {"regex --find '^(.+) - (.+)$' --with '$2 ($1)'",
     {{"周杰伦 - 晴天.mp3", ""}, {"x.txt", ""}},
     {"晴天 (周杰伦).mp3", "x.txt"}},
    {"case --title --with-ext",
     {{"hello world.TXT", ""}, {"ÉCOLE.mp3", ""}},
     {"Hello World.Txt", "École.Mp3"}},
    {"wildcard --template '#-*' --natural",
     {{"t10.txt", ""}, {"t9.txt", ""}},
     {"1-t9.txt", "2-t10.txt"}},
    {"tag-template --template '#_@_$' --start 1",
     {{"1.mp3", kSongA}, {"2.mp3", kSongB}, {"x.txt", ""}},
     {"1_Intro_Band.mp3", "2_Finale_Band.mp3", "x.txt"}},
    {"tag-title", {{"1.mp3", kSongA}, {"x.txt", ""}}, {"Intro.mp3", "x.txt"}},
};

class CliRename : public ::testing::TestWithParam<Case> {};

// Runs c in work (made here), with folder as the current directory: the dry run changes nothing,
// the execute renames, undo restores.
void renames_and_undoes(const Case &c, const TempFolder &folder, const std::string &work) {
    // The name list as the window saves it: GB18030 ("甲", "乙") with CR LF line ends.
    folder.file("names.txt", "\xbc\xd7\r\n\xd2\xd2\r\n");
    std::filesystem::create_directory(work);
    std::set<std::string> before;
    for (const auto &[name, content] : c.files) {
        std::ofstream(work + "/" + name, std::ios::binary) << content;
        before.insert(name);
    }
    const std::string args = std::string(c.args) + " --dir '" + work + "'";
    const auto listed = [&] {
        std::set<std::string> all;
        for (const auto &entry : std::filesystem::directory_iterator(work))
            all.insert(entry.path().filename().string());
        return all;
    };

    const Result dry = cli(folder, args);
    EXPECT_EQ(dry.status, 0) << dry.out;
    EXPECT_EQ(listed(), before);
    const Result run = cli(folder, args + " --execute");
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(listed(), c.after) << run.out;
    EXPECT_EQ(cli(folder, "undo --execute").status, 0);
    EXPECT_EQ(listed(), before);
}

bool ascii(const Case &c) {
    const auto plain = [](const std::string &s) {
        return std::all_of(s.begin(), s.end(), [](char ch) { return (ch & 0x80) == 0; });
    };
    return std::all_of(c.files.begin(), c.files.end(),
                       [&](const auto &f) { return plain(f.first); }) &&
           std::all_of(c.after.begin(), c.after.end(), plain);
}

TEST_P(CliRename, DryRunChangesNothingExecuteRenamesUndoRestores) {
    TempFolder folder;
    renames_and_undoes(GetParam(), folder, folder / "work");
}

// The same on a stick or card mounted through FUSE, which has neither RENAME_NOREPLACE nor hard
// links. fusefat takes no name outside ASCII.
TEST_P(CliRename, OnRemovableMedia) {
    for (const ImageFormat format : {ImageFormat::Exfat, ImageFormat::Fat}) {
        if (format == ImageFormat::Fat && !ascii(GetParam()))
            continue;
        RemovableImage image(format);
        if (!image.mounted())
            GTEST_SKIP() << "no image mounted: " << image.why();
        TempFolder folder;
        renames_and_undoes(GetParam(), folder, image / "work");
    }
}

// What the plan tells there before anything is renamed.
TEST(Cli, VerdictsOnRemovableMedia) {
    const struct {
        const char *args;
        const char *verdict;
    } cases[] = {
        {"ext --to mp3 --mask Song.MP3", "Song.MP3 → Song.mp3\n"},
        {"wildcard --template SONG --mask x.mp3", "x.mp3 → SONG.mp3  [exists: 目标已存在]\n"},
        {"replace --find x --with 'a|b' --mask x.mp3",
         "x.mp3 → a|b.mp3  [invalid: 此文件系统不允许该名称]\n"},
        {"ext --to 'mp3.' --mask x.mp3", "x.mp3 → x.mp3.  [invalid: 此文件系统不允许该名称]\n"},
    };
    for (const ImageFormat format : {ImageFormat::Exfat, ImageFormat::Fat}) {
        RemovableImage image(format);
        if (!image.mounted())
            GTEST_SKIP() << "no image mounted: " << image.why();
        TempFolder folder;
        std::ofstream(image / "Song.MP3") << "song";
        std::ofstream(image / "x.mp3") << "x";
        for (const auto &c : cases)
            EXPECT_EQ(cli(folder, std::string(c.args) + " --dir '" + image.path() + "'").out,
                      c.verdict)
                << c.args;
    }
}

INSTANTIATE_TEST_SUITE_P(EverySubcommand, CliRename, ::testing::ValuesIn(kCases));

TEST(Cli, StandardInputOrderVerdictsAndExitStatus) {
    TempFolder folder;
    folder.folder("d");
    for (const char *name : {"b", "a", "d/c", "taken-01"})
        folder.file(name);
    // In the order given, each renamed where it is; the first new name is in use.
    const Result dry = cli(folder, "wildcard --template 'taken-##' --json -", "b\na\nd/c\n");
    EXPECT_EQ(dry.status, 1);
    const auto doc = nlohmann::json::parse(dry.out);
    ASSERT_EQ(doc["items"].size(), 3u);
    EXPECT_EQ(doc["items"][0]["old"], "b");
    EXPECT_EQ(doc["items"][0]["verdict"], "exists");
    EXPECT_EQ(doc["items"][1]["new"], "taken-02");
    EXPECT_EQ(doc["items"][2]["new"], "d/taken-03");
    EXPECT_EQ(doc["renamed"], 2);
    EXPECT_EQ(doc["refused"], 1);

    EXPECT_EQ(
        cli(folder, "wildcard --template 'n-#' --execute -0", std::string("a\0b\0", 4)).status, 0);
    EXPECT_EQ(names(folder), (std::set<std::string>{"d", "n-1", "n-2", "taken-01"}));
    // A file that is gone when its turn comes: the plan expected the rename, the report tells
    // what the disk said.
    const Result gone = cli(folder, "wildcard --template 'g-#' --execute -", "missing\nn-1\n");
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.out, "missing → g-1  [invalid: 找不到文件]\nn-1 → g-2\n");
    EXPECT_EQ(names(folder), (std::set<std::string>{"d", "g-2", "n-2", "taken-01"}));

    EXPECT_EQ(cli(folder, "pad --width x").status, 2);
    EXPECT_EQ(cli(folder, "wildcard").status, 2);
    EXPECT_EQ(cli(folder, "wildcard --template x --bogus").status, 2);
    EXPECT_EQ(cli(folder, "frobnicate").status, 2);
    EXPECT_EQ(cli(folder, "regex --find '(' --with x").status, 2);
    // A match that gives up refuses its item, with the reason, and hangs nothing.
    folder.file(std::string(40, 'a') + "!");
    const Result runaway = cli(folder, "regex --find '(a+)+$' --with x --json --with-ext");
    EXPECT_EQ(runaway.status, 1);
    EXPECT_NE(runaway.out.find("正则表达式匹配超出限制"), std::string::npos);
    EXPECT_EQ(cli(folder, "--version").status, 0);
    EXPECT_NE(cli(folder, "range --help").out.find("--from"), std::string::npos);
}

// Every subcommand runs with its required options alone: what is left out takes the value its
// page or dialog starts with. The table names every subcommand the help lists.
TEST(Cli, EverySubcommandRunsWithItsRequiredOptionsOnly) {
    TempFolder folder;
    folder.file("names.txt", "x\r\n");
    std::ofstream(folder / "abcdefgh 1.mp3", std::ios::binary) << kSongA;
    const std::map<std::string, std::string> required = {{"wildcard", "--template '*'"},
                                                         {"range", ""},
                                                         {"sequence", ""},
                                                         {"pad", ""},
                                                         {"replace", ""},
                                                         {"ext", ""},
                                                         {"clean", ""},
                                                         {"numerals", ""},
                                                         {"move", ""},
                                                         {"tail", ""},
                                                         {"list", "--names names.txt"},
                                                         {"regex", ""},
                                                         {"case", ""},
                                                         {"tag-template", "--template '@'"},
                                                         {"tag-title", ""},
                                                         {"tag-set", ""},
                                                         {"tag-show", ""},
                                                         {"undo", ""}};
    const std::string help = cli(folder, "--help").out;
    std::set<std::string> listed;
    std::istringstream lines(help.substr(0, help.find("\nOptions")));
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("  "))
            listed.insert(line.substr(2, line.find(' ', 2) - 2));
    std::set<std::string> tabled;
    for (const auto &[command, options] : required)
        tabled.insert(command);
    EXPECT_EQ(listed, tabled);
    for (const auto &[command, options] : required) {
        const Result run = cli(folder, command + " " + options);
        EXPECT_TRUE(run.status == 0 || run.status == 1) << command << ": " << run.status;
    }
    // tail and move as their dialogs start: the last three bytes of the name to its front, and
    // six bytes from the first to the end.
    EXPECT_NE(cli(folder, "tail --mask '*.mp3'").out.find("→ h 1abcdefg.mp3"), std::string::npos);
    EXPECT_NE(cli(folder, "move --mask '*.mp3'").out.find("→ gh 1abcdef.mp3"), std::string::npos);
}

// Runs the program with standard output into a pipe whose reader is already gone; returns its
// standard error and status.
Result with_closed_output(const TempFolder &folder, const std::vector<std::string> &args) {
    int out[2];
    int err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0)
        return {};
    ::close(out[0]);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        ::chdir(folder.path().c_str());
        ::setenv("XDG_STATE_HOME", (folder.path() + ".state").c_str(), 1);
        ::setenv("TARVENDI_LANG", "zh", 1);
        std::vector<char *> argv{const_cast<char *>(CLI_PATH)};
        for (const std::string &arg : args)
            argv.push_back(const_cast<char *>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(CLI_PATH, argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    Result result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(err[0], buffer, sizeof buffer)) > 0;)
        result.out.append(buffer, static_cast<std::size_t>(n));
    ::close(err[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// Output that does not reach its reader (a full disk, a closed pipe) fails the run with status 3,
// and an execute's message says that its renames stand and undo takes them back.
TEST(Cli, OutputThatCannotBeWrittenFailsTheRun) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "w");
    folder.file("w/a", "");
    for (const bool execute : {false, true}) {
        const std::string args = std::string("wildcard --template 'x#' --dir w") +
                                 (execute ? " --execute" : "") + " >/dev/full 2>&1";
        const Result full = cli(folder, args);
        EXPECT_EQ(full.status, 3) << args;
        EXPECT_EQ(full.out, "") << args;
    }
    const Result closed =
        with_closed_output(folder, {"wildcard", "--template", "y#", "--dir", "w", "--execute"});
    EXPECT_EQ(closed.status, 3);
    EXPECT_NE(closed.out.find("无法写出结果：读取的一方已关闭"), std::string::npos) << closed.out;
    EXPECT_NE(closed.out.find("undo --execute"), std::string::npos) << closed.out;
    EXPECT_TRUE(std::filesystem::exists(folder / "w/y1"));
    const Result help = with_closed_output(folder, {"--help"});
    EXPECT_EQ(help.status, 3);
    EXPECT_EQ(help.out.find("undo --execute"), std::string::npos) << help.out;
}

// A name list is read from wherever the user can point: a link, a pipe, standard input; as
// UTF-8 when it is valid UTF-8 (a mark or not), as GB18030 otherwise, or as --encoding says.
TEST(Cli, NameListsFromAnywhereInEitherEncoding) {
    const std::string utf8 = "\xE4\xB8\xAD\xE6\x96\x87\n"; // 中文
    const std::string gb18030 = "\xD6\xD0\xCE\xC4\r\n";    // 中文
    const struct {
        const char *what;
        std::string list;  // the file's bytes
        std::string names; // how --names reaches it, and what else the command line says
        std::string input; // standard input
    } cases[] = {
        {"utf-8", utf8, "--names list", ""},
        {"utf-8 with a mark", "\xEF\xBB\xBF" + utf8, "--names list", ""},
        {"gb18030", gb18030, "--names list", ""},
        {"forced", gb18030, "--names list --encoding gb18030", ""},
        {"through a link", utf8, "--names link", ""},
        {"from a pipe", utf8, "--names fifo", ""},
        {"from standard input", "", "--names -", utf8},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        std::filesystem::create_directory(folder / "w");
        folder.file("w/a.txt", "");
        folder.file("list", c.list);
        std::filesystem::create_symlink("list", folder / "link");
        // A writer that waits for its reader, as a process substitution's does.
        ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
        std::thread writer([&] {
            if (c.names.find("fifo") != std::string::npos)
                std::ofstream(folder / "fifo", std::ios::binary) << c.list;
        });
        const Result run = cli(folder, "list --dir w --execute " + c.names, c.input);
        writer.join();
        EXPECT_EQ(run.status, 0) << c.what << ": " << run.out;
        EXPECT_TRUE(std::filesystem::exists(folder / "w/\xE4\xB8\xAD\xE6\x96\x87.txt"))
            << c.what << ": " << run.out;
    }
    TempFolder folder;
    folder.file("list", utf8);
    EXPECT_EQ(cli(folder, "list --from-stdin --names -", "a.txt\n").status, 2);
    EXPECT_EQ(cli(folder, "list --names .").status, 2);
}

// A FIFO or a socket named like a song is told for itself by every tag subcommand ("不是普通
// 文件", status 1), and the song beside it is still read, renamed or written.
TEST(Cli, TagCommandsTellSpecialFilesAndGoOn) {
    const char *commands[] = {"tag-show", "tag-title", "tag-template --template '@'",
                              "tag-set --title New --execute"};
    for (const char *command : commands) {
        TempFolder folder;
        std::filesystem::create_directory(folder / "w");
        std::ofstream(folder / "w/a.mp3", std::ios::binary) << kSongA;
        ASSERT_EQ(::mkfifo((folder / "w/f.mp3").c_str(), 0600), 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        (folder / "w/s.mp3").copy(address.sun_path, sizeof address.sun_path - 1);
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_EQ(::bind(s, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
        ::close(s);
        const Result run = cli(folder, std::string(command) + " --dir w");
        EXPECT_EQ(run.status, 1) << command << ": " << run.out;
        for (const char *special : {"f.mp3", "s.mp3"}) {
            const std::size_t line = run.out.find(special);
            ASSERT_NE(line, std::string::npos) << command << ": " << run.out;
            EXPECT_NE(run.out.find("不是普通文件", line), std::string::npos) << command << run.out;
        }
        std::ifstream song(folder / "w/a.mp3", std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(song), {});
        const bool writes = std::string_view(command).starts_with("tag-set");
        EXPECT_NE((writes ? bytes : run.out).find(writes ? "TAGNew" : "Intro"), std::string::npos)
            << command << ": " << run.out;
    }
}

// Paths from standard input get the verdict in the dry run that the execute gives them, and a
// line with a NUL byte is refused whole instead of naming the file before its NUL.
TEST(Cli, HostileStandardInputIsRefusedAlikeInBothRuns) {
    const std::map<std::string, std::string> verdicts = {
        {"a.txt", "rename"},        {"./a.txt", "duplicate"}, {"sub", "invalid"},
        {"b.txt\\x00x", "invalid"}, {"b.txt", "rename"},      {"gone.txt", "invalid"},
    };
    const std::string input = std::string("a.txt\n./a.txt\nsub\nb.txt\0x\nb.txt\ngone.txt\n", 41);
    for (const bool execute : {false, true}) {
        TempFolder folder;
        std::filesystem::create_directory(folder / "w");
        std::filesystem::create_directory(folder / "w/sub");
        folder.file("w/a.txt", "a");
        folder.file("w/b.txt", "b");
        const Result run =
            cli(folder,
                std::string("wildcard --template 'n-#' --from-stdin --json --dir w") +
                    (execute ? " --execute" : ""),
                input);
        EXPECT_EQ(run.status, 1) << run.out;
        std::map<std::string, std::string> got;
        const nlohmann::json report = nlohmann::json::parse(run.out);
        for (const auto &item : report["items"])
            got[item["old"].get<std::string>()] = item["verdict"].get<std::string>();
        EXPECT_EQ(got, verdicts) << (execute ? "execute" : "dry run");
        EXPECT_EQ(std::filesystem::exists(folder / "w/n-2.txt"), execute);
    }
}

// Standard error ends with the counts, in the language the environment chooses as for the
// window; a mask that selects nothing says so and is no failure.
TEST(Cli, SummaryInTheUsersLanguage) {
    const struct {
        const char *environment;
        const char *args;
        int status;
        const char *last_line;
    } cases[] = {
        {"LC_ALL=en_US.UTF-8", "wildcard --template 'x#'", 0, "would rename 2, would refuse 0"},
        {"LC_ALL=en_GB", "wildcard --template 'taken' --execute", 1,
         "renamed 1, refused 1; \"tarvendi-cli undo --execute\" takes back what was done"},
        {"LC_ALL=zh_CN.UTF-8", "wildcard --template 'x#'", 0, "将改名 2 个，0 个不会改名"},
        {"LC_ALL=C", "wildcard --template 'taken' --execute", 1,
         "已改名 1 个，1 个未改名；\"tarvendi-cli undo --execute\" 可以撤销已做的改动"},
        {"LC_ALL=C TARVENDI_LANG=en", "pad --mask '*.mp3'", 0, "no entries match '*.mp3' in "},
        {"LC_ALL=en_US TARVENDI_LANG=zh", "pad --mask '*.mp3'", 0, " 中没有与 '*.mp3' 相符的条目"},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        std::filesystem::create_directory(folder / "w");
        folder.file("w/a.txt");
        folder.file("w/b.txt");
        // Standard error alone, from a shell that the environment is given to.
        const Result run = cli(folder, std::string(c.args) + " --dir w", {},
                               std::string("env -u TARVENDI_LANG -u LANG -u LC_MESSAGES ") +
                                   c.environment + " sh -c '\"$0\" \"$@\" 2>&1 >/dev/null'");
        EXPECT_EQ(run.status, c.status) << c.args;
        const std::string last = run.out.substr(run.out.rfind('\n', run.out.size() - 2) + 1);
        EXPECT_NE(last.find(c.last_line), std::string::npos) << c.environment << ": " << run.out;
    }
}

// Both outputs of a run, in the environment given.
Result in_language(const TempFolder &folder, const std::string &environment,
                   const std::string &args, const std::string &input = {}) {
    return cli(folder, args, input,
               "env -u TARVENDI_LANG -u LANG -u LC_MESSAGES " + environment +
                   " sh -c '\"$0\" \"$@\" 2>&1'");
}

// Every refusal and error says why in words, in the language chosen, never as a number or the
// system's English; a written tag is told as written.
TEST(Cli, EveryRefusalAndErrorSaysWhyInTheUsersLanguage) {
    const std::string long_name(300, 'x');
    const struct {
        const char *environment;
        bool english;
        std::string args, input, expected;
    } cases[] = {
        {"LC_ALL=en_US.UTF-8", true, "wildcard --template 'n-#' -", "gone\n",
         "gone → n-1  [invalid: file not found]"},
        {"LC_ALL=C", false, "wildcard --template 'n-#' -", "gone\n",
         "gone → n-1  [invalid: 找不到文件]"},
        {"LC_ALL=en_US", true, "wildcard --template '" + long_name + "' --mask a.txt", "",
         "[invalid: name too long]"},
        {"LC_ALL=en_US", true, "wildcard --template 'b' --mask a.txt", "",
         "a.txt → b.txt  [exists: name already taken]"},
        {"TARVENDI_LANG=en", true, "regex --find '(a+)+$' --with x --mask 'aaa*'", "",
         "[invalid: regular expression match exceeded its limit]"},
        {"TARVENDI_LANG=en", true, "wildcard --template n --dir missing", "",
         "tarvendi-cli: file not found: \""},
        {"LC_ALL=zh_CN", false, "wildcard --template n --dir missing", "",
         "tarvendi-cli: 找不到文件：\""},
        {"LC_ALL=en_US", true, "list --names nowhere.txt", "",
         "tarvendi-cli: cannot read the name list: file not found: \""},
        {"LC_ALL=en_US", true, "wildcard --template n --bogus", "",
         "tarvendi-cli: 'wildcard' takes no option --bogus"},
        {"LC_ALL=C", false, "wildcard --template n --bogus", "",
         "tarvendi-cli: 'wildcard' 没有选项 --bogus"},
        {"LC_ALL=en_US", true, "tag-set --title New --execute --mask '*.mp3'", "",
         "a.mp3 → a.mp3  [written]\n"},
        {"LC_ALL=en_US", true, "tag-set --title New --execute --mask '*.mp3'", "",
         "tags written 1, refused 0\n"},
        {"LC_ALL=C", false, "tag-set --title New --execute --mask '*.mp3' --json", "",
         "\"verdict\": \"written\""},
        {"LC_ALL=C", false, "tag-set --title New --execute --mask '*.mp3'", "",
         "已写入标签 1 个，0 个未写入"},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        folder.file("a.txt");
        folder.file("b.txt");
        folder.file(std::string(40, 'a') + "!");
        std::ofstream(folder / "a.mp3", std::ios::binary) << kSongA;
        const Result run = in_language(folder, c.environment, c.args, c.input);
        EXPECT_NE(run.out.find(c.expected), std::string::npos) << c.args << ":\n" << run.out;
        for (const char *foreign :
             {"I/O error", "No such file", c.english ? "找不到" : "not found"})
            EXPECT_EQ(run.out.find(foreign), std::string::npos) << run.out;
    }
}

// While another run holds the journal, an undo asked not to wait refuses and changes nothing;
// one that may wait does its work once the other run let go.
TEST(Cli, UndoWhileAnotherRunHoldsTheJournal) {
    TempFolder folder;
    folder.file("a.txt");
    ASSERT_EQ(cli(folder, "wildcard --template 'b' --execute --mask a.txt").status, 0);
    const std::string journal = folder.path() + ".state/tarvendi";
    // Not handed to the runs: a child holding the lock would wait for itself.
    const int held = ::open((journal + "/lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    for (const auto &[environment, refusal] :
         {std::pair{"LC_ALL=C", "另一个改名还在进行"},
          std::pair{"LC_ALL=en_US", "another rename is still running"}}) {
        const Result refused = in_language(folder, environment, "undo --execute --no-wait");
        EXPECT_EQ(refused.status, 1);
        EXPECT_NE(refused.out.find(refusal), std::string::npos) << refused.out;
        EXPECT_EQ(names(folder), (std::set<std::string>{"b.txt"}));
    }
    std::thread release([held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::close(held);
    });
    EXPECT_EQ(cli(folder, "undo --execute").status, 0);
    release.join();
    EXPECT_EQ(names(folder), (std::set<std::string>{"a.txt"}));

    // Two undos at once take back two records, each once: the second waits for the first.
    ASSERT_EQ(cli(folder, "wildcard --template 'b' --execute --mask a.txt").status, 0);
    ASSERT_EQ(cli(folder, "wildcard --template 'c' --execute --mask b.txt").status, 0);
    const Result both =
        cli(folder, "undo --execute", {}, R"(sh -c '"$0" "$@" & "$0" "$@"; wait $!')");
    EXPECT_EQ(both.status, 0);
    EXPECT_EQ(std::count(both.out.begin(), both.out.end(), '\n'), 2) << both.out;
    EXPECT_EQ(names(folder), (std::set<std::string>{"a.txt"}));
    EXPECT_EQ(cli(folder, "undo").out, "");
}

// A name that could read as another line, or as two names, is quoted: the same rule in a plan,
// in the report of an execute and in undo ("@" stands for the folder).
TEST(Cli, NamesThatCouldReadOtherwiseAreQuoted) {
    const struct {
        std::vector<std::string> files;
        std::string args, expected, undo_line;
    } cases[] = {
        {{"a → b", " lead", "trail ", "\"q", "k: v", "back\\slash", "plain"},
         "wildcard --template 'n#'",
         "\" lead\" → n1\n\"\\\"q\" → n2\n\"a → b\" → n3\n\"back\\\\slash\" → n4\n\"k: v\" → "
         "n5\nplain → n6\n\"trail \" → n7\n",
         "@/n7 → \"@/trail \"\n"},
        // The rule trims the blank in front; the arrow alone asks for the quotes.
        {{"a.txt"},
         "replace --find a --with ' → '",
         "a.txt → \"→ .txt\"\n",
         "\"@/→ .txt\" → @/a.txt\n"},
        {{"ab.txt"},
         "replace --find b --with '  [exists: x]'",
         "ab.txt → \"a  [exists: x].txt\"\n",
         "\"@/a  [exists: x].txt\" → @/ab.txt\n"},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        folder.folder("w");
        for (const std::string &name : c.files)
            folder.file("w/" + name);
        EXPECT_EQ(cli(folder, c.args + " --dir w").out, c.expected) << c.args;
        EXPECT_EQ(cli(folder, c.args + " --dir w --execute").out, c.expected) << c.args;
        std::string undo_line = c.undo_line;
        for (std::size_t at; (at = undo_line.find('@')) != std::string::npos;)
            undo_line.replace(at, 1, folder.path() + "/w");
        const std::string undo = cli(folder, "undo").out;
        EXPECT_NE(undo.find(undo_line), std::string::npos) << undo;
    }
}

// The folder given is where every item is read, also for the tags shown: nothing is taken from
// the directory the program was started in.
TEST(Cli, TagsAreReadInTheFolderGiven) {
    TempFolder folder;
    TempFolder music;
    std::ofstream(music / "a.mp3", std::ios::binary) << kSongA;
    std::ofstream(folder / "a.mp3", std::ios::binary) << kSongB;
    const Result shown = cli(folder, "tag-show --dir '" + music.path() + "'");
    EXPECT_EQ(shown.status, 0);
    EXPECT_NE(shown.out.find("title: Intro"), std::string::npos) << shown.out;
    EXPECT_EQ(cli(folder, "tag-title --execute --dir '" + music.path() + "'").status, 0);
    EXPECT_TRUE(std::filesystem::exists(music / "Intro.mp3"));
    EXPECT_TRUE(std::filesystem::exists(folder / "a.mp3"));
}

// Undo reports and takes back what the disk shows: after a run killed in its middle only what
// was renamed, and after an undo killed in its middle the rest, with no refusal. The folder that
// holds the journal is never renamed.
TEST(Cli, UndoAfterKillsAndTheJournalsOwnFolder) {
    TempFolder folder;
    const tarvendi::testing::CrowdedFolder crowd(20000);
    const std::size_t kFiles = crowd.files();
    const auto count = [&](char first) {
        return crowd.count(first);
    };
    const auto lines = [](const std::string &text) {
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    };
    // Killed after a delay found by halving, until it is caught in the middle: the renames
    // follow the journal, which takes most of the run.
    tarvendi::testing::cut_among_renames(folder, crowd, [&](int delay_ms) {
        crowd.refill();
        cli(folder, "wildcard --template 'n-#####' --execute --dir '" + crowd.path() + "'", {},
            "timeout -s KILL " + std::to_string(delay_ms / 1000.0));
    });
    const std::size_t renamed = count('n');
    if (renamed == 0 || renamed == kFiles)
        GTEST_SKIP() << "the run could not be caught in its middle";
    EXPECT_EQ(count('f') + renamed, kFiles);
    EXPECT_EQ(lines(cli(folder, "undo").out), renamed);

    // The undo killed in its middle, then finished.
    cli(folder, "undo --execute", {}, "timeout -s KILL 0.05");
    const std::size_t left = count('n');
    const Result rest = cli(folder, "undo --execute");
    EXPECT_EQ(rest.status, 0) << rest.out;
    EXPECT_EQ(lines(rest.out), left);
    EXPECT_EQ(count('f'), kFiles);
    EXPECT_EQ(cli(folder, "undo").out, "");

    const std::string state = folder.path() + ".state";
    const Result journal =
        cli(folder, "wildcard --dirs --template '*-x' --execute -", state + "\n");
    EXPECT_EQ(journal.status, 1);
    EXPECT_NE(journal.out.find("此文件夹存放撤销记录"), std::string::npos) << journal.out;
    EXPECT_TRUE(std::filesystem::is_directory(state + "/tarvendi"));
    std::filesystem::remove_all(state);
}

} // namespace
