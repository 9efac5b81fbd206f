// The planner's verdicts on real folders, in run order, what applying the plan leaves, and that
// undoing it from its journal brings every file back under its old name.

#include "apply.h"
#include "journal.h"
#include "pass.h"
#include "pass_run.h"
#include "temp_folder.h"
#include "tmpfs_mount.h"
#include "undo.h"
#include "unprivileged.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using tarvendi::testing::Unprivileged;
using namespace tarvendi::core;

namespace {

struct Case {
    const char *what;
    std::vector<std::string> files;                         // on disk before
    std::vector<std::pair<std::string, std::string>> items; // old name -> new name, run order
    std::vector<std::string> verdicts;
    std::vector<std::string> after; // on disk after the apply, sorted
    Target target = Target::CurrentFolder;
    bool order = false; // swaps and shifts
};

const std::string kLong(256, 'n');

const Case kCases[] = {
    {"chain, blocked first",
     {"a", "b"},
     {{"a", "b"}, {"b", "c"}},
     {"exists", "rename"},
     {"a", "c"}},
    {"chain, freed first", {"a", "b"}, {{"b", "c"}, {"a", "b"}}, {"rename", "rename"}, {"b", "c"}},
    {"swap holds both", {"a", "b"}, {{"a", "b"}, {"b", "a"}}, {"exists", "exists"}, {"a", "b"}},
    {"duplicate", {"a", "b"}, {{"a", "x"}, {"b", "x"}}, {"rename", "duplicate"}, {"b", "x"}},
    {"freed name taken again",
     {"a", "b"},
     {{"a", "c"}, {"b", "a"}},
     {"rename", "rename"},
     {"a", "c"}},
    {"taken then freed",
     {"a", "b"},
     {{"a", "x"}, {"x", "y"}, {"b", "x"}},
     {"rename", "rename", "rename"},
     {"x", "y"}},
    {"freed before and after the first name in use",
     {"a", "b", "c"},
     {{"b", "x"}, {"a", "b"}, {"c", "a"}},
     {"rename", "rename", "rename"},
     {"a", "b", "x"}},
    {"unchanged holds its name",
     {"a", "b"},
     {{"a", "a"}, {"b", "a"}},
     {"unchanged", "exists"},
     {"a", "b"}},
    {"refused holds its name",
     {"a", "b"},
     {{"a", ""}, {"b", "a"}},
     {"invalid", "exists"},
     {"a", "b"}},
    {"missing source refused as the rename will be", {}, {{"gone", "x"}}, {"invalid"}, {}},
    {"invalid names",
     {"f"},
     {{"f", "."},
      {"f", ".."},
      {"f", "x/y"},
      {"f", "a\x01"},
      {"f", kLong},
      {"f", "\x81"},
      {"f", ".hidden"}},
     {"invalid", "invalid", "invalid", "invalid", "invalid", "invalid", "invalid"},
     {"f"}},
    {"hidden stays hidden", {".a"}, {{".a", ".b"}}, {"rename"}, {".b"}},
    {"folder part changed", {"d"}, {{"d/f", "e/f"}}, {"invalid"}, {"d"}, Target::SameFolder},
    // In an order that frees each name before it is taken.
    {"swap, ordered",
     {"a", "b"},
     {{"a", "b"}, {"b", "a"}},
     {"rename", "rename"},
     {"a", "b"},
     Target::CurrentFolder,
     true},
    {"shift in list order",
     {"1", "2", "3"},
     {{"1", "2"}, {"2", "3"}, {"3", "4"}},
     {"exists", "exists", "rename"},
     {"1", "2", "4"}},
    {"shift, ordered",
     {"1", "2", "3"},
     {{"1", "2"}, {"2", "3"}, {"3", "4"}},
     {"rename", "rename", "rename"},
     {"2", "3", "4"},
     Target::CurrentFolder,
     true},
    {"cycle of three and a chain, ordered",
     {"a", "b", "c", "d"},
     {{"a", "b"}, {"d", "e"}, {"b", "c"}, {"c", "a"}},
     {"rename", "rename", "rename", "rename"},
     {"a", "b", "c", "e"},
     Target::CurrentFolder,
     true},
    {"chain ending in a name that stays, ordered",
     {"a", "b", "x"},
     {{"a", "b"}, {"b", "x"}},
     {"exists", "exists"},
     {"a", "b", "x"},
     Target::CurrentFolder,
     true},
    {"duplicate, ordered",
     {"a", "b"},
     {{"a", "x"}, {"b", "x"}},
     {"rename", "duplicate"},
     {"b", "x"},
     Target::CurrentFolder,
     true},
};

class PlanTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override { folder_.enter(); }
    tarvendi::testing::TempFolder folder_;
};

