#include "commuting_runs.h"

#include <gtest/gtest.h>

namespace tarvendi::core {
namespace {

using Renames = std::vector<std::pair<std::string, std::string>>;

struct Case {
    std::string what;
    Renames renames;
    std::optional<std::string> folder;
    std::vector<std::uint32_t> starts; // when the folder is shared
};

std::vector<Case> cases() {
    std::vector<Case> cases = {
        {"names apart", {{"a", "b"}, {"c", "d"}, {"e", "f"}}, "", {0}},
        {"target freed earlier", {{"a", "b"}, {"c", "a"}}, "", {0, 1}},
        {"source made earlier", {{"a", "b"}, {"b", "c"}}, "", {0, 1}},
        {"same target", {{"a", "x"}, {"b", "x"}}, "", {0, 1}},
        {"a new run forgets the names before it",
         {{"a", "b"}, {"c", "a"}, {"d", "b"}, {"e", "c"}},
         "",
         {0, 1, 3}},
        {"one folder", {{"/m/a", "/m/b"}, {"/m/c", "/m/a"}}, "/m/", {0, 1}},
        {"two folders", {{"a", "b"}, {"sub/c", "sub/d"}}, std::nullopt, {}},
        {"one folder written two ways", {{"/m/a", "/m/b"}, {"/m/./c", "/m/./d"}}, std::nullopt, {}},
        {"into another folder", {{"a", "sub/a"}}, std::nullopt, {}},
        {"a folder's path", {{"d/", "e"}}, std::nullopt, {}},
    };
    // Past the table's first size, and a run for every rename.
    Case apart{"many names apart", {}, "", {0}};
    Case chain{"a chain", {}, "", {}};
    for (std::uint32_t i = 0; i < 3000; ++i) {
        apart.renames.push_back({"a" + std::to_string(i), "b" + std::to_string(i)});
        chain.renames.push_back({"n" + std::to_string(i), "n" + std::to_string(i + 1)});
        chain.starts.push_back(i);
    }
    cases.push_back(apart);
    cases.push_back(chain);
    return cases;
}

TEST(CommutingRuns, EndsARunBeforeARenameThatTouchesItsNames) {
    CommutingRuns runs;
    for (const Case &c : cases()) {
        runs.clear();
        for (const auto &[source, target] : c.renames)
            runs.add(source, target);
        ASSERT_EQ(runs.folder(), c.folder) << c.what;
        if (c.folder) {
            EXPECT_EQ(runs.starts(), c.starts) << c.what;
        }
    }
}

} // namespace
} // namespace tarvendi::core
