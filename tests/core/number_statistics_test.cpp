#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <initializer_list>
#include <vector>

#include "analysis/number_statistics.h"
#include "store/draw_history.h"
#include "store/random_source.h"

using namespace pickora;

namespace {

constexpr int N = 11;

std::vector<std::uint32_t> masks(std::initializer_list<std::initializer_list<int>> draws)
{
    std::vector<std::uint32_t> result;
    for (const auto& draw : draws) {
        std::uint32_t mask = 0;
        for (const int x : draw)
            mask |= 1U << x;
        result.push_back(mask);
    }
    return result;
}

// Six draws, oldest first. 1 is in every draw, 5 only in the oldest, 10 only in the newest,
// 8 and 11 never; 7 comes twice in a row; 3's longest absence lies between its appearances.
const std::vector<std::uint32_t> kHistory = masks({
    {1, 2, 5},
    {1, 3, 6},
    {1, 4, 7},
    {1, 2, 7},
    {1, 3, 9},
    {1, 4, 10},
});

} // namespace

TEST(NumberStatistics, HandWorkedHistory)
{
    struct Case {
        int number;
        int appearances;
        const char* mean;
        int maxOmission;
        int maxRun;
        int current;
    };
    const Case cases[] = {
        {1, 6, "0.0", 0, 6, 0},  // drawn in every draw
        {11, 0, "6.0", 6, 0, 6}, // never drawn: the whole history is one absence
        {10, 1, "2.5", 5, 1, 0}, // only the newest
        {5, 1, "2.5", 5, 1, 5},  // only the oldest: the longest absence is the current one
        {2, 2, "1.3", 2, 1, 2},  // absences 0, 2, 2
        {3, 2, "1.3", 2, 1, 1},  // absences 1, 2, 1: the longest lies between
        {7, 2, "1.3", 2, 2, 2},  // two in a row
    };
    const std::vector<NumberStatistics> stats = numberStatistics(kHistory, N);
    ASSERT_EQ(stats.size(), 11U);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const NumberStatistics& s = stats[c.number - 1];
        EXPECT_EQ(statisticText(s, StatisticRow::Appearances), std::to_string(c.appearances));
        EXPECT_EQ(statisticText(s, StatisticRow::MeanOmission), c.mean);
        EXPECT_EQ(statisticText(s, StatisticRow::MaxOmission), std::to_string(c.maxOmission));
        EXPECT_EQ(statisticText(s, StatisticRow::MaxRun), std::to_string(c.maxRun));
        EXPECT_EQ(statisticText(s, StatisticRow::CurrentOmission), std::to_string(c.current));
    }
}

TEST(NumberStatistics, EmptyHistoryAndCaptions)
{
    const std::vector<NumberStatistics> stats = numberStatistics({}, N);
    ASSERT_EQ(stats.size(), 11U);
    for (const NumberStatistics& s : stats) {
        EXPECT_EQ(statisticText(s, StatisticRow::Appearances), "0");
        EXPECT_EQ(statisticText(s, StatisticRow::MeanOmission), "0.0");
        EXPECT_EQ(statisticText(s, StatisticRow::MaxOmission), "0");
        EXPECT_EQ(statisticText(s, StatisticRow::CurrentOmission), "0");
    }
    const char* captions[] = {"出现次数", "平均遗漏", "最大遗漏", "最大连出", "当前遗漏"};
    for (int r = 0; r < kStatisticRows; ++r)
        EXPECT_EQ(statisticCaption(static_cast<StatisticRow>(r)), captions[r]);
}

TEST(CellOmissions, HandWorkedHistory)
{
    const CellOmissions omissions(kHistory, N);
    ASSERT_EQ(omissions.drawCount(), 6);
    // Per number, the value at draws 0..5: 0 where drawn, counted from the draw itself.
    const struct {
        int number;
        int values[6];
    } cases[] = {
        {1, {0, 0, 0, 0, 0, 0}},
        {11, {1, 2, 3, 4, 5, 6}},
        {10, {1, 2, 3, 4, 5, 0}},
        {5, {0, 1, 2, 3, 4, 5}},
        {3, {1, 0, 1, 2, 0, 1}},
        {7, {1, 2, 0, 0, 1, 2}},
    };
    for (const auto& c : cases)
        for (int d = 0; d < 6; ++d)
            EXPECT_EQ(omissions.at(d, c.number), c.values[d]) << "number " << c.number << " draw " << d;
}

// On a long random history the cells and the strip must tell the same story: the newest cell is
// the current omission and the largest cell the longest absence.
TEST(CellOmissions, AgreeWithTheStatistics)
{
    SeededRandom random(11);
    std::vector<std::uint32_t> presence;
    for (int d = 0; d < 500; ++d) {
        std::uint32_t mask = 0;
        while (std::popcount(mask) < 3)
            mask |= 1U << random.uniform(1, N);
        presence.push_back(mask);
    }
    const CellOmissions omissions(presence, N);
    const std::vector<NumberStatistics> stats = numberStatistics(presence, N);
    for (int x = 1; x <= N; ++x) {
        int largest = 0;
        int zeros = 0;
        for (int d = 0; d < 500; ++d) {
            largest = std::max(largest, omissions.at(d, x));
            zeros += omissions.at(d, x) == 0;
        }
        EXPECT_EQ(omissions.at(499, x), stats[x - 1].currentOmission) << x;
        EXPECT_EQ(largest, stats[x - 1].maxOmission) << x;
        EXPECT_EQ(zeros, stats[x - 1].appearances) << x;
    }
}

// The masks come from the rows in force: after the rows are rebuilt from transformed draws the
// statistics count the transformed numbers.
TEST(NumberStatistics, FollowTheRowsInForce)
{
    const std::vector<StoredDraw> stored = {{"26120901", {1, 2, 3, 4, 5}},
                                            {"26120902", {1, 6, 7, 8, 9}}};
    DrawHistory history = buildDrawHistory(stored, DrawPosition::Front, N, 3);
    EXPECT_EQ(numberStatistics(presenceMasks(history), N)[0].appearances, 2);
    std::vector<Draw> shown = history.draws;
    shown[0].numbers = {9, 10, 11, 0, 0};
    shown[1].numbers = {9, 4, 5, 0, 0};
    rebuildRows(history, shown);
    const std::vector<NumberStatistics> stats = numberStatistics(presenceMasks(history), N);
    EXPECT_EQ(stats[0].appearances, 0);
    EXPECT_EQ(stats[8].appearances, 2);
    EXPECT_EQ(stats[8].maxRun, 2);
    EXPECT_EQ(stats[10].currentOmission, 1);
}