// Takes back the journal's newest record, as both front ends do.
UndoResult undo_newest_record(Journal &journal) {
    const Journal::Lock lock = journal.lock(true);
    std::vector<Journal::SetAside> set_aside;
    const std::optional<Journal::Entry> entry = journal.newest(&set_aside);
    EXPECT_TRUE(set_aside.empty());
    return entry ? undo_entry(journal, *entry) : UndoResult{};
}

std::vector<std::string> names_on_disk() {
    return tarvendi::testing::names_in(".");
}

TEST_P(PlanTest, VerdictsInRunOrderAndTheApplyAgrees) {
    const Case &c = GetParam();
    for (const std::string &name : c.files)
        std::ofstream(name) << name;
    std::vector<PassItem> items;
    for (const auto &[old_name, new_name] : c.items)
        items.push_back({old_name, true, false});
    PassDescription d;
    d.target = c.target;
    d.rule = [&](const RuleInput &in) -> std::optional<std::string> {
        return c.items[static_cast<std::size_t>(in.index)].second;
    };
    Plan plan;
    const std::string here = fs::current_path();
    PassContext preview;
    preview.order = c.order;
    preview.folder = here;
    plan_pass(d, items, preview, plan);
    std::vector<std::string> verdicts;
    for (const PlannedRename &r : plan.renames) {
        verdicts.emplace_back(verdict_word(r.verdict));
        EXPECT_EQ(r.reason.empty(), r.verdict == Verdict::Rename) << plan.new_name(r);
    }
    EXPECT_EQ(verdicts, c.verdicts);

    // An execute lists nothing: names in use are left to the file system.
    Plan executed;
    PassContext execute;
    execute.execute = true;
    execute.order = c.order;
    execute.folder = here;
    plan_pass(d, items, execute, executed);
    std::vector<Verdict> planned_for_execute;
    for (std::size_t i = 0; i < executed.renames.size(); ++i)
        planned_for_execute.push_back(executed.renames[i].verdict);
    for (std::size_t i = 0; i < executed.renames.size(); ++i) {
        // What the disk decides (a name in use, a source gone) is left to the rename itself.
        const Verdict planned = plan.renames[i].verdict;
        const bool on_disk = planned == Verdict::Exists || planned == Verdict::Duplicate ||
                             std::string_view(plan.renames[i].reason) == "找不到文件";
        EXPECT_EQ(executed.renames[i].verdict, on_disk ? Verdict::Rename : planned) << i;
    }
    const tarvendi::testing::TempFolder state;
    Journal journal(state.path());
    const std::vector<RefusedRename> refused = apply_plan(executed, {}, &journal);
    EXPECT_EQ(refused.size(), executed.refusals());
    EXPECT_EQ(names_on_disk(), c.after);
    // In swaps and shifts every file renamed holds what it held under its old name.
    for (const PlannedRename &r : executed.renames) {
        if (c.order && r.verdict == Verdict::Rename) {
            std::ifstream in(std::string(executed.target_name(r)));
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.items[r.item].first);
        }
    }

    std::vector<std::string> before = c.files;
    std::sort(before.begin(), before.end());
    const auto undo_newest = [&] {
        if (journal.has_newest()) {
            EXPECT_TRUE(undo_newest_record(journal).refused.empty());
        }
        EXPECT_EQ(names_on_disk(), before);
        for (const std::string &name : c.files) {
            std::ifstream in(name);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), name) << name;
        }
    };
    undo_newest();

    // The run of a front end leaves the same files, refusals and verdicts.
    Plan along;
    const PassRun run = run_pass(d, items, execute, along, journal);
    EXPECT_FALSE(run.failure);
    EXPECT_EQ(names_on_disk(), c.after);
    ASSERT_EQ(run.refused.size(), refused.size());
    for (std::size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(run.refused[i].source, refused[i].source) << i;
        EXPECT_EQ(run.refused[i].reason, refused[i].reason) << i;
    }
    for (std::size_t i = 0; i < along.renames.size(); ++i)
        EXPECT_EQ(along.renames[i].verdict, executed.renames[i].verdict) << i;
    undo_newest();
}

// here: the current directory, which the test entered.
PassContext executing(const std::string &here) {
    PassContext context;
    context.execute = true;
    context.folder = here;
    return context;
}

