#include <gtest/gtest.h>

#include <set>

#include "store/bet_count.h"
#include "store/combination_space.h"
#include "store/demo_draws.h"
#include "store/random_source.h"

using namespace pickora;

TEST(BetCount, LottoIsBinomialDigitIsPower)
{
    struct Case {
        int type, c, a, expected;
    };
    for (const Case& t : {Case{0, 3, 11, 165}, Case{1, 3, 11, 1331}, Case{0, 0, 11, 1},
                          Case{1, 0, 11, 1}, Case{0, -2, 5, 1}, Case{0, 5, 11, 462},
                          Case{0, 4, 3, 0}, Case{0, 1, 7, 7}, Case{0, 10, 40, 847660528}}) {
        EXPECT_EQ(betCount(t.type, t.c, t.a), t.expected)
            << "type " << t.type << " c " << t.c << " a " << t.a;
    }
}

TEST(CombinationSpace, HoldsEveryOrderedTripleInEnumerationOrder)
{
    const CombinationSpace space = buildCombinationSpace(11);
    ASSERT_EQ(space.entries.size(), 990U);
    EXPECT_EQ(space.entries[0].numbers, (std::array{1, 2, 3}));
    EXPECT_EQ(space.entries[1].numbers, (std::array{1, 2, 4}));
    EXPECT_EQ(space.entries[8].numbers, (std::array{1, 2, 11}));
    EXPECT_EQ(space.entries[9].numbers, (std::array{1, 3, 2}));
    EXPECT_EQ(space.entries.back().numbers, (std::array{11, 10, 9}));
    std::set<std::array<int, 3>> distinct;
    for (const CandidateEntry& e : space.entries) {
        EXPECT_EQ(e.excluded, 0);
        distinct.insert(e.numbers);
    }
    EXPECT_EQ(distinct.size(), 990U);
    EXPECT_TRUE(std::is_sorted(space.entries.begin(), space.entries.end(),
                               [](const auto& a, const auto& b) { return a.numbers < b.numbers; }));
}

TEST(SeededRandom, SameSeedSameSequenceAndStaysInRange)
{
    SeededRandom a(7), b(7);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = a.uniform(1, 11);
        EXPECT_EQ(v, b.uniform(1, 11));
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 11);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 11U);
}

TEST(DemoDraws, DeterministicPlausibleIssuesAndDistinctNumbers)
{
    const auto draws = makeDemoDraws(3000, 84, {2026, 3, 2}, 1);
    ASSERT_EQ(draws.size(), 3000U);
    EXPECT_EQ(draws.back().issueText, "26030284");
    // 3000 = 35 full days of 84 plus 60 draws on the first day (draws 25..84 of 26 January).
    EXPECT_EQ(draws.front().issueText, "26012625");
    for (std::size_t i = 1; i < draws.size(); ++i)
        ASSERT_LT(draws[i - 1].issueText, draws[i].issueText);
    EXPECT_EQ(draws[60].issueText, "26012701");
    // The leap day of 2024 is in the calendar.
    EXPECT_EQ(makeDemoDraws(2, 1, {2024, 3, 1}, 1).front().issueText, "24022901");
    for (const StoredDraw& d : draws) {
        std::set<int> numbers(d.numbers.begin(), d.numbers.end());
        ASSERT_EQ(numbers.size(), 5U);
        ASSERT_GE(*numbers.begin(), 1);
        ASSERT_LE(*numbers.rbegin(), 11);
    }
    const auto again = makeDemoDraws(3000, 84, {2026, 3, 2}, 1);
    EXPECT_EQ(again[1234].numbers, draws[1234].numbers);
}
