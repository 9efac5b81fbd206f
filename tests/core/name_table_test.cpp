// The planner's table of names: every listed and added name is found with its holder, also
// across the growth of the table and the chunks that hold added names.

#include "name_table.h"
#include "text_arena.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tarvendi::core;

namespace {

// Distinct names of every length a file name can have (up to 255 bytes).
std::string name(std::size_t i) {
    return (std::to_string(i) + std::string(i % 255, static_cast<char>('a' + i % 26)))
        .substr(0, 255);
}

TEST(NameTable, FindsWhatItHoldsAndNothingElse) {
    std::string listing;
    for (std::size_t i = 0; i < 1000; ++i)
        listing += name(i) + '\0';
    NameTable table;
    table.adopt(std::make_shared<const std::string>(listing),
                0); // no room foreseen: the additions below make it grow
    for (std::size_t i = 1000; i < 30000; ++i)
        ASSERT_EQ(table.take(name(i)), Holder::Nobody) << i;
    // Freed names are taken again; names the disk or the run holds are left as they are.
    for (std::size_t i = 0; i < 30000; i += 3)
        *table.find(name(i)) = Holder::Nobody;
    for (std::size_t i = 0; i < 30000; i += 2)
        EXPECT_EQ(table.take(name(i)), i % 3 == 0 ? Holder::Nobody
                                       : i < 1000 ? Holder::Disk
                                                  : Holder::Run)
            << i;
    for (std::size_t i = 0; i < 30000; ++i) {
        const Holder *holder = table.find(name(i));
        ASSERT_NE(holder, nullptr) << i;
        const Holder expected = i % 3 == 0 ? (i % 2 == 0 ? Holder::Run : Holder::Nobody)
                                : i < 1000 ? Holder::Disk
                                           : Holder::Run;
        EXPECT_EQ(*holder, expected) << i;
    }
    EXPECT_EQ(table.find("absent"), nullptr);
    EXPECT_EQ(table.find(name(5).substr(0, 3)), nullptr);
}

} // namespace

namespace {

// Texts land in chunks; one longer than a chunk gets its own, and every position stays readable.
TEST(TextArena, KeepsEveryTextWhereItSaidItIs) {
    TextArena arena;
    const std::vector<std::string> texts{"a", std::string(3 << 20, 'L'), "b",
                                         "",  std::string(1 << 20, 'M'), "c"};
    std::vector<std::uint32_t> positions;
    for (const std::string &text : texts)
        positions.push_back(arena.add(text));
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(arena.at(positions[i], texts[i].size()), texts[i]) << i;
}

} // namespace
