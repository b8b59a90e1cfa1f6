#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "recommend/backtest.h"
#include "recommend/four_step.h"
#include "recommend/interval_rebound.h"
#include "recommend/intimate_numbers.h"
#include "recommend/stems_branches.h"
#include "store/demo_draws.h"
#include "store/draw_history.h"

using namespace pickora;
using namespace std::chrono;

namespace {

constexpr int N = 11;
constexpr int k = 3;

std::vector<Draw> drawsOf(std::initializer_list<std::array<int, 3>> rows)
{
    std::vector<Draw> draws;
    int issue = 101;
    for (const auto& r : rows)
        draws.push_back(Draw{issue++, {r[0], r[1], r[2], 0, 0}});
    return draws;
}

// The six draws of the interval and intimate examples.
std::vector<Draw> sixDraws()
{
    return drawsOf({{1, 2, 3}, {2, 4, 5}, {1, 6, 7}, {3, 8, 9}, {2, 5, 10}, {4, 6, 11}});
}

// A made-up history of uniform draws with real dates (84 a day).
DrawHistory generatedHistory(int count)
{
    return buildDrawHistory(makeDemoDraws(count, 84, {2026, 12, 9}, 11), DrawPosition::Middle, N, k);
}

std::string twoDigits(const std::vector<int>& numbers) { return listText(numbers, NumberFormat::TwoDigits); }
std::string plain(const std::vector<int>& numbers) { return listText(numbers, NumberFormat::Plain); }

std::vector<int> drawnNumbers(const Draw& d)
{
    std::vector<int> numbers(d.numbers.begin(), d.numbers.begin() + k);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

// ---- Interval rebound ----

TEST(IntervalRebound, WorkedExampleOfSixDraws)
{
    const std::vector<Draw> draws = sixDraws();
    const IntervalReboundPick pick = IntervalRebound(draws, N, k).recommend(6, {5, 6});
    EXPECT_EQ(pick.counters, (std::vector<int>{4, 3, 6, 3, 1}));
    EXPECT_EQ(pick.ranking, (std::vector<int>{5, 4, 2, 1, 3}));
    // Omissions of 1 … 11.
    EXPECT_EQ(pick.omission, (std::vector<int>{0, 4, 2, 3, 1, 2, 1, 4, 3, 3, 2, 1}));
    EXPECT_EQ(twoDigits(pick.numbers), "01 07 02 05 10 04 ");
}

TEST(IntervalRebound, EdgeCases)
{
    const std::vector<Draw> draws = sixDraws();
    const IntervalRebound method(draws, N, k);
    struct Case {
        const char* what;
        int target, span, picks;
        std::vector<int> ranking;
        std::string list;
    };
    const Case cases[] = {
        // Draw 0 alone: interval 1 counts k, the numbers absent from it have omission 2.
        {"T = 1", 1, 5, 6, {2, 3, 4, 5, 1}, "04 05 06 07 08 09 "},
        {"T = 1, P = 2", 1, 5, 2, {2, 3, 4, 5, 1}, "04 05 "},
        // No gap of draws 3 … 5 is at most 2; only six numbers have an omission of 1 or 2.
        {"P beyond the candidates", 6, 2, 8, {1, 2}, "04 06 11 02 05 10 "},
        {"S = 1", 6, 1, 6, {1}, "04 06 11 "},
        // The oldest draw has nothing before it.
        {"T = 0", 0, 5, 6, {1, 2, 3, 4, 5}, ""},
    };
    for (const Case& c : cases) {
        const IntervalReboundPick pick = method.recommend(c.target, {c.span, c.picks});
        EXPECT_EQ(pick.ranking, c.ranking) << c.what;
        EXPECT_EQ(twoDigits(pick.numbers), c.list) << c.what;
    }
}

TEST(IntervalRebound, SpanOneTakesOnlyTheDrawBefore)
{
    const DrawHistory h = generatedHistory(300);
    const IntervalRebound method(h.draws, N, k);
    for (int t = 1; t < h.count(); ++t) {
        std::vector<int> pick = method.recommend(t, {1, 6}).numbers;
        std::sort(pick.begin(), pick.end());
        ASSERT_EQ(pick, drawnNumbers(h.draws[static_cast<std::size_t>(t - 1)])) << t;
    }
}

TEST(IntervalRebound, BacktestFirstRowAndDistribution)
{
    const DrawHistory h = generatedHistory(400);
    const Backtest b = intervalReboundBacktest(h.draws, N, k, {5, 6});
    ASSERT_EQ(b.rows.size(), 400U);
    EXPECT_EQ(b.rows[0].bet, "");
    EXPECT_EQ(b.rows[0].hits, "0");
    EXPECT_EQ(b.summary.smallest, 0);
    EXPECT_EQ(b.summary.rowsInRange, 400);
    ASSERT_EQ(b.distribution.size(), 4U);
    int counted = 0;
    for (const int n : b.distribution)
        counted += n;
    EXPECT_EQ(counted, 399);
}

// ---- Intimate numbers ----

TEST(IntimateNumbers, WorkedExampleOverallAndPerPosition)
{
    const std::vector<Draw> draws = sixDraws();
    const IntimateNumbers method(draws, N, k);
    const std::optional<IntimatePick> overall = method.recommend(6, {true, 5, 7});
    ASSERT_TRUE(overall);
    EXPECT_EQ(overall->references, (std::vector<int>{4, 6, 11}));
    EXPECT_EQ(overall->totalCounters, (std::vector<int>{0, 1, 0, 1, 0, 0, 1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(overall->totalRanking, (std::vector<int>{1, 3, 6, 7, 8, 9, 4, 5, 2, 10, 11}));
    EXPECT_EQ(plain(overall->numbers), "1 3 6 7 8 ");
    EXPECT_EQ(intimateTotalText(*overall),
              "各亲密数字总次数1:1次 3:1次 6:1次 7:1次 8:1次 9:1次 4:0次 5:0次 2:0次 10:0次 11:0次 ");

    const std::optional<IntimatePick> each = method.recommend(6, {false, 1, 7});
    ASSERT_TRUE(each);
    EXPECT_EQ(plain(each->numbers), "1 3 ");
    const std::vector<std::vector<std::string>> table = intimatePositionTable(*each);
    ASSERT_EQ(table.size(), 12U);
    EXPECT_EQ(table[0], (std::vector<std::string>{"参照号码", "4", "6", "11"}));
    EXPECT_EQ(table[1], (std::vector<std::string>{"排名1", "1:1次", "3:1次", "1:0次"}));
    EXPECT_EQ(table[2], (std::vector<std::string>{"排名2", "6:1次", "8:1次", "2:0次"}));
    EXPECT_EQ(table[11], (std::vector<std::string>{"排名11", "11:0次", "11:0次", "11:0次"}));
}

TEST(IntimateNumbers, StageCountLimitsTheWalk)
{
    // Number 1 is the first reference of target 7; before draw 6 it was in draws 4, 2 and 0,
    // followed by 5 6 7, 9 10 11 and 4 5 6.
    const std::vector<Draw> draws = drawsOf(
        {{1, 2, 3}, {4, 5, 6}, {1, 7, 8}, {9, 10, 11}, {1, 2, 4}, {5, 6, 7}, {1, 3, 5}});
    const IntimateNumbers method(draws, N, k);
    struct Case {
        int stage;
        std::vector<int> counters; // position 1, numbers 1 … 11
    };
    const Case cases[] = {
        {1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {2, {0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0}},
        {3, {0, 0, 0, 0, 0, 1, 1, 1, 0, 1, 1, 1}},
        {4, {0, 0, 0, 0, 1, 2, 2, 1, 0, 1, 1, 1}},
        {7, {0, 0, 0, 0, 1, 2, 2, 1, 0, 1, 1, 1}},
        {0, {0, 0, 0, 0, 1, 2, 2, 1, 0, 1, 1, 1}}, // "全部期数"
    };
    for (const Case& c : cases) {
        const std::optional<IntimatePick> pick = method.recommend(7, {true, 5, c.stage});
        ASSERT_TRUE(pick);
        EXPECT_EQ(pick->positionCounters[0], c.counters) << "s = " << c.stage;
    }
}

TEST(IntimateNumbers, CountersMatchAPlainWalkBack)
{
    // The walk as written: from draw T-2 back to draw 0, stopping at the s-th occurrence.
    const auto walk = [](const std::vector<Draw>& draws, int target, int p, int stage) {
        std::vector<int> counters(N + 1, 0);
        const int x = draws[static_cast<std::size_t>(target - 1)].numbers[static_cast<std::size_t>(p)];
        int found = 0;
        for (int j = target - 2; j >= 0; --j) {
            const auto& d = draws[static_cast<std::size_t>(j)].numbers;
            const bool holds = std::find(d.begin(), d.begin() + k, x) != d.begin() + k;
            if (holds)
                ++found;
            if (stage > 0 && found >= stage)
                break;
            if (holds)
                for (int q = 0; q < k; ++q)
                    ++counters[static_cast<std::size_t>(draws[static_cast<std::size_t>(j) + 1].numbers[static_cast<std::size_t>(q)])];
        }
        return counters;
    };
    const DrawHistory h = generatedHistory(400);
    const IntimateNumbers method(h.draws, N, k);
    for (const int stage : {0, 1, 2, 3, 7, 40, 399})
        for (int t = 1; t <= h.count(); t += 13) {
            const std::optional<IntimatePick> pick = method.recommend(t, {true, 5, stage});
            ASSERT_TRUE(pick);
            for (int p = 0; p < k; ++p)
                ASSERT_EQ(pick->positionCounters[static_cast<std::size_t>(p)], walk(h.draws, t, p, stage))
                    << "s = " << stage << ", T = " << t << ", position " << p;
        }
}

TEST(IntimateNumbers, NothingCountedGivesTheFirstNumbers)
{
    const std::vector<Draw> draws = sixDraws();
    const IntimateNumbers method(draws, N, k);
    struct Case {
        const char* what;
        int target;
        IntimateSettings settings;
        std::string list;
    };
    const Case cases[] = {
        {"T = 1", 1, {true, 5, 7}, "1 2 3 4 5 "},
        {"T = 1, per position", 1, {false, 1, 7}, "1 "},
        {"s = 1", 6, {true, 4, 1}, "1 2 3 4 "},
    };
    for (const Case& c : cases) {
        const std::optional<IntimatePick> pick = method.recommend(c.target, c.settings);
        ASSERT_TRUE(pick) << c.what;
        EXPECT_EQ(plain(pick->numbers), c.list) << c.what;
        EXPECT_EQ(pick->totalRanking, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})) << c.what;
    }
    // The oldest draw has no reference draw.
    EXPECT_FALSE(method.recommend(0, {}));
    EXPECT_FALSE(method.recommend(7, {}));
}

TEST(IntimateNumbers, PerPositionSelectsAtMostKTops)
{
    const DrawHistory h = generatedHistory(300);
    const IntimateNumbers method(h.draws, N, k);
    for (int t = 1; t <= h.count(); t += 7) {
        const std::optional<IntimatePick> pick = method.recommend(t, {false, 1, 0});
        ASSERT_TRUE(pick);
        EXPECT_GE(pick->numbers.size(), 1U);
        EXPECT_LE(pick->numbers.size(), static_cast<std::size_t>(k));
    }
}

// ---- Stems and branches ----

TEST(StemsBranches, DayReckoningFromTheBaseDate)
{
    struct Case {
        const char* text;
        const char* stem;
        const char* branch;
    };
    const Case cases[] = {
        {"2001-5-1", "甲", "子"},   {"2001-5-2", "乙", "丑"},  {"2001-5-11", "甲", "戍"},
        {"2001-5-12", "乙", "亥"},  {"2001-05-08", "辛", "末"}, {"2001-6-29", "癸", "亥"},
        {"1999-09-09", "甲", "子"}, // 600 days before the base: the first day of the reckoning
    };
    for (const Case& c : cases) {
        const std::optional<Date> date = parseDate(c.text);
        ASSERT_TRUE(date) << c.text;
        const std::optional<StemBranch> sb = stemBranchOf(*date);
        ASSERT_TRUE(sb) << c.text;
        EXPECT_EQ(stemName(sb->stem), c.stem) << c.text;
        EXPECT_EQ(branchName(sb->branch), c.branch) << c.text;
    }
    // One day more than 600 before the base is outside the reckoning.
    EXPECT_FALSE(stemBranchOf(year{1999} / 9 / 8));
}

TEST(StemsBranches, DateTexts)
{
    for (const char* bad : {"", "2001", "2001-5", "2001/5/1", "2001-5-1x", "2001-2-30", "2001-13-1",
                            "abcd-5-1", "20011-5-1", "2001--5", "-2001-5-1"})
        EXPECT_FALSE(parseDate(bad)) << bad;
    EXPECT_EQ(parseDate(" 2026-12-09 "), Date(year{2026} / 12 / 9));
    EXPECT_EQ(dateText(year{2001} / 5 / 1), "2001-05-01");
    EXPECT_EQ(parseDate(dateText(year{2026} / 2 / 28)), Date(year{2026} / 2 / 28));
}

TEST(StemsBranches, PatternRules)
{
    struct Case {
        const char* stem;
        const char* branch;
        bool additional;
        std::string list;
    };
    const Case cases[] = {
        // Wood and water differ: every digit but 3, 8, 1, 6.
        {"甲", "子", false, "2 4 5 7 9 10 "},
        {"甲", "子", true, "2 5 7 10 "},
        // A "癸" or "亥" day keeps the digits of both groups and 3, 8, even when the groups agree.
        {"癸", "亥", false, "1 3 6 8 11 "},
        {"癸", "亥", true, "1 6 11 "},
        {"癸", "午", false, "1 2 3 6 7 8 11 "},
        {"甲", "亥", false, "1 3 6 8 11 "},
        // Fire with fire: fire, earth (generated) and metal (overcome); "附加" clears earth and wood.
        {"丙", "午", false, "2 4 5 7 9 10 "},
        {"丙", "午", true, "2 4 7 9 "},
        // Earth with earth, written with the branch "末" and "戍".
        {"戊", "末", false, "1 4 5 6 9 10 11 "},
        {"己", "戍", true, "1 5 6 10 11 "},
    };
    for (const Case& c : cases) {
        const std::optional<int> stem = stemIndex(c.stem);
        const std::optional<int> branch = branchIndex(c.branch);
        ASSERT_TRUE(stem && branch) << c.stem << c.branch;
        EXPECT_EQ(plain(patternNumbers(digitPattern(*stem, *branch, c.additional), N)), c.list)
            << c.stem << c.branch << (c.additional ? " 附加" : " 标准");
    }
    EXPECT_FALSE(branchIndex("未"));
    EXPECT_FALSE(branchIndex("戌"));
}

TEST(StemsBranches, NextPeriodDate)
{
    struct Case {
        Date newest; // 2026-12-06 is a Sunday
        std::string_view lottery;
        Date next;
    };
    const Case cases[] = {
        {year{2026} / 12 / 9, "广东体彩11选5", year{2026} / 12 / 10},
        {year{2026} / 12 / 31, "广东体彩11选5", year{2027} / 1 / 1},
        {year{2028} / 2 / 28, "山东体彩11选5", year{2028} / 2 / 29},
        {year{2026} / 12 / 6, kThreeDaysAWeekLottery, year{2026} / 12 / 7},   // Sunday → Monday
        {year{2026} / 12 / 7, kThreeDaysAWeekLottery, year{2026} / 12 / 9},   // Monday → Wednesday
        {year{2026} / 12 / 8, kThreeDaysAWeekLottery, year{2026} / 12 / 9},   // Tuesday → Wednesday
        {year{2026} / 12 / 9, kThreeDaysAWeekLottery, year{2026} / 12 / 11},  // Wednesday → Friday
        {year{2026} / 12 / 10, kThreeDaysAWeekLottery, year{2026} / 12 / 11}, // Thursday → Friday
        {year{2026} / 12 / 11, kThreeDaysAWeekLottery, year{2026} / 12 / 14}, // Friday → Monday
        {year{2026} / 12 / 12, kThreeDaysAWeekLottery, year{2026} / 12 / 14}, // Saturday → Monday
    };
    for (const Case& c : cases)
        EXPECT_EQ(nextDrawDate(c.newest, c.lottery), c.next) << dateText(c.newest);

    const std::vector<std::string> dates = {"2026-12-08", "2026-12-09"};
    EXPECT_EQ(targetDate(dates, 0, "广东体彩11选5"), Date(year{2026} / 12 / 8));
    EXPECT_EQ(targetDate(dates, 2, "广东体彩11选5"), Date(year{2026} / 12 / 10));
    EXPECT_EQ(targetDate(dates, 2, kThreeDaysAWeekLottery), Date(year{2026} / 12 / 11));
    EXPECT_FALSE(targetDate(dates, 3, "广东体彩11选5"));
    EXPECT_FALSE(targetDate({}, 0, "广东体彩11选5"));
}

TEST(StemsBranches, BacktestEvaluatesEveryReadableDate)
{
    const std::vector<Draw> draws = drawsOf({{1, 2, 3}, {2, 4, 5}, {7, 9, 10}});
    const std::vector<std::string> dates = {"2001-05-01", "2000-02-30", "2001-05-01"};
    const Backtest b = stemsBranchesBacktest(draws, dates, N, k, false);
    // A "甲"/"子" day recommends 2 4 5 7 9 10.
    EXPECT_EQ(b.rows[0].bet, "2 4 5 7 9 10 ");
    EXPECT_EQ(b.rows[0].hits, "1");
    EXPECT_EQ(b.rows[2].hits, "3");
    // A stored date that is no date is not evaluated and not summarised.
    EXPECT_EQ(b.rows[1].bet, "");
    EXPECT_EQ(b.rows[1].hits, "");
    EXPECT_EQ(b.summary.rowsInRange, 2);
    EXPECT_EQ(b.summary.smallest, 1);
    EXPECT_EQ(b.summary.largest, 3);
    EXPECT_TRUE(b.distribution.empty());
}

// ---- Four steps ----

TEST(FourStep, WorkedExampleWithItsFourBoxes)
{
    const std::vector<Draw> draws
        = drawsOf({{1, 2, 3}, {1, 4, 5}, {1, 6, 7}, {1, 8, 9}, {2, 5, 10}, {4, 6, 11}});
    const std::optional<FourStepPick> pick = FourStep(draws, N, k).recommend(6, {3, 1, 1, 2});
    ASSERT_TRUE(pick);
    EXPECT_EQ(pick->step1Ranking, (std::vector<int>{1, 2, 4, 5, 6, 8, 9, 10, 11, 3, 7}));
    EXPECT_EQ(twoDigits(pick->step1), "01 02 04 05 06 ");
    EXPECT_EQ(twoDigits(pick->step2), "01 02 05 ");
    EXPECT_EQ(runNumbersText(pick->step3), "01");
    EXPECT_EQ(twoDigits(pick->step4), "");
    EXPECT_EQ(twoDigits(pick->numbers), "01 02 05 ");
}

TEST(FourStep, StepsThreeAndFourAddAfterStepTwo)
{
    struct Case {
        const char* what;
        std::vector<Draw> draws;
        FourStepSettings settings;
        std::string step1, step2, step3, step4, list;
    };
    const Case cases[] = {
        // Number 1 ran through draws 4, 3, 2 and rested in draw 6: step 3 takes it back after
        // step 2 removed it, and step 2 left nothing else.
        {"step 3 after step 2",
         drawsOf({{1, 2, 3}, {1, 2, 3}, {1, 4, 5}, {1, 6, 7}, {1, 9, 10}, {2, 3, 4}, {5, 6, 8}}),
         {3, 3, 1, 1}, "01 02 03 04 05 ", "", "01", "", "01 "},
        // The same but number 1 is also in draw 6: nothing is left at all.
        {"empty",
         drawsOf({{1, 2, 3}, {1, 2, 3}, {1, 4, 5}, {1, 6, 7}, {1, 9, 10}, {2, 3, 4}, {1, 6, 8}}),
         {3, 3, 1, 1}, "01 02 03 04 06 ", "", "", "", ""},
        // 11 is the most frequent of draws 2 … 6 and absent from draws 5 … 7 (a cold step-1 rank).
        {"step 4",
         drawsOf({{1, 2, 3}, {1, 2, 3}, {11, 1, 2}, {11, 3, 4}, {11, 5, 6}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}}),
         {3, 1, 1, 5}, "01 02 03 04 05 ", "01 02 03 04 05 ", "", "11 ", "01 02 03 04 05 11 "},
    };
    for (const Case& c : cases) {
        const int target = static_cast<int>(c.draws.size());
        const std::optional<FourStepPick> pick = FourStep(c.draws, N, k).recommend(target, c.settings);
        ASSERT_TRUE(pick) << c.what;
        EXPECT_EQ(twoDigits(pick->step1), c.step1) << c.what;
        EXPECT_EQ(twoDigits(pick->step2), c.step2) << c.what;
        EXPECT_EQ(runNumbersText(pick->step3), c.step3) << c.what;
        EXPECT_EQ(twoDigits(pick->step4), c.step4) << c.what;
        EXPECT_EQ(twoDigits(pick->numbers), c.list) << c.what;
    }
}

TEST(FourStep, RunAtTheFarEndOfADefaultWindow)
{
    // 50 draws of 4 5 6 / 7 8 9 / 10 11 4 in turn, then number 1 in draws T-40, T-41, T-42.
    std::vector<Draw> draws;
    const std::array<std::array<int, 3>, 3> filler = {{{4, 5, 6}, {7, 8, 9}, {10, 11, 4}}};
    for (int i = 0; i < 50; ++i) {
        const auto& f = filler[static_cast<std::size_t>(i % 3)];
        draws.push_back(Draw{i, {f[0], f[1], f[2], 0, 0}});
    }
    const int target = 50;
    for (const int back : {40, 41, 42})
        draws[static_cast<std::size_t>(target - back)].numbers[0] = 1;
    const FourStep method(draws, N, k);
    const std::optional<FourStepPick> pick = method.recommend(target, {40, 5, 10, 10});
    ASSERT_TRUE(pick);
    EXPECT_EQ(runNumbersText(pick->step3), "01");
    EXPECT_TRUE(std::find(pick->numbers.begin(), pick->numbers.end(), 1) != pick->numbers.end());
    // Resting only 8 draws is not enough with c3 = 10 once the run moves closer.
    draws[static_cast<std::size_t>(target - 8)].numbers[1] = 1;
    const std::optional<FourStepPick> tired = FourStep(draws, N, k).recommend(target, {40, 5, 10, 10});
    ASSERT_TRUE(tired);
    EXPECT_EQ(runNumbersText(tired->step3), "");
}

TEST(FourStep, NeedsCOnePlusTwoDrawsBefore)
{
    const DrawHistory h = generatedHistory(60);
    const FourStep method(h.draws, N, k);
    const FourStepSettings s{40, 1, 10, 10};
    EXPECT_FALSE(method.recommend(41, s));
    EXPECT_TRUE(method.recommend(42, s));
    EXPECT_TRUE(method.recommend(60, s));
    EXPECT_FALSE(method.recommend(61, s));

    const Backtest b = fourStepBacktest(h.draws, N, k, {5, 1, 10, 10});
    for (int i = 0; i < h.count(); ++i)
        EXPECT_EQ(b.rows[static_cast<std::size_t>(i)].evaluated, i >= 16) << i;
    EXPECT_EQ(b.summary.rowsInRange, 60 - 16);
    EXPECT_EQ(fourStepFirstShownRow({5, 1, 10, 10}), 25);
}

// ---- Every method: a stored period recommends what its back-test row shows ----

TEST(RecommendMethods, StoredPeriodGivesItsRowsList)
{
    const DrawHistory h = generatedHistory(500);
    const IntervalRebound rebound(h.draws, N, k);
    const IntimateNumbers intimate(h.draws, N, k);
    const FourStep fourStep(h.draws, N, k);

    for (const IntervalReboundSettings s : {IntervalReboundSettings{5, 6}, IntervalReboundSettings{20, 11},
                                            IntervalReboundSettings{1, 1}}) {
        const Backtest b = intervalReboundBacktest(h.draws, N, k, s);
        for (int t = 1; t < h.count(); ++t)
            ASSERT_EQ(b.rows[static_cast<std::size_t>(t)].bet, twoDigits(rebound.recommend(t, s).numbers))
                << "S = " << s.span << ", T = " << t;
    }
    for (const IntimateSettings s : {IntimateSettings{true, 5, 7}, IntimateSettings{false, 2, 0},
                                     IntimateSettings{true, 11, 1}}) {
        const Backtest b = intimateBacktest(h.draws, N, k, s);
        EXPECT_EQ(b.rows[0].bet, "");
        for (int t = 1; t < h.count(); ++t)
            ASSERT_EQ(b.rows[static_cast<std::size_t>(t)].bet, plain(intimate.recommend(t, s)->numbers))
                << "s = " << s.stageCount << ", T = " << t;
    }
    for (const bool additional : {false, true}) {
        const Backtest b = stemsBranchesBacktest(h.draws, h.dates, N, k, additional);
        for (int t = 0; t < h.count(); ++t) {
            const std::optional<Date> date = targetDate(h.dates, t, "广东体彩11选5");
            ASSERT_TRUE(date);
            const std::optional<StemBranch> sb = stemBranchOf(*date);
            ASSERT_TRUE(sb);
            ASSERT_EQ(b.rows[static_cast<std::size_t>(t)].bet,
                      plain(patternNumbers(digitPattern(sb->stem, sb->branch, additional), N)))
                << t;
        }
    }
    for (const FourStepSettings s : {FourStepSettings{40, 1, 10, 10}, FourStepSettings{3, 5, 1, 2}}) {
        const Backtest b = fourStepBacktest(h.draws, N, k, s);
        for (int t = fourStepFirstEvaluatedRow(s); t < h.count(); ++t)
            ASSERT_EQ(b.rows[static_cast<std::size_t>(t)].bet, twoDigits(fourStep.recommend(t, s)->numbers))
                << "c1 = " << s.c1 << ", T = " << t;
    }
}
