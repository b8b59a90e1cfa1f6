#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "recommend/backtest.h"

using namespace pickora;

namespace {

// Draws of k = 3 numbers with issues 101, 102, … (oldest first).
std::vector<Draw> drawsOf(std::initializer_list<std::array<int, 3>> rows)
{
    std::vector<Draw> draws;
    int issue = 101;
    for (const auto& r : rows)
        draws.push_back(Draw{issue++, {r[0], r[1], r[2], 0, 0}});
    return draws;
}

std::vector<std::string> column(const Backtest& b, std::string BacktestRow::*field)
{
    std::vector<std::string> texts;
    for (const BacktestRow& row : b.rows)
        texts.push_back(row.*field);
    return texts;
}

} // namespace

TEST(RecommendFrame, ListAndDrawTexts)
{
    const std::vector<int> numbers = {7, 1, 10};
    EXPECT_EQ(listText(numbers, NumberFormat::TwoDigits), "07 01 10 ");
    EXPECT_EQ(listText(numbers, NumberFormat::Plain), "7 1 10 ");
    EXPECT_EQ(listText({}, NumberFormat::Plain), "");
    const std::vector<int> wide = {0, 9, 99, 100};
    EXPECT_EQ(listText(wide, NumberFormat::TwoDigits), "00 09 99 100 ");
    EXPECT_EQ(listText(wide, NumberFormat::Plain), "0 9 99 100 ");
    const Draw draw{26120901, {11, 2, 5, 9, 1}};
    EXPECT_EQ(drawnText(draw, 3), "11 02 05 ");
    EXPECT_EQ(hitCount(draw, 3, numbers), 0);
    const std::vector<int> some = {2, 9, 11};
    // Only the first k numbers are the analysed draw: 9 is the fourth stored number.
    EXPECT_EQ(hitCount(draw, 3, some), 2);
    EXPECT_EQ(outputText("26120902", numbers, NumberFormat::TwoDigits),
              "26120902期推荐投注号码：07 01 10 ");
}

TEST(RecommendFrame, TargetIssueIsTheDrawOrTheNextOne)
{
    const std::vector<Draw> draws = drawsOf({{1, 2, 3}, {4, 5, 6}});
    EXPECT_EQ(targetIssue(draws, 0), 101);
    EXPECT_EQ(targetIssue(draws, 1), 102);
    EXPECT_EQ(targetIssue(draws, 2), 103);
}

TEST(RecommendFrame, RowsTextsHitsAndRanges)
{
    const std::vector<Draw> draws = drawsOf({{1, 2, 3}, {2, 4, 5}, {1, 6, 7}, {3, 8, 9}});
    // Row 0 is not evaluated, row 1 picks {2, 4} (2 hits), row 2 {9} (0), row 3 {3, 8, 9} (3).
    const std::vector<std::optional<std::vector<int>>> picks = {
        std::nullopt, std::vector<int>{2, 4}, std::vector<int>{9}, std::vector<int>{3, 8, 9}};
    const auto recommend = [&](int row) { return picks.at(static_cast<std::size_t>(row)); };

    struct Case {
        RecommendMethod method;
        int summaryFrom;
        std::vector<std::string> bets;
        std::vector<std::string> hits;
        int rowsInRange, largest, smallest;
        std::vector<int> distribution;
    };
    const Case cases[] = {
        // The interval rebound shows "0" on its first row and counts it in the summary.
        {RecommendMethod::IntervalRebound, 0, {"", "02 04 ", "09 ", "03 08 09 "}, {"0", "2", "0", "3"},
         4, 3, 0, {1, 0, 1, 1}},
        {RecommendMethod::IntimateNumbers, 1, {"", "2 4 ", "9 ", "3 8 9 "}, {"", "2", "0", "3"},
         3, 3, 0, {1, 0, 1, 1}},
        {RecommendMethod::StemsBranches, 0, {"", "2 4 ", "9 ", "3 8 9 "}, {"", "2", "0", "3"},
         3, 3, 0, {}},
        // A range that starts after the zero row.
        {RecommendMethod::FourStep, 3, {"", "02 04 ", "09 ", "03 08 09 "}, {"", "2", "0", "3"},
         1, 3, 3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.method));
        const Backtest b = runBacktest(c.method, draws, 3, c.summaryFrom, recommend);
        ASSERT_EQ(b.rows.size(), 4U);
        EXPECT_EQ(column(b, &BacktestRow::issue),
                  (std::vector<std::string>{"101", "102", "103", "104"}));
        EXPECT_EQ(column(b, &BacktestRow::drawn),
                  (std::vector<std::string>{"01 02 03 ", "02 04 05 ", "01 06 07 ", "03 08 09 "}));
        EXPECT_EQ(column(b, &BacktestRow::bet), c.bets);
        EXPECT_EQ(column(b, &BacktestRow::hits), c.hits);
        EXPECT_EQ(b.summary.rowsInRange, c.rowsInRange);
        EXPECT_EQ(b.summary.largest, c.largest);
        EXPECT_EQ(b.summary.smallest, c.smallest);
        EXPECT_EQ(b.distribution, c.distribution);
        // The chance comparison covers the evaluated rows only: 2 + 0 + 3 hits, sizes 2, 1, 3.
        EXPECT_EQ(b.summary.evaluatedRows, 3);
        EXPECT_EQ(b.summary.hitTotal, 5);
        EXPECT_EQ(b.summary.chanceTotal, 3 * (2 + 1 + 3));
    }
}

TEST(RecommendFrame, SummaryLines)
{
    BacktestSummary s;
    s.rowsInRange = 5;
    s.largest = 3;
    s.smallest = 0;
    for (const RecommendMethod m : {RecommendMethod::IntervalRebound, RecommendMethod::IntimateNumbers,
                                    RecommendMethod::StemsBranches})
        EXPECT_EQ(summaryText(m, s), "最大中奖号码数为3个，最小中奖号码数为0个");
    EXPECT_EQ(summaryText(RecommendMethod::FourStep, s), "最大中奖个数：3 最小中奖个数：0");

    // An empty range says so instead of showing a sentinel minimum.
    const BacktestSummary empty;
    for (const RecommendMethod m : {RecommendMethod::IntervalRebound, RecommendMethod::IntimateNumbers,
                                    RecommendMethod::StemsBranches, RecommendMethod::FourStep}) {
        const std::string text = summaryText(m, empty);
        EXPECT_EQ(text, "统计范围内没有可统计的开奖期号，无法给出最大和最小中奖个数");
        EXPECT_EQ(text.find("1000"), std::string::npos);
    }
}

TEST(RecommendFrame, ChanceLineComparesWithRandomPicksOfTheSameSizes)
{
    struct Case {
        int rows;
        std::int64_t hits, chance;
        std::string text;
    };
    const Case cases[] = {
        // Five rows of six numbers: random picks average 3 × 6 ÷ 11 = 1.64 hits a row.
        {5, 10, 90, "平均每期中奖2.00个，同样个数的随机号码平均1.64个：好于随机"},
        {5, 8, 90, "平均每期中奖1.60个，同样个数的随机号码平均1.64个：不如随机"},
        // Exactly equal (9 × 11 = 99), though the rounded figures alone could not tell.
        {3, 9, 99, "平均每期中奖3.00个，同样个数的随机号码平均3.00个：与随机持平"},
        {0, 0, 0, ""},
    };
    for (const Case& c : cases) {
        BacktestSummary s;
        s.evaluatedRows = c.rows;
        s.hitTotal = c.hits;
        s.chanceTotal = c.chance;
        EXPECT_EQ(chanceText(s, 11), c.text) << c.hits;
    }
}
