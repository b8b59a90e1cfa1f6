#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <map>
#include <set>

#include "invest/investment_files.h"
#include "invest/investment_mode.h"
#include "invest/investment_search.h"
#include "invest/investment_simulation.h"
#include "store/random_source.h"

using namespace pickora;

namespace {

Draw draw(int a, int b, int c, std::int32_t issue = 0)
{
    Draw d;
    d.issue = issue;
    d.numbers = {a, b, c, 10, 11};
    return d;
}

// A history of `rows` draws whose hits are the given rows, numbered from 1.
HitGapTable hitsAt(int rows, std::set<int> hitRows)
{
    std::vector<bool> hits(static_cast<std::size_t>(rows));
    for (const int row : hitRows)
        hits[static_cast<std::size_t>(row - 1)] = true;
    return hitGapTableFromHits(hits);
}

RunRow runRow(std::int64_t j, std::int64_t m, std::int64_t stake, std::int64_t total,
              std::int64_t prize, std::int64_t net, std::int64_t rate)
{
    return {j, m, stake, total, prize, net, rate};
}

std::vector<RunRow> rowsOf(const SimulationResult& result)
{
    std::vector<RunRow> rows;
    for (const auto& r : result.rows)
        rows.push_back(r.row);
    return rows;
}

// The multiplier as a player finds it: try 1, 2, ... and compute the rate each time.
std::optional<std::int64_t> trialMultiplier(const SimulationSettings& s, std::int64_t before)
{
    for (std::int64_t m = 1; m <= kMaxRunMultiplier; ++m) {
        const std::int64_t total = before + m * s.unitStake;
        if ((m * s.unitPrize - total) * 100 / total >= s.profitRate)
            return m;
    }
    return std::nullopt;
}

} // namespace

