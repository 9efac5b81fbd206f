// The shared rename pass on real files: which items it walks, how it forms targets, and what it
// refuses instead of moving or overwriting.

#include "apply.h"
#include "pass.h"
#include "temp_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace tarvendi::core;

namespace {

class RenamePassTest : public ::testing::Test {
protected:
    void SetUp() override { folder_.enter(); }
    static void touch(const std::string &name) { std::ofstream(name) << name; }

    // The preview lines and, on execute, what was refused, as a window's pass shows them.
    struct Outcome {
        std::vector<std::string> preview;
        std::vector<RefusedRename> refused;
    };
    Outcome run(const PassDescription &d, const std::vector<PassItem> &items, bool execute,
                std::string_view folder = {}) {
        Plan plan;
        PassContext context;
        context.execute = execute;
        context.folder = folder.empty() ? std::string_view(folder_.path()) : folder;
        context.entries = !folder.empty();
        plan_pass(d, items, context, plan);
        Outcome outcome;
        for (const PlannedRename &r : plan.renames)
            outcome.preview.push_back(plan.shown(r));
        outcome.refused = execute ? apply_plan(plan) : plan.refused;
        return outcome;
    }

    tarvendi::testing::TempFolder folder_;
};

PassDescription numbering(std::int32_t start) {
    PassDescription d;
    d.start_number = [start] {
        return start;
    };
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        return std::to_string(in.counter) + "-" + in.name;
    };
    return d;
}

TEST_F(RenamePassTest, SkipsUncheckedAndRuleRefusedItemsWithoutNumbering) {
    PassDescription d = numbering(5);
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        if (in.name == "skip")
            return std::nullopt;
        return std::to_string(in.counter) + in.name;
    };
    const auto outcome =
        run(d, {{"a", true}, {"b", false, {}}, {"skip", true}, {"c", true}}, false);
    EXPECT_EQ(outcome.preview, (std::vector<std::string>{"5a", "6c"}));
}

TEST_F(RenamePassTest, CounterWrapsAtTheTopOfTheRange) {
    const auto outcome = run(numbering(2147483647), {{"a", true}, {"b", true}}, false);
    EXPECT_EQ(outcome.preview, (std::vector<std::string>{"2147483647-a", "-2147483648-b"}));
}

TEST_F(RenamePassTest, DotEntriesArePassedOverWhereverTheySort) {
    PassDescription d = numbering(1);
    d.checked_only = false;
    const auto outcome =
        run(d, {{"-old", true}, {".", true, true}, {"..", true, true}, {"~ro.txt", true}}, false);
    EXPECT_EQ(outcome.preview, (std::vector<std::string>{"1--old", "2-~ro.txt"}));
}

TEST_F(RenamePassTest, RefusesWhatWouldHideAFileAndWhatARuleCouldNotDo) {
    touch("123.txt");
    touch(".cfg");
    touch("tag.mp3");
    PassDescription d;
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        if (in.name == "tag.mp3")
            throw ItemRefused{"write failed"};
        return in.name == ".cfg" ? ".cfg2" : ".txt";
    };
    const auto outcome = run(d, {{"123.txt", true}, {".cfg", true}, {"tag.mp3", true}}, true);
    ASSERT_EQ(outcome.refused.size(), 2u);
    EXPECT_EQ(outcome.refused[0].source, "tag.mp3");
    EXPECT_EQ(outcome.refused[0].reason, "write failed");
    EXPECT_EQ(outcome.refused[1].source, "123.txt");
    EXPECT_EQ(outcome.refused[1].reason, "新名称以\".\"开头，文件会被隐藏");
    EXPECT_EQ(outcome.preview, (std::vector<std::string>{".txt", ".cfg2"}));
    EXPECT_TRUE(fs::exists("123.txt"));
    EXPECT_TRUE(fs::exists(".cfg2"));
}

TEST_F(RenamePassTest, TrimmedRuleInputRenamesTheItemAsItStands) {
    touch(" a.txt");
    touch("a.txt");
    PassDescription d;
    d.trim = true;
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        return "new-" + in.name;
    };
    const auto outcome = run(d, {{" a.txt", true}}, true);
    EXPECT_TRUE(outcome.refused.empty());
    EXPECT_TRUE(fs::exists("new-a.txt"));
    EXPECT_TRUE(fs::exists("a.txt"));
    EXPECT_FALSE(fs::exists(" a.txt"));
}

