// An apply stopped in its middle: what it renamed, what the plan and the journal say of it, and
// that undo takes back exactly that much.

#include "apply.h"
#include "journal.h"
#include "pass.h"
#include "temp_folder.h"
#include "undo.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace tarvendi::core;

namespace {

constexpr std::size_t kNever = static_cast<std::size_t>(-1);

struct Case {
    const char *what;
    std::vector<std::pair<std::string, std::string>> items; // old name -> new name, list order
    bool order;                                             // swaps and shifts
    std::size_t ask_at;             // the stop is asked while the progress hears this leg (from 0)
    std::size_t renamed;            // renames made
    std::vector<std::string> after; // on disk, sorted
};

const std::vector<std::pair<std::string, std::string>> kFive = {
    {"f0", "g0"}, {"f1", "g1"}, {"f2", "g2"}, {"f3", "g3"}, {"f4", "g4"}};
// Two cycles, each through a temporary name (a -> t, b -> a, t -> b).
const std::vector<std::pair<std::string, std::string>> kTwoSwaps = {
    {"a", "b"}, {"b", "a"}, {"c", "d"}, {"d", "c"}};

const Case kCases[] = {
    {"after three", kFive, false, 3, 3, {"f3", "f4", "g0", "g1", "g2"}},
    {"before the first", kFive, false, 0, 0, {"f0", "f1", "f2", "f3", "f4"}},
    {"never asked", kFive, false, kNever, 5, {"g0", "g1", "g2", "g3", "g4"}},
    {"inside a cycle, which ends first", kTwoSwaps, true, 1, 2, {"a", "b", "c", "d"}},
};

std::vector<std::string> names_on_disk() {
    return tarvendi::testing::names_in(".");
}

std::string read(const std::string &path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

UndoResult undo_newest_record(Journal &journal) {
    const Journal::Lock lock = journal.lock(true);
    std::vector<Journal::SetAside> set_aside;
    const std::optional<Journal::Entry> entry = journal.newest(&set_aside);
    return entry ? undo_entry(journal, *entry) : UndoResult{};
}

// The plan of an execute that gives each item its new name; here is the current folder. The
// items and the plan refer to renames.
void plan_renames(const std::vector<std::pair<std::string, std::string>> &renames, bool order,
                  std::vector<PassItem> &items, Plan &plan, const std::string &here) {
    for (const auto &[old_name, new_name] : renames)
        items.push_back({old_name, true, false});
    PassDescription d;
    d.rule = [&](const RuleInput &in) -> std::optional<std::string> {
        return renames[static_cast<std::size_t>(in.index)].second;
    };
    PassContext context;
    context.execute = true;
    context.order = order;
    context.folder = here;
    plan_pass(d, items, context, plan);
}

class StopTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override { folder_.enter(); }
    tarvendi::testing::TempFolder folder_;
};

TEST_P(StopTest, RenamesWhatItReachedAndUndoTakesBackJustThat) {
    const Case &c = GetParam();
    std::vector<std::string> before;
    for (const auto &[old_name, new_name] : c.items)
        std::ofstream(before.emplace_back(old_name)) << old_name;
    std::sort(before.begin(), before.end());
    std::vector<PassItem> items;
    Plan plan;
    plan_renames(c.items, c.order, items, plan, fs::current_path());

    const tarvendi::testing::TempFolder state;
    Journal journal(state.path());
    ApplyStop stop;
    std::size_t heard = 0;
    const std::vector<RefusedRename> refused = apply_plan(
        plan,
        [&](std::size_t) {
            if (heard++ == c.ask_at)
                stop.asked = true;
        },
        &journal, &stop);
    EXPECT_TRUE(refused.empty());
    EXPECT_EQ(names_on_disk(), c.after);
    EXPECT_EQ(stop.stopped, c.renamed < c.items.size());
    // What was not reached is no part of the plan, and what is left was renamed.
    EXPECT_EQ(plan.renames.size(), c.renamed);
    EXPECT_TRUE(std::all_of(plan.renames.begin(), plan.renames.end(),
                            [](const PlannedRename &r) { return r.verdict == Verdict::Rename; }));
    for (const PlannedRename &r : plan.renames)
        EXPECT_EQ(read(std::string(plan.target_name(r))), c.items[r.item].first);

    // Its record ends as stopped, every step past those taken among the failed.
    const std::vector<std::string> records =
        tarvendi::platform::files_ending_with(state.path(), ".jsonl");
    ASSERT_EQ(records.size(), c.renamed == 0 ? 0u : 1u);
    if (c.renamed != 0) {
        const std::string text = read(state.path() + "/" + records.front());
        const JournalRecord record = parse_journal(text);
        const std::size_t taken = record.steps.size() - record.failed.size();
        EXPECT_TRUE(record.finished);
        EXPECT_TRUE(record.failed.empty() || record.failed.front() == taken);
        EXPECT_EQ(text.ends_with(",\"stopped\":true}\n"), stop.stopped) << text;
    }

    const UndoResult undone = undo_newest_record(journal);
    EXPECT_TRUE(undone.refused.empty());
    EXPECT_EQ(names_on_disk(), before);
    for (const std::string &name : before)
        EXPECT_EQ(read(name), name);
}

INSTANTIATE_TEST_SUITE_P(Stops, StopTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case> &info) {
                             std::string name = info.param.what;
                             std::replace_if(
                                 name.begin(), name.end(), [](char c) { return !std::isalnum(c); },
                                 '_');
                             return name;
                         });

// A cycle whose first leg fails (its source went away since the plan) is refused once, and its
// last leg, journaled but never taken, is not undone: undo brings back what the run did.
TEST(Apply, CycleWhoseFirstLegFailsIsToldOnceAndUndoneExactly) {
    tarvendi::testing::TempFolder folder;
    folder.enter();
    for (const char *name : {"a", "b"})
        std::ofstream(name) << name;
    const std::vector<std::pair<std::string, std::string>> swap = {{"a", "b"}, {"b", "a"}};
    std::vector<PassItem> items;
    Plan plan;
    plan_renames(swap, true, items, plan, fs::current_path());
    fs::remove("a");
    const tarvendi::testing::TempFolder state;
    Journal journal(state.path());
    const std::vector<RefusedRename> refused = apply_plan(plan, {}, &journal);
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused.front().source, "a");
    EXPECT_EQ(names_on_disk(), std::vector<std::string>{"a"});
    const UndoResult undone = undo_newest_record(journal);
    EXPECT_TRUE(undone.refused.empty()) << undone.refused.front().reason;
    EXPECT_EQ(names_on_disk(), std::vector<std::string>{"b"});
}

} // namespace
