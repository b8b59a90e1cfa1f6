#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "filter/bet_list.h"
#include "filter/total_filter.h"
#include "store/transformed_history.h"

using namespace pickora;

namespace {

FilterContext standard()
{
    FilterContext c;
    c.newestDraw = {1, 2, 3};
    return c;
}

int keep(std::vector<FilterConditions::Range> ranges, CombinationSpace* space = nullptr)
{
    CombinationSpace fresh = buildCombinationSpace(11);
    CombinationSpace& s = space ? *space : fresh;
    FilterConditions c;
    c.indicators = std::move(ranges);
    return runFilter(s, c, standard());
}

} // namespace

TEST(TotalFilter, IndicatorRangesOverTheWholeSpace)
{
    EXPECT_EQ(keep({{IndicatorKind::Big, 0, 0}}), 24); // 01..04 only: 05 counts as big here
    EXPECT_EQ(keep({{IndicatorKind::Sum, 6, 6}}), 6);
    EXPECT_EQ(keep({{IndicatorKind::AC, 2, 2}}), 150);
    EXPECT_EQ(keep({{IndicatorKind::AC, 3, 3}}), 840);
    EXPECT_EQ(keep({{IndicatorKind::Scatter, 2, 2}}), 162);
    EXPECT_EQ(keep({{IndicatorKind::Scatter, 3, 8}}), 990 - 162);
    // Every condition at its full range keeps everything.
    std::vector<FilterConditions::Range> all;
    for (const IndicatorKind kind : kFilterIndicators) {
        const TheoreticalBounds b = theoreticalBounds(kind, 11, 3);
        all.push_back({kind, kind == IndicatorKind::Scatter ? 2 : b.minimum, b.maximum});
    }
    EXPECT_EQ(keep(all), 990);
}

TEST(TotalFilter, RunsNarrowCumulatively)
{
    CombinationSpace space = buildCombinationSpace(11);
    EXPECT_EQ(keep({{IndicatorKind::Odd, 3, 3}}, &space), 120);
    EXPECT_EQ(keep({{IndicatorKind::Sum, 9, 9}}, &space), 6); // the orders of 01 03 05
    std::set<std::array<int, 3>> kept;
    for (const CandidateEntry& e : space.entries)
        if (!e.excluded) {
            auto sorted = e.numbers;
            std::sort(sorted.begin(), sorted.end());
            kept.insert(sorted);
        }
    EXPECT_EQ(kept, (std::set<std::array<int, 3>>{{1, 3, 5}}));
}

TEST(TotalFilter, DanBallsAndTheirParsing)
{
    FilterConditions dan;
    dan.dan = parseDanNumbers("1 2");
    ASSERT_TRUE(dan.dan);
    dan.danLeast = 2;
    dan.danMost = 2;
    CombinationSpace space = buildCombinationSpace(11);
    EXPECT_EQ(runFilter(space, dan, standard()), 54);

    EXPECT_EQ(parseDanNumbers(" ,01 ,05  09"), (std::vector<int>{1, 5, 9}));
    EXPECT_FALSE(parseDanNumbers("01 05, 09").has_value()); // the comma belongs to "05,"
    EXPECT_FALSE(parseDanNumbers("1,2").has_value());
    EXPECT_EQ(parseDanNumbers("1 1 2"), (std::vector<int>{1, 1, 2}));

    // A repeated dan number does not count twice.
    FilterConditions twice = dan;
    twice.dan = std::vector<int>{1, 1};
    twice.danLeast = twice.danMost = 1;
    space = buildCombinationSpace(11);
    EXPECT_EQ(runFilter(space, twice, standard()), 270);

    FilterConditions balls;
    balls.balls = true;
    balls.selected[1] = balls.selected[2] = balls.selected[3] = true;
    balls.ballsLow = balls.ballsHigh = 3;
    space = buildCombinationSpace(11);
    EXPECT_EQ(runFilter(space, balls, standard()), 6);
}

TEST(TotalFilter, TransformedModeTestsTheRanksButPicksBallsByNumber)
{
    std::vector<Draw> draws(30);
    for (int i = 0; i < 30; ++i) {
        draws[static_cast<std::size_t>(i)].issue = i;
        draws[static_cast<std::size_t>(i)].numbers = {i % 11 + 1, (i + 4) % 11 + 1, (i + 7) % 11 + 1, 0, 0};
    }
    const TransformedHistory t = transformHistory(
        draws, 11, 3, makePermutation(std::vector{3, 1, 4, 11, 5, 9, 2, 6, 10, 8, 7}), 12);
    FilterContext c = standard();
    c.transformed = &t;
    // Sum 6..6 keeps the orders of the numbers whose ranks are 1, 2 and 3.
    FilterConditions sum;
    sum.indicators = {{IndicatorKind::Sum, 6, 6}};
    CombinationSpace space = buildCombinationSpace(11);
    ASSERT_EQ(runFilter(space, sum, c), 6);
    std::set<int> numbers;
    for (const CandidateEntry& e : space.entries)
        if (!e.excluded)
            numbers.insert(e.numbers.begin(), e.numbers.end());
    EXPECT_EQ(numbers, (std::set<int>{t.numberOfNextRank(1), t.numberOfNextRank(2), t.numberOfNextRank(3)}));

    FilterConditions balls;
    balls.balls = true;
    balls.selected[1] = balls.selected[2] = balls.selected[3] = true;
    balls.ballsLow = balls.ballsHigh = 3;
    space = buildCombinationSpace(11);
    ASSERT_EQ(runFilter(space, balls, c), 6);
    EXPECT_EQ(space.entries[0].excluded, 0); // 01 02 03 itself
}

