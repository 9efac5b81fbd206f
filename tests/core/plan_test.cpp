// The planner's verdicts on real folders, in run order, what applying the plan leaves, and that
// undoing it from its journal brings every file back under its old name.

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
    {"missing source still planned", {}, {{"gone", "x"}}, {"rename"}, {}},
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

std::vector<std::string> names_on_disk() {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator("."))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
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
    PassContext preview;
    preview.order = c.order;
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
    plan_pass(d, items, execute, executed);
    for (std::size_t i = 0; i < executed.renames.size(); ++i) {
        const Verdict planned = plan.renames[i].verdict;
        const bool in_use = planned == Verdict::Exists || planned == Verdict::Duplicate;
        EXPECT_EQ(executed.renames[i].verdict, in_use ? Verdict::Rename : planned) << i;
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

    if (const std::optional<std::string> run = journal.newest()) {
        EXPECT_TRUE(undo(journal.load(*run)).empty());
    }
    std::vector<std::string> before = c.files;
    std::sort(before.begin(), before.end());
    EXPECT_EQ(names_on_disk(), before);
    for (const std::string &name : c.files) {
        std::ifstream in(name);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), name) << name;
    }
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
