#include <gtest/gtest.h>

#include "analysis/trend_search.h"

using namespace pickora;

namespace {

std::vector<Draw> draws(std::vector<std::array<int, 3>> numbers)
{
    std::vector<Draw> out;
    for (const auto& n : numbers) {
        Draw d;
        d.issue = static_cast<int>(out.size()) + 1;
        d.numbers = {n[0], n[1], n[2], 0, 0};
        out.push_back(d);
    }
    return out;
}

} // namespace

TEST(TrendSearch, SettingsThatCanNeverStopAreRefused)
{
    struct Case {
        SearchSettings s;
        bool refused;
    };
    const auto make = [](IndicatorKind kind, int run, bool lowerTicked, int lower, bool upperTicked,
                         int upper) {
        return SearchSettings{kind, run, lowerTicked, lower, upperTicked, upper};
    };
    const std::vector<Case> cases = {
        {make(IndicatorKind::Big, 2, true, 3, true, 0), false},
        {make(IndicatorKind::Big, 2, false, 3, false, 0), true},
        {make(IndicatorKind::Big, 0, true, 3, false, 0), true},
        {make(IndicatorKind::Big, 101, true, 3, false, 0), true}, // more than the 100 draws
        {make(IndicatorKind::Big, 100, true, 3, false, 0), false},
        {make(IndicatorKind::Big, 2, true, 4, false, 0), true},   // above the maximum 3
        {make(IndicatorKind::Big, 2, true, 4, true, 0), false},   // the upper test still can
        {make(IndicatorKind::Sum, 2, false, 0, true, 5), true},   // below the minimum 6
        {make(IndicatorKind::Sum, 2, false, 0, true, 6), false},
    };
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(checkSearchSettings(cases[i].s, 100, 11, 3).has_value(), cases[i].refused) << i;
    EXPECT_EQ(lowerCaption(IndicatorKind::Sum), "和值>=");
    EXPECT_EQ(upperCaption(IndicatorKind::Big), "大数个数<=");
}

TEST(TrendSearch, NewestValuesAndTheStopTest)
{
    const auto history = draws({{1, 2, 3}, {6, 7, 8}, {9, 10, 11}});
    EXPECT_EQ(newestIndicatorValues(IndicatorKind::Big, history, 2, 11, 3), (std::vector<float>{3, 3}));
    EXPECT_EQ(newestIndicatorValues(IndicatorKind::Skew, history, 3, 11, 3).front(), 4.0f);
    EXPECT_EQ(newestIndicatorValues(IndicatorKind::Repeat, history, 3, 11, 3).front(), 0.0f);
    EXPECT_EQ(newestIndicatorValues(IndicatorKind::Sum, history, 1, 11, 3), (std::vector<float>{30}));

    SearchSettings s; // big count, L = 2, >= 3 or <= 0
    const std::vector<float> allBig = {3, 3}, allSmall = {0, 0}, mixed = {3, 0};
    EXPECT_TRUE(searchStops(s, allBig));
    EXPECT_TRUE(searchStops(s, allSmall));
    EXPECT_FALSE(searchStops(s, mixed));
    s.lowerTicked = false;
    EXPECT_FALSE(searchStops(s, allBig));
    EXPECT_TRUE(searchStops(s, allSmall));
}

TEST(CompoundSearch, RankAbsentLongest)
{
    // Ranks 4..11 never drawn: omission D = 3 for each; the exchange leaves rank 11 last.
    const auto history = draws({{1, 2, 3}, {1, 2, 3}, {1, 2, 3}});
    const AbsentRank never = longestAbsentRank(history, 11, 3);
    EXPECT_EQ(never.omission, 3);
    EXPECT_EQ(never.rank, 11);
    // Rank 5 last seen four draws before the newest: the longest absence.
    const auto seen = draws({{5, 1, 2}, {3, 4, 6}, {7, 8, 9}, {10, 11, 1}, {2, 3, 4},
                             {6, 7, 8}, {9, 10, 11}, {1, 2, 3}, {4, 6, 7}});
    const AbsentRank five = longestAbsentRank(seen, 11, 3);
    EXPECT_EQ(five.rank, 5);
    EXPECT_EQ(five.omission, 8);
    EXPECT_EQ(longestAbsentRank({}, 11, 3).omission, 0);
}