TEST(TotalFilter, FormChecksInTheirOrder)
{
    FilterForm form;
    EXPECT_EQ(checkFilterForm(form, 3), "请选择过滤条件！");
    form.indicators[2].checked = true;
    form.indicators[2].low = "9";
    EXPECT_EQ(checkFilterForm(form, 3), "请选择组合框中的数值！");
    form.indicators[2].high = "12";
    form.indicators[2].lowIndex = 3;
    form.indicators[2].highIndex = 6;
    EXPECT_EQ(checkFilterForm(form, 3), std::nullopt);
    form.danChecked = true;
    EXPECT_EQ(checkFilterForm(form, 3), "请输入胆码以及最少中奖个数和最多中奖个数！");
    form.danText = "1 2";
    // An unchecked pair still counts.
    form.indicators[5].lowIndex = 4;
    form.indicators[5].highIndex = 2;
    EXPECT_EQ(checkFilterForm(form, 3), "请前面组合框中的数值应该小于等于后面组合框中的数值！");
    form.indicators[5].highIndex = 4;
    form.danLeast = "2";
    EXPECT_EQ(checkFilterForm(form, 3), "胆码前面的中奖个数应该小于等于后面的中奖个数！");
    form.danMost = "2";
    form.ballsChecked = true;
    EXPECT_EQ(checkFilterForm(form, 3), "请点击你要选择的球号！");
    form.selectedBalls = 2;
    EXPECT_EQ(checkFilterForm(form, 3), "请至少选择3个球号！");
    form.selectedBalls = 3;
    EXPECT_EQ(checkFilterForm(form, 3), std::nullopt);
}

TEST(BetList, CopyAndFileLoad)
{
    const std::string all = copyText(buildCombinationSpace(11));
    EXPECT_EQ(all.substr(0, 11), "01 02 03 \r\n");
    EXPECT_EQ(all.substr(all.size() - 11), "11 10 09 \r\n");
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 990);
    EXPECT_EQ(betCell(CandidateEntry{{1, 2, 3}, 0}, 24), std::string(24, ' ') + "01 02 03 ");

    // The copied text reads back; a repeat right after its twin is dropped, a later one stays.
    LoadedBets loaded = parseBetFile("01 02 03 \r\n01 02 03 \r\n04 05 06 \r\n01 02 03 \r\n", 11, 3);
    ASSERT_TRUE(loaded.error.empty()) << loaded.error;
    ASSERT_EQ(loaded.bets.size(), 3U);
    EXPECT_EQ(loaded.bets[1].numbers, (std::array{4, 5, 6}));
    // Fields are read at fixed positions; what stands between them is not looked at.
    loaded = parseBetFile("01,02,03\n01x02x03\n", 11, 3);
    ASSERT_EQ(loaded.bets.size(), 1U);
    // With one line shorter than 8 characters nothing is collapsed.
    loaded = parseBetFile("01 02 03\n01 02 03\n01 02 0\n", 11, 3);
    EXPECT_FALSE(loaded.error.empty()); // the third line misses a digit
    loaded = parseBetFile("01 02 03\n01 02 03\n", 11, 3);
    EXPECT_EQ(loaded.bets.size(), 1U);

    // The three line-end shapes read alike; a lone CR ends a line as well.
    for (const char* text : {"01 02 03\r\n04 05 06\r\n07 08 09\r\n", "01 02 03\n04 05 06\n07 08 09\n",
                             "01 02 03\r04 05 06\r07 08 09\r", "01 02 03\r04 05 06\n07 08 09"}) {
        loaded = parseBetFile(text, 11, 3);
        ASSERT_TRUE(loaded.error.empty()) << loaded.error;
        ASSERT_EQ(loaded.bets.size(), 3U) << text;
        EXPECT_EQ(loaded.bets[2].numbers, (std::array{7, 8, 9}));
    }

    for (const char* bad : {"01 02 0a\n", "01 02 12\n", "00 01 02\n", "1 2 3\n"}) {
        const LoadedBets refused = parseBetFile(bad, 11, 3);
        EXPECT_TRUE(refused.bets.empty()) << bad;
        EXPECT_NE(refused.error.find("第 1 行"), std::string::npos) << refused.error;
    }
}

TEST(BetList, ReadsAtMostAMillionLines)
{
    std::string text;
    for (int i = 0; i < 1'000'010; ++i)
        text += (i % 2 ? "01 02 03\n" : "03 02 01\n");
    const LoadedBets loaded = parseBetFile(text, 11, 3);
    EXPECT_EQ(loaded.linesRead, 1'000'000U);
    EXPECT_EQ(loaded.bets.size(), 1'000'000U);
}