// A rule's error keeps what was planned before it, renamed and journaled; a journal that cannot
// be written renames nothing.
TEST(RunPass, StopsWhereThePlanStops) {
    tarvendi::testing::TempFolder folder;
    folder.enter();
    for (const char *name : {"a", "b", "c"})
        std::ofstream(name) << name;
    PassDescription d;
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        if (in.name == "c")
            throw std::runtime_error("stop");
        return std::string(in.name) + "2";
    };
    const std::vector<PassItem> items{{"a", true}, {"b", true}, {"c", true}};
    const std::string here = fs::current_path();
    const PassContext context = executing(here);
    const tarvendi::testing::TempFolder state;
    Journal journal(state.path());
    Plan plan;
    EXPECT_TRUE(run_pass(d, items, context, plan, journal).failure);
    EXPECT_EQ(names_on_disk(), (std::vector<std::string>{"a2", "b2", "c"}));
    EXPECT_TRUE(undo_newest_record(journal).refused.empty());

    // Past the first pieces of the journal.
    std::vector<std::string> many;
    for (int i = 0; i < 1000; ++i)
        std::ofstream(many.emplace_back("m" + std::to_string(i)));
    std::vector<PassItem> many_items;
    for (const std::string &name : many)
        many_items.push_back({name, true});
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        return "n" + std::string(in.name);
    };
    Plan all;
    const PassRun run = run_pass(d, many_items, context, all, journal);
    EXPECT_TRUE(!run.failure && run.refused.empty());
    EXPECT_EQ(names_on_disk().size(), 1003u);
    EXPECT_TRUE(fs::exists("nm0") && fs::exists("nm999"));
    EXPECT_TRUE(undo_newest_record(journal).refused.empty());
    EXPECT_TRUE(fs::exists("m0") && fs::exists("m999"));

    std::ofstream(state.path() + "/not a folder") << "x";
    Journal unwritable(state.path() + "/not a folder");
    Plan again;
    EXPECT_THROW(run_pass(d, items, context, again, unwritable), JournalError);
    EXPECT_TRUE(fs::exists("a") && fs::exists("b") && fs::exists("m0"));
}

// A journal whose disk fills before the first rename: the run says that nothing was done, and
// nothing was, and leaves no record behind.
TEST(RunPass, DiskFullBeforeTheFirstRenameIsToldAsItIs) {
    const tarvendi::testing::TempFolder state;
    const tarvendi::testing::TmpfsMount small(state.path(), "size=32k");
    if (!small.error().empty())
        GTEST_SKIP() << "cannot mount a small tmpfs here: " << small.error();
    tarvendi::testing::TempFolder folder;
    folder.enter();
    std::vector<PassItem> items;
    std::vector<std::string> names;
    for (int i = 0; i < 2000; ++i)
        std::ofstream(names.emplace_back("m" + std::to_string(i))) << i;
    for (const std::string &name : names)
        items.push_back({name, true});
    PassDescription d;
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        return "n" + std::string(in.name);
    };
    Journal journal(state.path() + "/tarvendi");
    Plan plan;
    try {
        run_pass(d, items, executing(folder.path()), plan, journal);
        ADD_FAILURE() << "a full disk went unnoticed";
    } catch (const JournalError &error) {
        EXPECT_TRUE(std::string(error.what()).starts_with("无法写入撤销记录，操作没有执行"))
            << error.what();
    }
    EXPECT_EQ(std::count_if(plan.renames.begin(), plan.renames.end(),
                            [](const PlannedRename &r) { return r.verdict != Verdict::Rename; }),
              0);
    EXPECT_FALSE(journal.has_newest());
    EXPECT_EQ(names_on_disk(), [&] {
        std::vector<std::string> sorted = names;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }());
}

// A swap whose second rename is refused (a file of another user in a sticky folder): the first
// comes back from its temporary name, so nothing is left under a hidden name, and the report
// names each file as it stands.
TEST(ApplyInRunOrder, CycleMemberThatCannotMoveTakesItsNameBack) {
    tarvendi::testing::TempFolder folder;
    folder.enter();
    std::ofstream("a") << "a";
    std::ofstream("b") << "b";
    ASSERT_EQ(::chmod(folder.path().c_str(), 01777), 0);
    ASSERT_EQ(::chown("a", Unprivileged::kNobody, Unprivileged::kNobody), 0);
    PassDescription d;
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        return std::string(in.name == "a" ? "b" : "a");
    };
    const std::vector<PassItem> items{{"a", true}, {"b", true}};
    PassContext context = executing(folder.path());
    context.order = true;
    const tarvendi::testing::TempFolder state;
    ASSERT_EQ(::chmod(state.path().c_str(), 0777), 0);
    Journal journal(state.path());
    Plan plan;
    PassRun run;
    {
        Unprivileged user;
        if (!user.error().empty())
            GTEST_SKIP() << user.error();
        run = run_pass(d, items, context, plan, journal);
    }
    EXPECT_EQ(names_on_disk(), (std::vector<std::string>{"a", "b"}));
    std::ifstream a("a");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}), "a");
    ASSERT_EQ(run.refused.size(), 2u);
    for (const RefusedRename &refused : run.refused)
        EXPECT_TRUE(refused.source == "a" || refused.source == "b") << refused.source;
}