TEST(InvestmentBets, BetCountLimitsAndMessages)
{
    struct Case {
        PlayType type;
        std::int64_t count;
        std::string message;
    };
    const Case cases[] = {
        {PlayType::Direct, 1, ""},
        {PlayType::Direct, 1000, ""},
        {PlayType::Direct, 1001, "请请输入1到1000的直选注数！"},
        {PlayType::Direct, 0, "请请输入1到1000的直选注数！"},
        {PlayType::AnyGroup, 210, ""},
        {PlayType::AnyGroup, 211, "请请输入1到210的组选注数！"},
        {PlayType::Group3, 90, ""},
        {PlayType::Group3, -5, "请请输入1到90的组选3注数！"},
        {PlayType::Group6, 121, "请请输入1到120的组选6注数！"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkInvestBetCount(c.type, c.count), c.message)
            << playTypeCaption(c.type) << " " << c.count;
}

TEST(InvestmentBets, FullListsHoldEveryAcceptableBetOnceSorted)
{
    struct Case {
        PlayType type;
        int count;
        std::string first, last;
    };
    const Case cases[] = {
        {PlayType::Group6, 120, "012", "789"},
        {PlayType::AnyGroup, 210, "001", "899"},
        {PlayType::Group3, 90, "001", "899"},
        {PlayType::Direct, 1000, "000", "999"},
    };
    SeededRandom random(11);
    for (const Case& c : cases) {
        const std::vector<Bet> bets = generateBets(c.type, c.count, random);
        ASSERT_EQ(static_cast<int>(bets.size()), c.count);
        EXPECT_EQ(betText(bets.front()), c.first);
        EXPECT_EQ(betText(bets.back()), c.last);
        EXPECT_TRUE(std::is_sorted(bets.begin(), bets.end(),
                                   [](const Bet& a, const Bet& b) { return betValue(a) < betValue(b); }));
        std::set<int> values;
        int onePair = 0;
        int allDifferent = 0;
        for (const Bet& bet : bets) {
            values.insert(betValue(bet));
            if (c.type != PlayType::Direct) {
                EXPECT_LE(bet[0], bet[1]);
                EXPECT_LE(bet[1], bet[2]);
            }
            const int pairs = int(bet[0] == bet[1]) + int(bet[0] == bet[2]) + int(bet[1] == bet[2]);
            onePair += pairs == 1;
            allDifferent += pairs == 0;
        }
        EXPECT_EQ(static_cast<int>(values.size()), c.count); // no bet twice
        if (c.type == PlayType::AnyGroup) {
            EXPECT_EQ(onePair, 90);
            EXPECT_EQ(allDifferent, 120);
        } else if (c.type == PlayType::Group6) {
            EXPECT_EQ(allDifferent, 120);
        } else if (c.type == PlayType::Group3) {
            EXPECT_EQ(onePair, 90);
        }
    }
}

TEST(InvestmentBets, SelectionIsUniform)
{
    // 9000 single-bet 组选3 lists: each of the 90 bets should come up about 100 times.
    SeededRandom random(5);
    std::map<int, int> seen;
    for (int i = 0; i < 9000; ++i)
        ++seen[betValue(generateBets(PlayType::Group3, 1, random).at(0))];
    ASSERT_EQ(seen.size(), 90U);
    for (const auto& [value, times] : seen) {
        EXPECT_GT(times, 55) << value;
        EXPECT_LT(times, 150) << value;
    }
    // Near the limit a list is still a subset of distinct acceptable bets.
    const std::vector<Bet> nearly = generateBets(PlayType::Group6, 119, random);
    EXPECT_EQ(nearly.size(), 119U);
    EXPECT_EQ(std::set<int>(), [&] {
        std::set<int> bad;
        for (const Bet& b : nearly)
            if (!isAcceptableBet(PlayType::Group6, b))
                bad.insert(betValue(b));
        return bad;
    }());
}

TEST(InvestmentBets, MatchingByPositionOrByMultiset)
{
    struct Case {
        PlayType type;
        Bet bet;
        Draw draw;
        bool match;
    };
    const Case cases[] = {
        {PlayType::Group6, {3, 5, 7}, draw(3, 7, 5), true},
        {PlayType::Direct, {3, 5, 7}, draw(3, 7, 5), false},
        {PlayType::Direct, {3, 7, 5}, draw(3, 7, 5), true},
        {PlayType::AnyGroup, {5, 7, 3}, draw(3, 7, 5), true},
        {PlayType::AnyGroup, {3, 5, 8}, draw(3, 7, 5), false},
        // Same sum (6) but other numbers: the multiset decides.
        {PlayType::Group6, {1, 2, 3}, draw(2, 2, 2), false},
        {PlayType::Group3, {2, 2, 4}, draw(4, 2, 2), true},
        // Numbers above 9 are no digit.
        {PlayType::Direct, {1, 0, 3}, draw(1, 10, 3), false},
        {PlayType::Group6, {0, 1, 3}, draw(1, 10, 3), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(betMatches(c.type, c.bet, c.draw), c.match)
            << playTypeCaption(c.type) << " " << betText(c.bet);
}

TEST(InvestmentBets, GapTableAndIntervalStatistics)
{
    const std::vector<Draw> draws = {draw(1, 2, 3, 101), draw(4, 5, 6, 102), draw(3, 7, 5, 103),
                                     draw(5, 3, 7, 104), draw(9, 8, 7, 105)};
    const HitGapTable table = hitGapTable(PlayType::Group6, {{3, 5, 7}}, draws);
    EXPECT_EQ(table.issues, (std::vector<std::int32_t>{101, 102, 103, 104, 105}));
    EXPECT_EQ(table.gaps, (std::vector<int>{1, 2, 0, 0, 1}));
    // 直选 357 hits neither 375 nor 537.
    EXPECT_EQ(hitGapTable(PlayType::Direct, {{3, 5, 7}}, draws).gaps,
              (std::vector<int>{1, 2, 3, 4, 5}));

    struct Case {
        int rows;
        std::set<int> hits;
        std::vector<int> gaps;
        std::vector<int> distances;
        std::vector<IntervalStatRow> stats;
    };
    const Case cases[] = {
        // The open stretch after the last hit counts draws − last index + 1.
        {10, {3, 4, 8}, {1, 2, 0, 0, 1, 2, 3, 0, 1, 2}, {3, 1, 4, 4}, {{2, 1, 1}, {3, 1, 1}}},
        {8, {2, 5, 6, 8}, {1, 0, 1, 2, 0, 0, 1, 0}, {2, 3, 1, 2}, {{2, 2, 1}, {3, 1, 1}}},
        // No hit: the gaps count on, and there are no statistics.
        {6, {}, {1, 2, 3, 4, 5, 6}, {}, {}},
        // One hit at the start, then a long stretch ending the list: only the run cut by the 1.
        {5, {1, 2}, {0, 0, 1, 2, 3}, {1, 1, 5}, {}},
        {7, {3, 4, 7}, {1, 2, 0, 0, 1, 2, 0}, {3, 1, 3},
         {{2, 1, 1}, {3, 1, 1}}},
    };
    for (const Case& c : cases) {
        const HitGapTable t = hitsAt(c.rows, c.hits);
        EXPECT_EQ(t.gaps, c.gaps) << c.rows;
        EXPECT_EQ(hitDistances(t), c.distances) << c.rows;
        EXPECT_EQ(intervalStats(t), c.stats) << c.rows;
    }
}

TEST(InvestmentSimulation, MultiplierInClosedFormAgreesWithTrial)
{
    SeededRandom random(17);
    int none = 0;
    for (int i = 0; i < 3000; ++i) {
        SimulationSettings s;
        s.profitRate = random.uniform(-150, 300);
        s.unitStake = 2 * random.uniform(1, 1000);
        s.unitPrize = random.uniform(0, 30) == 0 ? random.uniform(0, 400) : random.uniform(0, 5000000);
        const std::int64_t before = random.uniform(0, 3) == 0 ? 0 : random.uniform(0, 2000000000);
        const auto expected = trialMultiplier(s, before);
        ASSERT_EQ(runMultiplier(s, before), expected)
            << "P=" << s.profitRate << " U=" << s.unitStake << " B=" << s.unitPrize << " T=" << before;
        none += !expected;
    }
    EXPECT_GT(none, 50); // the table reaches the "too large" answer as well
}

TEST(InvestmentSimulation, PlanRowsAndAffordableRows)
{
    SimulationSettings s; // P 10, U 200, B 1000
    s.maxTotal = 700;
    const RunPlan plan = buildRunPlan(s, 200, 4);
    ASSERT_EQ(plan.rows.size(), 4U);
    EXPECT_EQ(plan.rows[0], runRow(1, 1, 200, 400, 1000, 600, 150));
    EXPECT_EQ(plan.rows[1], runRow(2, 1, 200, 600, 1000, 400, 66));
    EXPECT_EQ(plan.rows[2], runRow(3, 1, 200, 800, 1000, 200, 25));
    EXPECT_EQ(plan.rows[3], runRow(4, 2, 400, 1200, 2000, 800, 66));
    EXPECT_EQ(plan.affordable, 2); // row 3's total passes A
    EXPECT_EQ(plan.failedRow, 0);
}

TEST(InvestmentSimulation, WorkedExamples)
{
    const RunRow won = runRow(1, 1, 200, 200, 1000, 800, 400);
    const RunRow lost = runRow(1, 1, 200, 200, 1000, -200, 400);
    struct Case {
        const char* name;
        int rows;
        std::set<int> hits;
        SimulationSettings settings;
        std::vector<RunRow> results;
        std::vector<bool> finalLoss;
        std::int64_t balance;
        SimulationStop stop;
    };
    SimulationSettings defaults;
    SimulationSettings r3 = defaults;
    r3.runLength = 3;
    SimulationSettings w1 = defaults;
    w1.wait = 1;
    SimulationSettings noCarry = defaults;
    noCarry.carry = false;
    SimulationSettings smallS = defaults;
    smallS.maxStake = 199;
    SimulationSettings observe = defaults;
    observe.intervalCount = 3;
    observe.interval = 5;
    SimulationSettings cutShort = defaults;
    cutShort.runLength = 2;
    cutShort.maxTotal = 300;
    SimulationSettings tinyPrize = defaults;
    tinyPrize.unitPrize = 200;
    // U 2000 and B 2201: row 2 needs 2200 times, a run carrying its loss needs more than 100000.
    SimulationSettings steep = defaults;
    steep.unitStake = 2000;
    steep.unitPrize = 2201;
    steep.runLength = 2;
    steep.maxStake = steep.maxTotal = 1000000000;
    SimulationSettings firstDayLater = defaults;
    firstDayLater.maxTotal = 300; // a carried loss of 200 makes the first draw cost 400

    const Case cases[] = {
        {"defaults", 10, {3, 4, 8}, defaults, {won, lost}, {false, false}, 800,
         SimulationStop::Finished},
        {"R = 3", 10, {3, 4, 8}, r3, {won}, {false}, 800, SimulationStop::Finished},
        {"W = 1", 10, {3, 4, 8}, w1, {lost, runRow(1, 1, 200, 400, 1000, -400, 150)},
         {false, false}, 0, SimulationStop::Finished},
        {"carry into a win", 4, {1, 3, 4}, defaults,
         {lost, runRow(1, 1, 200, 400, 1000, 600, 150)}, {false, false}, 600,
         SimulationStop::Finished},
        {"no carry", 4, {1, 3, 4}, noCarry, {lost, won}, {false, false}, 600,
         SimulationStop::Finished},
        {"S < U", 10, {3, 4, 8}, smallS, {}, {}, 0, SimulationStop::FirstDayTooBig},
        // Three intervals of at least 5 (5, 5, 5), then a loss, then straight on without watching.
        {"C = 3, I = 5", 20, {5, 10, 15, 18, 19}, observe,
         {lost, runRow(1, 1, 200, 400, 1000, 600, 150)}, {false, false}, 600,
         SimulationStop::Finished},
        // A short interval (3) starts the count again: 5 | 8 | 14, 20, 26 -> the run at 27 wins.
        {"C = 3, short interval", 30, {5, 8, 14, 20, 26, 27}, observe, {won}, {false}, 800,
         SimulationStop::Finished},
        {"too few intervals", 30, {5, 10, 12, 20, 21}, observe, {}, {}, 0, SimulationStop::Finished},
        {"cut short by A", 5, {1, 4}, cutShort, {lost, lost}, {true, true}, -400,
         SimulationStop::Finished},
        {"no multiplier at all", 10, {3, 4, 8}, tinyPrize, {}, {}, 0,
         SimulationStop::MultiplierTooBig},
        // After a failed plan every result counts, the unmarked loss too.
        {"multiplier too large later", 6, {1, 5}, steep,
         {runRow(2, 2200, 4400000, 4402000, 4842200, -4402000, 10)}, {false}, -4402000,
         SimulationStop::MultiplierTooBig},
        {"first day too large later", 10, {3, 8}, firstDayLater, {lost}, {false}, -200,
         SimulationStop::FirstDayTooBig},
        {"no history", 0, {}, defaults, {}, {}, 0, SimulationStop::Finished},
        {"no hit", 10, {}, defaults, {}, {}, 0, SimulationStop::Finished},
    };
    for (const Case& c : cases) {
        const SimulationResult result = simulateInvestment(hitsAt(c.rows, c.hits), c.settings);
        EXPECT_EQ(rowsOf(result), c.results) << c.name;
        std::vector<bool> marks;
        for (const auto& r : result.rows)
            marks.push_back(r.finalLoss);
        EXPECT_EQ(marks, c.finalLoss) << c.name;
        EXPECT_EQ(result.balance, c.balance) << c.name;
        EXPECT_EQ(result.stop, c.stop) << c.name;
    }
}

TEST(InvestmentSimulation, BalanceAloneEqualsFullReplay)
{
    SeededRandom random(23);
    for (int i = 0; i < 300; ++i) {
        std::vector<bool> hits(static_cast<std::size_t>(random.uniform(0, 400)));
        const int percent = random.uniform(1, 40);
        for (auto&& h : hits)
            h = random.uniform(1, 100) <= percent;
        SimulationSettings s;
        s.runLength = random.uniform(1, 50);
        s.wait = random.uniform(0, 50);
        s.interval = random.uniform(1, 100);
        s.intervalCount = random.uniform(1, 10);
        s.carry = random.uniform(0, 1) == 1;
        s.maxStake = random.uniform(100, 100000);
        s.maxTotal = random.uniform(100, 1000000);
        const HitGapTable table = hitGapTableFromHits(hits);
        const HitTrack track(table);
        RunPlanCache cache(s);
        EXPECT_EQ(simulateBalance(track, s, cache), simulateInvestment(table, s).balance);
    }
}

TEST(InvestmentSearch, ParallelEqualsSequentialAndKeepsFirstOfTies)
{
    SeededRandom random(31);
    int ties = 0; // combinations that equal the best balance but come later
    for (int i = 0; i < 6; ++i) {
        std::vector<bool> hits(static_cast<std::size_t>(random.uniform(30, 300)));
        const int percent = random.uniform(3, 30);
        for (auto&& h : hits)
            h = random.uniform(1, 100) <= percent;
        SimulationSettings s;
        s.interval = random.uniform(1, 6);
        s.carry = random.uniform(0, 1) == 1;
        s.maxStake = random.uniform(150, 20000);
        s.maxTotal = random.uniform(150, 200000);
        s.unitPrize = random.uniform(300, 3000);
        const bool intervalMode = i % 3 != 2;
        const HitGapTable table = hitGapTableFromHits(hits);

        // The reference: every balance in loop order, the first of the largest kept.
        const int count = searchCombinationCount(intervalMode);
        std::int64_t best = kSearchStartBalance;
        int bestIndex = -1;
        std::vector<std::int64_t> balances;
        for (int k = 0; k < count; ++k) {
            const std::int64_t b = simulateInvestment(table, withItems(s, searchItemsAt(k))).balance;
            balances.push_back(b);
            if (b > best) {
                best = b;
                bestIndex = k;
            }
        }
        ties += static_cast<int>(std::count(balances.begin(), balances.end(), best)) - 1;
        const SearchItems expected = bestIndex < 0 ? SearchItems{} : searchItemsAt(bestIndex);

        const SearchOutcome sequential = searchStrategySequential(table, s, intervalMode);
        EXPECT_EQ(sequential.best, expected);
        EXPECT_EQ(sequential.bestBalance, best);
        for (const int threads : {1, 2, 3, 4}) {
            std::atomic<bool> stop{false};
            std::atomic<int> progress{0};
            const SearchOutcome parallel = searchStrategy(table, s, intervalMode, threads, stop, progress);
            EXPECT_EQ(parallel.best, expected) << threads;
            EXPECT_EQ(parallel.bestBalance, best) << threads;
            EXPECT_EQ(parallel.evaluated, count);
            EXPECT_EQ(progress.load(), count);
            EXPECT_FALSE(parallel.stopped);
        }
    }
    EXPECT_GT(ties, 100); // the cases do hold tied best balances
}

TEST(InvestmentSearch, StoppingAtOnceAndIntervalModeOff)
{
    const HitGapTable table = hitsAt(40, {3, 4, 8, 12, 20, 21, 30, 33});
    std::atomic<bool> stop{true};
    std::atomic<int> progress{0};
    const SearchOutcome stopped = searchStrategy(table, {}, true, 2, stop, progress);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.evaluated, 0);
    EXPECT_EQ(stopped.best, SearchItems{});
    EXPECT_EQ(progress.load(), 0);

    EXPECT_EQ(searchCombinationCount(true), 25500);
    EXPECT_EQ(searchCombinationCount(false), 2550);
    EXPECT_EQ(searchItemsAt(25499), (SearchItems{9, 50, 49}));
    EXPECT_EQ(searchItemsAt(2549), (SearchItems{0, 50, 49}));
    stop = false;
    const SearchOutcome off = searchStrategy(table, {}, false, 2, stop, progress);
    EXPECT_EQ(off.evaluated, 2550);
    EXPECT_EQ(off.best.a, 0);
}

TEST(InvestmentFiles, SaveThenLoadEachFile)
{
    const std::vector<Bet> bets = {{0, 2, 7}, {1, 0, 0}, {9, 9, 9}};
    InvestmentSettingsFile s;
    s.playType = 2;
    s.waitItem = 50;
    s.runItem = 49;
    s.intervalItem = 99;
    s.countItem = 9;
    s.maxStake = "10000";
    s.maxTotal = "100000";
    s.bets = "3";
    s.prize = "1000";
    s.profit = "-5";
    s.carry = false;
    s.intervalMode = true;

    EXPECT_EQ(betsFileText(PlayType::Group3, bets), "2\r\n3\r\n027\r\n100\r\n999\r\n");
    const LoadedInvestmentFile b = parseBetsFile(betsFileText(PlayType::Group3, bets));
    ASSERT_TRUE(b.ok()) << b.error;
    EXPECT_EQ(b.playType, PlayType::Group3);
    EXPECT_EQ(b.bets, bets);
    EXPECT_FALSE(b.settings);

    EXPECT_EQ(settingsFileText(s),
              "2\r\n50\r\n49\r\n99\r\n9\r\n10000\r\n100000\r\n3\r\n1000\r\n-5\r\n0\r\n1\r\n2\r\n");
    const LoadedInvestmentFile t = parseSettingsFile(settingsFileText(s));
    ASSERT_TRUE(t.ok()) << t.error;
    EXPECT_EQ(t.settings, s);

    const LoadedInvestmentFile c = parseCombinedFile(combinedFileText(s, bets));
    ASSERT_TRUE(c.ok()) << c.error;
    EXPECT_EQ(c.settings, s);
    EXPECT_EQ(c.bets, bets);
    // LF-only line ends and a trailing blank line are read the same.
    EXPECT_EQ(parseBetsFile("0\n2\n123\n456\n\n").bets, (std::vector<Bet>{{1, 2, 3}, {4, 5, 6}}));
}

TEST(InvestmentFiles, BadFilesAreRefusedNamingTheLine)
{
    const std::vector<std::string> good = {"0",   "0",    "0",  "0", "0", "1000000", "1000000",
                                           "100", "1000", "10", "1", "1", "0"};
    // The settings lines with line `line` (from 1) replaced; "" drops the lines from there on.
    const auto settings = [&](std::size_t line = 0, const std::string& text = {}) {
        std::string file;
        for (std::size_t i = 0; i < good.size(); ++i) {
            if (i + 1 == line && text.empty())
                break;
            file += (i + 1 == line ? text : good[i]) + "\r\n";
        }
        return file;
    };
    struct Case {
        const char* name;
        int kind; // 0 bets, 1 settings, 2 combined
        std::string text;
        std::string lineMark; // the error names this line
    };
    const Case cases[] = {
        {"empty", 0, "", "第 1 行"},
        {"type out of range", 0, "4\r\n1\r\n123\r\n", "第 1 行"},
        {"count not a number", 0, "0\r\nabc\r\n123\r\n", "第 2 行"},
        {"fewer bets than counted", 0, "0\r\n3\r\n123\r\n456\r\n", "第 2 行"},
        {"more bets than counted", 0, "0\r\n1\r\n123\r\n456\r\n", "第 2 行"},
        {"letter in a bet", 0, "0\r\n2\r\n123\r\n4x6\r\n", "第 4 行"},
        {"two digits", 0, "0\r\n2\r\n123\r\n45\r\n", "第 4 行"},
        {"four digits", 0, "0\r\n1\r\n1234\r\n", "第 3 行"},
        {"wait item 51", 1, settings(2, "51"), "第 2 行"},
        {"run item 50", 1, settings(3, "50"), "第 3 行"},
        {"interval item 100", 1, settings(4, "100"), "第 4 行"},
        {"count item 10", 1, settings(5, "10"), "第 5 行"},
        {"amount not a number", 1, settings(9, "abc"), "第 9 行"},
        {"check state 2", 1, settings(11, "2"), "第 11 行"},
        {"play type again out of range", 1, settings(13, "7"), "第 13 行"},
        {"settings cut short", 1, settings(7), "第 7 行"},
        {"settings with extra lines", 1, settings() + "5\r\n", "第 14 行"},
        {"combined without bets count", 2, settings(), "第 14 行"},
        {"combined bad bet", 2, settings() + "1\r\n12a\r\n", "第 15 行"},
    };
    for (const Case& c : cases) {
        const LoadedInvestmentFile f = c.kind == 0   ? parseBetsFile(c.text)
                                       : c.kind == 1 ? parseSettingsFile(c.text)
                                                     : parseCombinedFile(c.text);
        EXPECT_FALSE(f.ok()) << c.name;
        EXPECT_NE(f.error.find(c.lineMark), std::string::npos) << c.name << ": " << f.error;
    }
    EXPECT_TRUE(parseSettingsFile(settings()).ok());
    EXPECT_TRUE(parseCombinedFile(settings() + "1\r\n123\r\n").ok());
}
