#include <gtest/gtest.h>

#include "analysis/indicator_view_logic.h"
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
        // Reachability follows the values that occur: scatter 2 (01 05 09, 02 06 10, ...) is
        // below the displayed formula minimum 3 but real; nothing has scatter 1 or 9.
        {make(IndicatorKind::Scatter, 2, false, 0, true, 2), false},
        {make(IndicatorKind::Scatter, 2, false, 0, true, 1), true},
        {make(IndicatorKind::Scatter, 2, true, 9, false, 0), true},
        {make(IndicatorKind::Scatter, 2, true, 8, false, 0), false},
        {make(IndicatorKind::Repeat, 2, true, 3, false, 0), false},
        {make(IndicatorKind::Repeat, 2, true, 4, false, 0), true},
    };
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(checkSearchSettings(cases[i].s, 100, 11, 3).has_value(), cases[i].refused) << i;
    // No draws at all: the search says so instead of naming a run length range of 1 to 0.
    const auto noDraws = checkSearchSettings(SearchSettings{}, 0, 11, 3);
    ASSERT_TRUE(noDraws.has_value());
    EXPECT_EQ(*noDraws, kNoDrawsHint);
    EXPECT_EQ(lowerCaption(IndicatorKind::Sum), "和值>=");
    EXPECT_EQ(upperCaption(IndicatorKind::Big), "大数个数<=");
}

TEST(TrendSearch, OccurringRangesOfTheIndicators)
{
    struct Case {
        IndicatorKind kind;
        float minimum, maximum;
    };
    // N = 11, k = 3. Scatter 2 is reached although its formula bound starts at 3; the skew's top
    // comes from a reference draw at one end and a combination at the other.
    const Case cases[] = {
        {IndicatorKind::Big, 0, 3},    {IndicatorKind::Odd, 0, 3},     {IndicatorKind::Sum, 6, 30},
        {IndicatorKind::Span, 2, 10},  {IndicatorKind::Scatter, 2, 8}, {IndicatorKind::AC, 2, 3},
        {IndicatorKind::Repeat, 0, 3},
    };
    for (const Case& c : cases) {
        const OccurringRange r = occurringRange(c.kind, 11, 3);
        EXPECT_EQ(r.minimum, c.minimum) << static_cast<int>(c.kind);
        EXPECT_EQ(r.maximum, c.maximum) << static_cast<int>(c.kind);
    }
    const OccurringRange skew = occurringRange(IndicatorKind::Skew, 11, 3);
    EXPECT_EQ(skew.minimum, 0);
    EXPECT_GE(skew.maximum, 4); // at least the oldest draw's own value (11 - 3) / 2
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