// A swap whose last rename is refused after the other member took the first name (another
// process made "b" meanwhile): the file leaves its hidden temporary name for a free one beside
// its own, the report says where it is, and undo finds it there once "b" is free again.
TEST(ApplyInRunOrder, CycleMemberThatCannotEndItsMoveStaysInSight) {
    tarvendi::testing::TempFolder folder;
    folder.enter();
    std::ofstream("a.txt") << "a";
    std::ofstream("b.txt") << "b";
    PassDescription d;
    d.rule = [](const RuleInput &in) -> std::optional<std::string> {
        return std::string(in.name == "a.txt" ? "b.txt" : "a.txt");
    };
    const std::vector<PassItem> items{{"a.txt", true}, {"b.txt", true}};
    PassContext context = executing(folder.path());
    context.order = true;
    const tarvendi::testing::TempFolder state;
    Journal journal(state.path());
    Plan plan;
    const auto intrude = [](std::size_t leg) {
        if (leg == 2) // a.txt went to its temporary name, b.txt to a.txt
            std::ofstream("b.txt") << "intruder";
    };
    const PassRun run = run_pass(d, items, context, plan, journal, intrude);
    const auto content = [](const char *name) {
        std::ifstream in(name);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(names_on_disk(), (std::vector<std::string>{"a (1).txt", "a.txt", "b.txt"}));
    EXPECT_EQ(content("a (1).txt"), "a");
    ASSERT_EQ(run.refused.size(), 1u);
    EXPECT_EQ(run.refused[0].source, "a (1).txt");

    EXPECT_FALSE(undo_newest_record(journal).refused.empty());
    EXPECT_EQ(names_on_disk(), (std::vector<std::string>{"a (1).txt", "a.txt", "b.txt"}));
    fs::remove("b.txt");
    const UndoResult undone = undo_newest_record(journal);
    EXPECT_TRUE(undone.refused.empty()) << undone.refused.at(0).reason;
    EXPECT_EQ(names_on_disk(), (std::vector<std::string>{"a.txt", "b.txt"}));
    EXPECT_EQ(content("a.txt"), "a");
    EXPECT_EQ(content("b.txt"), "b");
}

// Renames may hang on others far away in the list: in every block of a thousand, the first half
// frees the names that the second half takes. They come out as in list order, every file holding
// what it held under its old name.
TEST(RunPass, LongRunComesOutAsInListOrder) {
    tarvendi::testing::TempFolder folder;
    folder.enter();
    std::vector<std::string> names;
    std::vector<std::string> targets;
    for (int i = 0; i < 3000; ++i) {
        std::ofstream(names.emplace_back("f" + std::to_string(i))) << names.back();
        targets.push_back(i % 1000 < 500 ? "g" + std::to_string(i) : "f" + std::to_string(i - 500));
    }
    std::vector<PassItem> items;
    for (const std::string &name : names)
        items.push_back({name, true});
    PassDescription d;
    d.rule = [&](const RuleInput &in) -> std::optional<std::string> {
        return targets[static_cast<std::size_t>(in.index)];
    };
    const std::string here = fs::current_path();
    const PassContext context = executing(here);
    const tarvendi::testing::TempFolder state;
    Journal journal(state.path());
    Plan plan;
    const PassRun run = run_pass(d, items, context, plan, journal);
    EXPECT_TRUE(!run.failure && run.refused.empty());
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::ifstream in(targets[i]);
        ASSERT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), names[i]) << i;
    }
    EXPECT_TRUE(undo_newest_record(journal).refused.empty());
    EXPECT_EQ(names_on_disk().size(), items.size());
    EXPECT_TRUE(fs::exists("f2999") && !fs::exists("g0"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlanTest, ::testing::ValuesIn(kCases), [](const ::testing::TestParamInfo<Case> &info) {
        std::string name = info.param.what;
        std::replace_if(
            name.begin(), name.end(),
            [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
        return name;
    });

} // namespace
