// The journal's text read back as written, and undo against a disk that changed since.

#include "journal.h"
#include "temp_folder.h"
#include "undo.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace tarvendi::core;

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
    std::string text = journal_header("2026-12-07T16:00:00Z", "cli");
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
    EXPECT_TRUE(parse_journal(text + interrupted_line()).interrupted);
    EXPECT_THROW(parse_journal("{\"rename\":\"/a\",\"to\":\"/b\"}\n"), std::exception);
}

class UndoTest : public ::testing::Test {
protected:
    std::string at(const std::string &name) const { return folder_ / name; }
    JournalStep rename(const std::string &from, const std::string &to) const {
        return {StepKind::Rename, at(from), at(to), {}};
    }
    std::vector<std::string> names() const {
        std::vector<std::string> names;
        for (const auto &entry : fs::directory_iterator(folder_.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
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
    };
    const Case cases[] = {
        {"chain back in reverse", {"c", "b"}, {{"b", "c"}, {"a", "b"}}, true, {}, {"a", "b"}, 0},
        {"failed step left alone", {"b", "x"}, {{"a", "b"}, {"x", "y"}}, true, {1}, {"a", "x"}, 0},
        {"renamed again since", {"z"}, {{"a", "b"}}, true, {}, {"z"}, 1},
        {"old name taken since", {"a", "b"}, {{"a", "b"}}, true, {}, {"a", "b"}, 1},
        {"cut short: the disk tells",
         {"b", "c"},
         {{"a", "b"}, {"c", "d"}},
         false,
         {},
         {"a", "c"},
         0},
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
        EXPECT_EQ(undo(record).refused.size(), c.refused) << c.what;
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
    folder_.folder("empty");
    folder_.folder("full");
    folder_.file("full/kept", "k");
    JournalRecord record;
    record.steps = {{StepKind::Tag, at("retagged.mp3"), {}, old_tag},
                    {StepKind::Tag, at("tagged.mp3"), {}, std::nullopt},
                    {StepKind::Tag, at("untagged.mp3"), {}, old_tag},
                    {StepKind::Folder, at("empty"), {}, {}},
                    {StepKind::Folder, at("full"), {}, {}}};
    record.finished = true;
    // The file that lost its tag since, and the folder that is not empty, are refused.
    EXPECT_EQ(undo(record).refused.size(), 2u);
    EXPECT_EQ(folder_.read("retagged.mp3"), audio + old_tag);
    EXPECT_EQ(folder_.read("tagged.mp3"), audio);
    EXPECT_EQ(folder_.read("untagged.mp3"), audio);
    EXPECT_EQ(names(),
              (std::vector<std::string>{"full", "retagged.mp3", "tagged.mp3", "untagged.mp3"}));
}

} // namespace