TEST_F(RenamePassTest, WholePathRuleMayNotChangeTheFolderPart) {
    fs::create_directories("one");
    fs::create_directories("two");
    touch("one/x.txt");
    touch("one/y.txt");
    const std::string base = fs::current_path().string();
    PassDescription d;
    d.target = Target::SameFolder;
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        std::string out = in.name;
        const auto at = out.find(
            in.name.back() == 't' && in.name.find("x.txt") != std::string::npos ? "one" : "y.txt");
        return out.replace(at, 3, in.name.find("x.txt") != std::string::npos ? "two" : "z.t");
    };
    const auto outcome = run(d, {{base + "/one/x.txt", true}, {base + "/one/y.txt", true}}, true);
    ASSERT_EQ(outcome.refused.size(), 1u);
    EXPECT_EQ(outcome.refused[0].source, base + "/one/x.txt");
    EXPECT_TRUE(fs::exists("one/x.txt"));
    EXPECT_FALSE(fs::exists("two/x.txt"));
    EXPECT_TRUE(fs::exists("one/z.txt"));
}

TEST_F(RenamePassTest, TargetsAndPreviewLinesPerForm) {
    fs::create_directories("dest");
    touch("f.txt");
    touch("g.txt");
    const std::string base = fs::current_path().string();
    PassDescription d;
    d.target = Target::InFolder;
    d.folder = base + "/dest";
    d.preview = PreviewShows::FullTargetOnExecute;
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        return "moved-" + in.name;
    };
    EXPECT_EQ(run(d, {{"f.txt", true}}, false).preview, (std::vector<std::string>{"moved-f.txt"}));
    EXPECT_EQ(run(d, {{"f.txt", true}}, true).preview,
              (std::vector<std::string>{base + "/dest/moved-f.txt"}));
    EXPECT_TRUE(fs::exists("dest/moved-f.txt"));

    d.folder.reset();
    d.preview = PreviewShows::FullTarget;
    const auto listed = run(d, {{"g.txt", true}}, true, base);
    EXPECT_EQ(listed.preview, (std::vector<std::string>{base + "/moved-g.txt"}));
    EXPECT_TRUE(fs::exists("moved-g.txt"));
}

TEST_F(RenamePassTest, RuleMadeSlashIsRefusedNotAMove) {
    fs::create_directories("sub");
    touch("a.txt");
    PassDescription d;
    d.rule = [](const RuleInput &) -> std::optional<std::string> {
        return "sub/a.txt";
    };
    const auto outcome = run(d, {{"a.txt", true}}, true);
    ASSERT_EQ(outcome.refused.size(), 1u);
    EXPECT_TRUE(fs::exists("a.txt"));
    EXPECT_FALSE(fs::exists("sub/a.txt"));
}

TEST_F(RenamePassTest, ErrorInTheRuleKeepsWhatWasDone) {
    touch("a");
    touch("b");
    PassDescription d;
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        if (in.name == "b")
            throw std::runtime_error("stop");
        return std::string("a2");
    };
    // What was planned before the error is judged all the same, in a preview as in an execute.
    for (const bool execute : {false, true}) {
        Plan plan;
        PassContext context;
        context.execute = execute;
        context.folder = folder_.path();
        const std::vector<PassItem> items{{"a", true}, {"a", true}, {"b", true}};
        EXPECT_THROW(plan_pass(d, items, context, plan), std::runtime_error);
        ASSERT_EQ(plan.renames.size(), 2u);
        EXPECT_EQ(plan.shown(plan.renames[0]), "a2");
        EXPECT_EQ(plan.renames[0].verdict, Verdict::Rename);
        EXPECT_EQ(plan.renames[1].verdict, execute ? Verdict::Rename : Verdict::Duplicate);
        if (execute) {
            EXPECT_EQ(apply_plan(plan).size(), 1u);
            EXPECT_TRUE(fs::exists("a2"));
        }
    }
}

// A pass's folder that has no disk form (a name read with a byte that is not UTF-8) leaves its
// relative paths nowhere: they are refused, never tried from the root.
TEST_F(RenamePassTest, FolderWithoutADiskFormRenamesNothing) {
    touch("a");
    PassDescription d;
    d.rule = [](const RuleInput &) -> std::optional<std::string> {
        return "b";
    };
    const std::vector<PassItem> items{{"a", true}};
    PassContext context;
    context.execute = true;
    const std::string folder = folder_.path() + "/\xFE\x39\x81\x30";
    context.folder = folder;
    Plan plan;
    plan_pass(d, items, context, plan);
    const std::vector<RefusedRename> refused = apply_plan(plan);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].reason, "名称无法转换编码");
    EXPECT_TRUE(fs::exists("a"));
}

} // namespace
