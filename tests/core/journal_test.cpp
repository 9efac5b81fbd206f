// The journal's text read back as written, and undo against a disk that changed since.

#include "journal.h"
#include "temp_folder.h"
#include "undo.h"
#include "unprivileged.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace tarvendi::core;
using tarvendi::testing::Unprivileged;

namespace {

TEST(JournalFormat, ReadsBackWhatItWroteAndDropsALineCutShort) {
    const std::string tag = "TAG" + std::string(120, '\0') + "\xff\x01\"\\z";
    const std::vector<JournalStep> steps{
        {StepKind::Rename, "/m/a \"q\" \\ \x01.mp3", "/m/歌.mp3", {}},
        {StepKind::Rename, "/m/latin\xff", "/m/ok", {}},
        {StepKind::Tag, "/m/t.mp3", {}, tag},
        {StepKind::Tag, "/m/u.mp3", {}, std::nullopt},
        {StepKind::Folder, "/m/new", {}, {}},
    };
    std::string text = journal_header("2026-12-07T16:00:00Z", "cli", "wildcard");
    for (const JournalStep &step : steps)
        append_step_line(step, text);
    const JournalRecord unfinished = parse_journal(text + "{\"finished\":tr");
    EXPECT_FALSE(unfinished.finished);
    const JournalRecord record = parse_journal(text + finished_line({1, 3}));
    ASSERT_EQ(record.steps.size(), steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(record.steps[i].kind, steps[i].kind) << i;
        EXPECT_EQ(record.steps[i].path, steps[i].path) << i;
        EXPECT_EQ(record.steps[i].target, steps[i].target) << i;
        EXPECT_EQ(record.steps[i].old_tail, steps[i].old_tail) << i;
    }
    EXPECT_TRUE(record.finished);
    EXPECT_EQ(record.failed, (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(record.by, "cli");
    EXPECT_EQ(record.what, "wildcard");
    EXPECT_TRUE(parse_journal(text + interrupted_line()).interrupted);
    EXPECT_THROW(parse_journal("{\"rename\":\"/a\",\"to\":\"/b\"}\n"), std::exception);
}

class UndoTest : public ::testing::Test {
protected:
    std::string at(const std::string &name) const { return folder_ / name; }
    JournalStep rename(const std::string &from, const std::string &to) const {
        return {StepKind::Rename, at(from), at(to), {}};
    }
    std::vector<std::string> names() const { return folder_.names(); }
    tarvendi::testing::TempFolder folder_;
};

// Each case: the files now (after the execute and whatever happened since), the journal's
// steps, then the files the undo leaves and how many steps it refuses.
TEST_F(UndoTest, TakesBackWhatTookPlaceAndNeverOverwrites) {
    struct Case {
        const char *what;
        std::vector<std::string> now;
        std::vector<std::pair<std::string, std::string>> renames;
        bool finished;
        std::vector<std::size_t> failed;
        std::vector<std::string> after;
        std::size_t refused;
        std::size_t undone;
        bool remains = false; // the record must stay for a later undo
    };
    const Case cases[] = {
        {"chain back in reverse", {"c", "b"}, {{"b", "c"}, {"a", "b"}}, true, {}, {"a", "b"}, 0, 2},
        {"failed step left alone",
         {"b", "x"},
         {{"a", "b"}, {"x", "y"}},
         true,
         {1},
         {"a", "x"},
         0,
         1},
        {"renamed again since", {"z"}, {{"a", "b"}}, true, {}, {"z"}, 1, 0},
        {"old name taken since", {"a", "b"}, {{"a", "b"}}, true, {}, {"a", "b"}, 1, 0, true},
        {"cut short: the disk tells",
         {"b", "c"},
         {{"a", "b"}, {"c", "d"}},
         false,
         {},
         {"a", "c"},
         0,
         1},
        // An undo killed after its first step: the next one finishes without false refusals.
        {"undo cut short: the rest",
         {"a", "d"},
         {{"a", "b"}, {"c", "d"}},
         true,
         {},
         {"a", "c"},
         0,
         1},
        {"undo cut short, run cut short",
         {"a", "d"},
         {{"a", "b"}, {"c", "d"}},
         false,
         {},
         {"a", "c"},
         0,
         1},
    };
    for (const Case &c : cases) {
        for (const auto &entry : fs::directory_iterator(folder_.path()))
            fs::remove_all(entry.path());
        for (const std::string &name : c.now)
            folder_.file(name, name);
        JournalRecord record;
        for (const auto &[from, to] : c.renames)
            record.steps.push_back(rename(from, to));
        record.finished = c.finished;
        record.failed = c.failed;
        EXPECT_EQ(steps_to_undo(record).size(), c.undone + c.refused) << c.what;
        const UndoResult result = undo(record);
        EXPECT_EQ(result.refused.size(), c.refused) << c.what;
        EXPECT_EQ(result.undone, c.undone) << c.what;
        EXPECT_EQ(result.remains, c.remains) << c.what;
        EXPECT_EQ(names(), c.after) << c.what;
    }
}

TEST_F(UndoTest, PutsTagsBackAndRemovesOnlyEmptyFolders) {
    const std::string audio(300, 'a');
    const std::string old_tag = "TAG" + std::string(125, 'o');
    const std::string new_tag = "TAG" + std::string(125, 'n');
    folder_.file("retagged.mp3", audio + new_tag);
    folder_.file("tagged.mp3", audio + new_tag);
    folder_.file("untagged.mp3", audio);
    folder_.file("changed.mp3", audio + "TAG" + std::string(125, 'u'));
    folder_.folder("empty");
    folder_.folder("full");
    folder_.file("full/kept", "k");
    JournalRecord record;
    record.steps = {{StepKind::Tag, at("retagged.mp3"), {}, old_tag},
                    {StepKind::Tag, at("tagged.mp3"), {}, std::nullopt},
                    {StepKind::Tag, at("untagged.mp3"), {}, old_tag},
                    {StepKind::Tag, at("changed.mp3"), {}, old_tag},
                    {StepKind::Folder, at("empty"), {}, {}},
                    {StepKind::Folder, at("full"), {}, {}}};
    record.finished = true;
    record.written = {{0, new_tag}, {1, new_tag}, {3, new_tag}};
    // The file that lost its tag since, the one whose tag the user changed since, and the folder
    // that is not empty are refused.
    const UndoResult result = undo(record);
    ASSERT_EQ(result.refused.size(), 3u);
    EXPECT_EQ(result.refused[1].reason, "标签已被再次修改");
    EXPECT_FALSE(result.remains);
    EXPECT_EQ(folder_.read("changed.mp3"), audio + "TAG" + std::string(125, 'u'));
    EXPECT_EQ(folder_.read("retagged.mp3"), audio + old_tag);
    EXPECT_EQ(folder_.read("tagged.mp3"), audio);
    EXPECT_EQ(folder_.read("untagged.mp3"), audio);
    EXPECT_EQ(names(), (std::vector<std::string>{"changed.mp3", "full", "retagged.mp3",
                                                 "tagged.mp3", "untagged.mp3"}));

    // A run killed among its tag writes: the file it never reached still ends as before, and is
    // neither listed nor counted.
    folder_.file("reached.mp3", audio + new_tag);
    folder_.file("unreached.mp3", audio + old_tag);
    JournalRecord cut;
    cut.steps = {{StepKind::Tag, at("reached.mp3"), {}, old_tag},
                 {StepKind::Tag, at("unreached.mp3"), {}, old_tag}};
    EXPECT_EQ(steps_to_undo(cut), std::vector<std::size_t>{0});
    const UndoResult undone = undo(cut);
    EXPECT_EQ(undone.undone, 1u);
    EXPECT_TRUE(undone.refused.empty());
    EXPECT_EQ(folder_.read("reached.mp3"), audio + old_tag);
}

// What the user can clear (a folder made in a folder that is read-only now) keeps the record for
// the next undo; a folder the user filled is theirs and does not.
TEST_F(UndoTest, KeepsWhatItCannotTakeBackYet) {
    folder_.folder("locked");
    folder_.folder("locked/made");
    ASSERT_EQ(::chmod(folder_.path().c_str(), 0777), 0);
    folder_.set_mode("locked", 0555);
    JournalRecord record;
    record.steps = {{StepKind::Folder, at("locked/made"), {}, {}}};
    record.finished = true;
    {
        Unprivileged user;
        if (!user.error().empty())
            GTEST_SKIP() << user.error();
        const UndoResult refused = undo(record);
        ASSERT_EQ(refused.refused.size(), 1u);
        EXPECT_NE(refused.refused[0].reason, "文件夹中已有内容，未删除");
        EXPECT_TRUE(refused.remains);
    }
    folder_.set_mode("locked", 0755);
    const UndoResult done = undo(record);
    EXPECT_EQ(done.undone, 1u);
    EXPECT_FALSE(done.remains);
    EXPECT_FALSE(fs::exists(at("locked/made")));
}

// A tag written into a file that is read-only now (as an ordinary user: root writes anyway) is
// still taken back, and the file stays read-only.
TEST_F(UndoTest, PutsATagBackIntoAReadOnlyFile) {
    const std::string old_tag = "TAG" + std::string(125, 'o');
    const std::string new_tag = "TAG" + std::string(125, 'n');
    folder_.file("a.mp3", "audio" + new_tag);
    ASSERT_EQ(::chmod(folder_.path().c_str(), 0777), 0);
    ASSERT_EQ(::chown(at("a.mp3").c_str(), Unprivileged::kNobody, Unprivileged::kNobody), 0);
    folder_.set_mode("a.mp3", 0444);
    JournalRecord record;
    record.steps = {{StepKind::Tag, at("a.mp3"), {}, old_tag}};
    record.finished = true;
    record.written = {{0, new_tag}};
    {
        Unprivileged user;
        if (!user.error().empty())
            GTEST_SKIP() << user.error();
        EXPECT_TRUE(undo(record).refused.empty());
    }
    EXPECT_EQ(folder_.read("a.mp3"), "audio" + old_tag);
    struct stat st {};
    ASSERT_EQ(::stat(at("a.mp3").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
}

std::string record_text(const std::vector<std::string> &lines, std::string_view cut = {}) {
    std::string text;
    for (const std::string &line : lines)
        text += line + "\n";
    return text + std::string(cut);
}

// Records as crashes, full disks and hands leave them: read as far as they can be, or found
// damaged at their first unreadable line.
TEST(JournalFormat, RecordsAsTheyAreLeft) {
    const std::string header = R"({"tarvendi_journal":1,"started":"2026-12-08T10:00:00Z"})";
    const std::string step = R"({"rename":"/m/a","to":"/m/b"})";
    struct Case {
        const char *what;
        std::string text;
        std::size_t steps;   // when read
        std::size_t damaged; // the line, or 0 when read
        bool interrupted = false;
    };
    const Case cases[] = {
        {"last line cut", record_text({header, step}, R"({"rename":"/m/c","t)"), 1, 0},
        {"mark after a cut line",
         record_text({header, step, R"({"rename":"/m/c","t)", R"({"interrupted":true})"}), 1, 0,
         true},
        {"mark glued onto a cut line",
         record_text({header, step, R"({"rename":"/m/c{"interrupted":true})"}), 1, 0},
        {"steps after a line that cannot be read", record_text({header, "garbage", step}), 0, 2},
        {"empty", "", 0, 1},
        {"not a journal", record_text({step}), 0, 1},
        {"header only", record_text({header}), 0, 0},
        {"a value of the wrong kind", record_text({header, R"({"rename":5,"to":"/b"})"}), 0, 2},
        {"hex that is not hex", record_text({header, R"({"rename_hex":"zz","to":"/b"})"}), 0, 2},
        {"nested past any line of a journal", record_text({header, std::string(100000, '[')}), 0,
         0},
        {"an unknown line", record_text({header, R"({"what":1})", step}), 0, 2},
        {"a step number that is no step number",
         record_text({header, step, R"({"finished":true,"failed":[-1.5]})"}), 0, 3},
        {"a step and a mark after a cut line",
         record_text({header, "cut", R"({"folder":"/x","finished":true,"failed":[]})"}), 0, 2},
    };
    for (const Case &c : cases) {
        try {
            const JournalRecord record = parse_journal(c.text);
            EXPECT_EQ(c.damaged, 0u) << c.what;
            EXPECT_EQ(record.steps.size(), c.steps) << c.what;
            EXPECT_EQ(record.interrupted, c.interrupted) << c.what;
        } catch (const DamagedRecord &damage) {
            EXPECT_EQ(damage.line, c.damaged) << c.what;
        }
    }
}

class JournalFolder : public ::testing::Test {
protected:
    std::string at(const std::string &name) const { return folder_ / name; }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder_.path()))
            if (entry.path().filename() != "lock")
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    void record(const std::string &name, const std::string &text) const {
        std::ofstream(at(name)) << text;
    }
    tarvendi::testing::TempFolder folder_;
    Journal journal_{folder_.path()};
};

// A run that never reached the disk, or in which nothing took place, leaves no record.
TEST_F(JournalFolder, RunLeavesARecordOnlyOfWhatTookPlace) {
    const JournalStep step{StepKind::Rename, "/m/a", "/m/b", {}};
    const auto run = [&](std::size_t steps, bool commit, std::vector<std::size_t> failed) {
        auto r = journal_.begin();
        for (std::size_t i = 0; i < steps; ++i)
            r->add(step);
        if (commit)
            r->commit();
        if (commit)
            r->finish(failed);
    };
    run(2, false, {});
    EXPECT_EQ(files(), std::vector<std::string>{});
    run(2, true, {0, 1});
    EXPECT_EQ(files(), std::vector<std::string>{});
    run(2, true, {1});
    EXPECT_EQ(files().size(), 1u);
    // Killed before its steps reached the disk: nothing is left that the next run or undo reads.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const auto cut = Journal(folder_.path()).begin();
        cut->add(step);
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    run(1, true, {0});
    EXPECT_EQ(files().size(), 1u);
    std::vector<Journal::SetAside> set_aside;
    EXPECT_TRUE(journal_.newest(&set_aside));
    EXPECT_TRUE(set_aside.empty());
}

// The newest record is the one begun last, whatever the clock said; pruning keeps the 50 newest.
TEST_F(JournalFolder, OrderedByNumberNotByClock) {
    const std::string header = R"({"tarvendi_journal":1,"started":"2999-01-01T00:00:00Z"})";
    const std::string finished =
        record_text({header, R"({"folder":"/x"})", R"({"finished":true,"failed":[]})"});
    record("20991231-235959-000000-1.jsonl", finished); // named by a clock far ahead
    for (int i = 1; i <= 50; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "s%012d-29991231T000000Z-1.undone", i);
        record(name, finished);
    }
    {
        auto run = journal_.begin();
        run->add({StepKind::Folder, "/y", {}, {}});
        run->commit();
        run->finish({});
    }
    const std::vector<std::string> kept = files();
    ASSERT_EQ(kept.size(), Journal::kKept);
    EXPECT_TRUE(kept.back().starts_with("s000000000051-")) << kept.back();
    EXPECT_TRUE(kept.front().starts_with("s000000000002-")) << kept.front();
    std::vector<Journal::SetAside> set_aside;
    const auto newest = journal_.newest(&set_aside);
    ASSERT_TRUE(newest);
    EXPECT_EQ(newest->record.steps.at(0).path, "/y");
}

// "No" to the question after a crash marks the cut record on a line of its own; undo then reads
// what was written before the cut. Damaged records are set aside, named with their line, and
// the next older one is undone; one without a step goes.
TEST_F(JournalFolder, CutDamagedAndEmptyRecords) {
    const std::string header = R"({"tarvendi_journal":1})";
    folder_.file("a-moved", "a");
    record(
        "s000000000001-x.jsonl",
        record_text({header, R"({"rename":")" + at("a") + R"(","to":")" + at("a-moved") + R"("})"},
                    R"({"rename":"/m/c)"));
    journal_.mark_interrupted("s000000000001-x.jsonl");
    record("s000000000002-x.jsonl", "");
    record("s000000000003-x.jsonl", record_text({header, "garbage", R"({"folder":"/x"})"}));
    record("s000000000004-x.jsonl", record_text({header}));
    const Journal::Lock lock = journal_.lock(false);
    ASSERT_TRUE(lock);
    std::vector<Journal::SetAside> set_aside;
    const auto newest = journal_.newest(&set_aside);
    ASSERT_TRUE(newest);
    EXPECT_EQ(newest->name, "s000000000001-x.jsonl");
    EXPECT_TRUE(newest->record.interrupted);
    ASSERT_EQ(set_aside.size(), 2u);
    EXPECT_EQ(set_aside[0].name, "s000000000003-x.damaged");
    EXPECT_EQ(set_aside[0].line, 2u);
    EXPECT_EQ(set_aside[1].name, "s000000000002-x.damaged");
    EXPECT_EQ(set_aside[1].line, 1u);
    const UndoResult result = undo_entry(journal_, *newest);
    EXPECT_EQ(result.undone, 1u);
    EXPECT_TRUE(result.refused.empty());
    EXPECT_EQ(folder_.read("a"), "a");
    EXPECT_EQ(files(),
              (std::vector<std::string>{"a", "s000000000001-x.undone", "s000000000002-x.damaged",
                                        "s000000000003-x.damaged"}));
}

// One writer at a time, across processes; a lock whose process was killed is free again.
TEST_F(JournalFolder, OneWriterAtATime) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        Journal other(folder_.path());
        auto run = other.begin();
        run->add({StepKind::Folder, "/x", {}, {}});
        run->commit();
        const char byte = 1;
        if (::write(ready[1], &byte, 1) != 1)
            ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    EXPECT_FALSE(journal_.lock(false)) << "an undo must not take back a record still written";
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    const Journal::Lock lock = journal_.lock(false);
    EXPECT_TRUE(lock);
    std::vector<Journal::SetAside> set_aside;
    const auto cut = journal_.newest(&set_aside);
    ASSERT_TRUE(cut);
    EXPECT_FALSE(cut->record.finished);
}

} // namespace
