// The classes that cross threads, at their hard cases: a full queue, an end while the other side
// waits, a judge that throws, and a judging thread that is left without finishing. Built with
// ThreadSanitizer, these are what proves them free of races.

#include "handover.h"
#include "judge_beside.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <thread>

using namespace tarvendi::core;
using namespace std::chrono_literals;

namespace {

// A giver that finds the queue full waits for the taker, and every item comes out once, in order.
TEST(Handover, FullQueueHoldsTheGiverAndKeepsTheOrder) {
    Handover<std::vector<int>> handover(4);
    std::atomic<int> given = 0;
    std::thread giver([&] {
        std::vector<int> batch;
        for (int i = 0; i < 300; ++i) {
            batch.assign({3 * i, 3 * i + 1, 3 * i + 2});
            handover.give(batch);
            EXPECT_TRUE(batch.empty());
            ++given;
        }
        handover.close();
    });
    // Two batches make six waiting items: the third give waits for a take.
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(given.load(), 2);
    std::vector<int> batch;
    int next = 0;
    while (handover.take(batch))
        for (int item : batch)
            ASSERT_EQ(item, next++);
    giver.join();
    EXPECT_EQ(next, 900);
}

// A taker that waits on an empty queue hears the end, and takes nothing more.
TEST(Handover, CloseWakesTheWaitingTaker) {
    Handover<std::vector<int>> handover(8);
    std::atomic<bool> ended = false;
    std::thread taker([&] {
        std::vector<int> batch;
        EXPECT_FALSE(handover.take(batch));
        ended = true;
    });
    std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(ended.load());
    handover.close();
    taker.join();
    EXPECT_TRUE(ended.load());
}

struct Renames {
    std::vector<std::string> names;
    std::vector<PassItem> items;
    Plan plan;
    explicit Renames(int count) {
        for (int i = 0; i < count; ++i)
            names.push_back("n" + std::to_string(i));
        for (const std::string &name : names)
            items.push_back({name, true});
        plan.items = &items;
        plan.renames.reserve(items.size());
    }
    PlannedRename &add(int index) {
        PlannedRename r;
        r.item = static_cast<std::uint32_t>(index);
        return plan.renames.emplace_back(r);
    }
};

struct JudgeCase {
    const char *what;
    bool beside;
    std::size_t most;   // renames that may wait for the judging thread
    int throws_at = -1; // the judge throws at this rename
};

class JudgeBesideTest : public ::testing::TestWithParam<JudgeCase> {};

// Each rename is judged once, in order, with its source and target, on the thread that the size
// of the pass chose; a judge that throws stops the judging there, and the renames after it stand
// as they were.
TEST_P(JudgeBesideTest, JudgesInOrderAndStopsAtAThrow) {
    const JudgeCase &c = GetParam();
    Renames renames(3000);
    std::vector<int> judged;
    const std::thread::id caller = std::this_thread::get_id();
    JudgeBeside judge(
        renames.plan,
        [&](PlannedRename &r, TargetCheck::Source source, std::string_view, std::string_view name) {
            EXPECT_EQ(std::this_thread::get_id() == caller, !c.beside);
            if (static_cast<int>(r.item) == c.throws_at)
                throw std::runtime_error("judge failed");
            EXPECT_EQ(source.second, renames.names[r.item]);
            EXPECT_EQ(name, "t" + renames.names[r.item]);
            judged.push_back(static_cast<int>(r.item));
            r.verdict = Verdict::Exists;
        },
        c.beside, c.most);
    std::vector<std::string> targets;
    targets.reserve(renames.names.size());
    bool thrown = false;
    try {
        for (int i = 0; i < 3000; ++i)
            judge.add(renames.add(i), targets.emplace_back("t" + renames.names[i]));
        judge.finish();
    } catch (const std::runtime_error &) {
        thrown = true;
    }
    EXPECT_EQ(thrown, c.throws_at >= 0);
    const int judged_count = c.throws_at >= 0 ? c.throws_at : 3000;
    ASSERT_EQ(judged.size(), static_cast<std::size_t>(judged_count));
    for (int i = 0; i < judged_count; ++i)
        EXPECT_EQ(judged[static_cast<std::size_t>(i)], i);
    for (const PlannedRename &r : renames.plan.renames)
        ASSERT_EQ(r.verdict,
                  static_cast<int>(r.item) < judged_count ? Verdict::Exists : Verdict::Rename);
}

INSTANTIATE_TEST_SUITE_P(Table, JudgeBesideTest,
                         ::testing::Values(JudgeCase{"on_the_calling_thread", false, 1},
                                           JudgeCase{"beside", true, 1 << 16},
                                           JudgeCase{"beside_with_a_full_queue", true, 1},
                                           JudgeCase{"calling_thread_throws", false, 1, 1700},
                                           JudgeCase{"beside_throws", true, 1 << 16, 1700},
                                           JudgeCase{"beside_throws_at_the_first", true, 1, 0}),
                         [](const auto &info) { return std::string(info.param.what); });

// Rules that fail leave the judging without finish(): the thread still judges what it was
// handed, ends, and touches nothing after the judge is gone.
TEST(JudgeBeside, LeftWhileBusyJudgesWhatItWasHandedAndEnds) {
    Renames renames(2048);
    std::atomic<int> judged = 0;
    {
        JudgeBeside judge(
            renames.plan,
            [&](PlannedRename &, TargetCheck::Source, std::string_view, std::string_view) {
                std::this_thread::sleep_for(1us);
                ++judged;
            },
            true, 64);
        for (int i = 0; i < 2048; ++i)
            judge.add(renames.add(i), "t");
    }
    EXPECT_EQ(judged.load(), 2048);
}

} // namespace
