#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <deque>
#include <set>
#include <string>

#include "exclude/candidate_table.h"
#include "exclude/exclusion_bets.h"
#include "exclude/exclusion_members.h"
#include "exclude/exclusion_search.h"
#include "exclude/follow_number.h"
#include "exclude/history_statistics.h"
#include "exclude/slot_transform.h"

using namespace pickora;

namespace {

constexpr int N = 11;
constexpr int k = 3;

std::vector<Draw> randomDraws(int count, std::uint32_t seed)
{
    SeededRandom random(seed);
    std::vector<Draw> draws(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Draw& d = draws[static_cast<std::size_t>(i)];
        d.issue = 26010100 + i;
        for (int j = 0; j < k;) {
            const int n = random.uniform(1, N);
            if (std::find(d.numbers.begin(), d.numbers.begin() + j, n) == d.numbers.begin() + j)
                d.numbers[static_cast<std::size_t>(j++)] = n;
        }
    }
    return draws;
}

Draw draw(int a, int b, int c, int issue = 0)
{
    Draw d;
    d.issue = issue;
    d.numbers = {a, b, c, 0, 0};
    return d;
}

const Permutation kPerm = makePermutation(std::vector{4, 9, 1, 11, 6, 2, 8, 10, 3, 7, 5});

// The slot ranking of period t straight from its definition: recount the window and search back
// for every slot's latest hit.
std::vector<int> naiveRanks(const std::vector<Draw>& draws, const Permutation& p, int window,
                            SlotOrdering ordering, int t)
{
    std::vector<SlotKeys> keys(N);
    for (int s = 1; s <= N; ++s) {
        const auto holds = [&](int d) {
            for (int j = 0; j < k; ++j)
                if (slotOf(p,
                           draws[static_cast<std::size_t>(d)].numbers[static_cast<std::size_t>(j)],
                           d)
                    == s)
                    return true;
            return false;
        };
        for (int d = window == 0 ? 0 : std::max(0, t - window); d < t; ++d)
            keys[static_cast<std::size_t>(s - 1)].hits += holds(d) ? 1 : 0;
        for (int d = t - 1; d >= 0; --d)
            if (holds(d)) {
                keys[static_cast<std::size_t>(s - 1)].omission = t - d;
                break;
            }
    }
    return rankSlots(keys, ordering);
}

int naiveNumber(const std::vector<Draw>& draws, const Permutation& p, int window,
                SlotOrdering ordering, int t, int n)
{
    return naiveRanks(draws, p, window, ordering, t)[static_cast<std::size_t>(slotOf(p, n, t) - 1)];
}

// A source answering from a list, recording every range asked for.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::deque<int> values) : values_(std::move(values)) {}
    int uniform(int lo, int hi) override
    {
        asked.emplace_back(lo, hi);
        const int v = values_.front();
        values_.pop_front();
        return v;
    }
    void reseedFromClock() override { ++reseeds; }
    std::vector<std::pair<int, int>> asked;
    int reseeds = 0;

private:
    std::deque<int> values_;
};

ExclusionBasis basis(const std::vector<Draw>& draws, int target)
{
    return {draws, N, k, target};
}

} // namespace

// ----------------------------------------------------------------------------- candidates

TEST(ExclusionCandidates, TableIsEveryAscendingTripleInLexicographicOrder)
{
    const CandidateTable table = buildCandidateTable(N, k);
    ASSERT_EQ(table.entries.size(), 165U);
    const struct {
        std::size_t index;
        const char* line;
    } cases[] = {
        {0, "01 02 03"}, {1, "01 02 04"}, {8, "01 02 11"}, {9, "01 03 04"}, {164, "09 10 11"}};
    for (const auto& c : cases)
        EXPECT_EQ(candidateLine(table.entries[c.index], k), c.line) << c.index;
    for (std::size_t i = 1; i < table.entries.size(); ++i)
        EXPECT_TRUE(std::lexicographical_compare(
            table.entries[i - 1].numbers.begin(), table.entries[i - 1].numbers.begin() + k,
            table.entries[i].numbers.begin(), table.entries[i].numbers.begin() + k));
    for (const Candidate& c : table.entries)
        EXPECT_EQ(std::popcount(c.mask), k);
    EXPECT_EQ(candidateCell(table.entries[0], k, 4), "    01 02 03 ");
}

TEST(ExclusionCandidates, CompactKeepsTheOrderOfTheKeptEntries)
{
    CandidateTable table = buildCandidateTable(N, k);
    table.entries[0].excluded = 1;
    table.entries[5].excluded = 1;
    EXPECT_EQ(table.keptCount(), 163);
    const std::string second = candidateLine(table.entries[1], k);
    table.compact();
    ASSERT_EQ(table.entries.size(), 163U);
    EXPECT_EQ(candidateLine(table.entries[0], k), second);
}

// ----------------------------------------------------------------------------- slot transform

TEST(SlotTransform, SlotMovesOnByOnePerPeriod)
{
    const struct {
        int number, period, slot;
    } cases[] = {{1, 0, 5}, {4, 0, 1}, {4, 10, 11}, {2, 3, 2}, {3, 0, 2}, {3, 11, 2}, {11, 5, 11}};
    for (const auto& c : cases)
        EXPECT_EQ(slotOf(kPerm, c.number, c.period), c.slot) << c.number << " at " << c.period;
}

TEST(SlotTransform, OrderingsAndTheExchangeSortOfTies)
{
    const struct {
        const char* name;
        SlotOrdering ordering;
        std::vector<SlotKeys> keys; // slot s at keys[s - 1]: {hits, omission}
        std::vector<int> ranks;
    } cases[] = {
        // o 1 before o 2; equal omission: more hits first; slots 1 and 4 tie and keep their order.
        {"recent", SlotOrdering::RecentFirst, {{1, 2}, {1, 1}, {3, 1}, {1, 2}}, {3, 2, 1, 4}},
        // A never-hit slot has omission 0 and so comes first here.
        {"recent unseen", SlotOrdering::RecentFirst, {{2, 1}, {0, 0}}, {2, 1}},
        // Fewer hits first; slot 3 jumps ahead and the tied slots 1 and 2 end up reversed.
        {"fewest ties", SlotOrdering::FewestHitsFirst, {{1, 5}, {1, 5}, {0, 1}}, {3, 2, 1}},
        {"fewest", SlotOrdering::FewestHitsFirst, {{2, 1}, {2, 4}, {1, 1}}, {3, 2, 1}},
        {"longest", SlotOrdering::LongestGapFirst, {{2, 3}, {1, 3}, {5, 7}, {0, 0}}, {3, 2, 1, 4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rankSlots(c.keys, c.ordering), c.ranks) << c.name;
}

TEST(SlotTransform, PassChoiceDrawsTheWindowThenThePermutationWithRedraws)
{
    ScriptedRandom random({7, 3, 3, 1, 1, 3, 2});
    const PassChoice choice = drawPassChoice(40, 3, random);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_EQ(choice.window, 7);
    EXPECT_EQ(choice.permutation.perm, (std::vector{0, 3, 1, 2}));
    const std::vector<std::pair<int, int>> asked{{1, 40}, {1, 3}, {1, 3}, {1, 3},
                                                 {1, 3},  {1, 3}, {1, 3}};
    EXPECT_EQ(random.asked, asked);
}

TEST(SlotTransform, WalkMatchesTheDefinitionForEveryOrderingAndWindow)
{
    const std::vector<Draw> draws = randomDraws(160, 11);
    for (const SlotOrdering ordering :
         {SlotOrdering::RecentFirst, SlotOrdering::FewestHitsFirst, SlotOrdering::LongestGapFirst})
        for (const int window : {0, 1, 7, 200})
            for (const int target : {1, 40, 160}) {
                const SlotView view =
                    transformToTarget(draws, k, kPerm, window, ordering, target, 0);
                const std::vector<Draw> full =
                    transformedDraws(draws, k, kPerm, window, ordering, target);
                for (int t = 0; t < target; t += 7) {
                    NumberMask expected = 0;
                    for (int j = 0; j < k; ++j) {
                        const int x = naiveNumber(draws, kPerm, window, ordering, t,
                                                  draws[static_cast<std::size_t>(t)]
                                                      .numbers[static_cast<std::size_t>(j)]);
                        expected |= NumberMask{1} << x;
                        EXPECT_EQ(
                            full[static_cast<std::size_t>(t)].numbers[static_cast<std::size_t>(j)],
                            x);
                    }
                    EXPECT_EQ(view.drawMask(t), expected) << "period " << t << " window " << window;
                }
                for (int x = 1; x <= N; ++x)
                    EXPECT_EQ(view.targetNumber[static_cast<std::size_t>(x)],
                              naiveNumber(draws, kPerm, window, ordering, target, x));
                // Ranking only the newest periods gives the same numbers there.
                const SlotView late =
                    transformToTarget(draws, k, kPerm, window, ordering, target, target - 1);
                EXPECT_EQ(late.drawMask(target - 1), view.drawMask(target - 1));
                EXPECT_EQ(late.targetNumber, view.targetNumber);
            }
}

TEST(SlotTransform, StatisticsTransformCountsSlotsFromZeroAndCarriesTheOmission)
{
    const std::vector<Draw> draws = randomDraws(90, 5);
    for (const int window : {0, 3, 30}) {
        const std::vector<Draw> got = statisticsTransform(draws, k, kPerm, window);
        ASSERT_EQ(got.size(), draws.size());
        // Straight from the definition, period by period.
        const auto slot = [](int n, int t) {
            return (kPerm.perm[static_cast<std::size_t>(n)] + t - 1) % N;
        };
        std::vector<int> carried(N, 0);
        for (int t = 0; t < static_cast<int>(draws.size()); ++t) {
            std::vector<SlotKeys> keys(N);
            for (int x = 0; x < N; ++x) {
                for (int d = window == 0 ? 0 : std::max(0, t - window); d < t; ++d)
                    for (int j = 0; j < k; ++j)
                        keys[static_cast<std::size_t>(x)].hits +=
                            slot(draws[static_cast<std::size_t>(d)]
                                     .numbers[static_cast<std::size_t>(j)],
                                 d)
                            == x;
                const int y = slot(x + 1, t);
                for (int d = t - 1; d >= 0; --d) {
                    bool hit = false;
                    for (int j = 0; j < k; ++j)
                        hit = hit
                              || slot(draws[static_cast<std::size_t>(d)]
                                          .numbers[static_cast<std::size_t>(j)],
                                      d)
                                     == y;
                    if (hit) {
                        carried[static_cast<std::size_t>(x)] = t - d;
                        break;
                    }
                }
                keys[static_cast<std::size_t>(x)].omission = carried[static_cast<std::size_t>(x)];
            }
            const std::vector<int> rank = rankSlots(keys, SlotOrdering::FewestHitsFirst);
            for (int j = 0; j < k; ++j)
                ASSERT_EQ(
                    got[static_cast<std::size_t>(t)].numbers[static_cast<std::size_t>(j)],
                    rank[static_cast<std::size_t>(slot(
                        draws[static_cast<std::size_t>(t)].numbers[static_cast<std::size_t>(j)],
                        t))])
                    << "period " << t << " window " << window;
        }
    }
}

// ----------------------------------------------------------------------------- members

TEST(ExclusionMembers, SumBoundsThirtyAndSixExcludeOnlyThoseSums)
{
    const std::vector<Draw> draws = randomDraws(120, 21);
    const CandidateTable table = buildCandidateTable(N, k);
    for (const int window : {1, 9, 120}) {
        SumExclusion sum(basis(draws, 120), 30, 6);
        sum.preparePass(PassChoice{kPerm, window});
        int excluded = 0;
        for (const Candidate& c : table.entries) {
            int expected = 0;
            for (int j = 0; j < k; ++j)
                expected += naiveNumber(draws, kPerm, window, SlotOrdering::RecentFirst, 120,
                                        c.numbers[static_cast<std::size_t>(j)]);
            ASSERT_EQ(sum.transformedSum(c), expected);
            EXPECT_EQ(sum.excludes(c), expected == 30 || expected == 6);
            excluded += sum.excludes(c) ? 1 : 0;
        }
        // The transformed numbers of one period are 1..11 once each: one candidate per extreme.
        EXPECT_EQ(excluded, 2);
    }
}

TEST(ExclusionMembers, RepeatThresholdOneExcludesEveryCandidateSharingATransformedNumber)
{
    const std::vector<Draw> draws = randomDraws(150, 8);
    const CandidateTable table = buildCandidateTable(N, k);
    const struct {
        int lookBack, threshold;
    } cases[] = {{10, 1}, {3, 1}, {10, 2}, {10, 3}};
    for (const auto& c : cases) {
        RepeatExclusion repeat(basis(draws, 140), c.lookBack, c.threshold);
        repeat.preparePass(PassChoice{kPerm, 25});
        const std::vector<Draw> full =
            transformedDraws(draws, k, kPerm, 25, SlotOrdering::FewestHitsFirst, 140);
        int excluded = 0;
        for (const Candidate& cand : table.entries) {
            std::set<int> mine;
            for (int j = 0; j < k; ++j)
                mine.insert(naiveNumber(draws, kPerm, 25, SlotOrdering::FewestHitsFirst, 140,
                                        cand.numbers[static_cast<std::size_t>(j)]));
            int rep = 0;
            for (int d = 139; d >= 140 - c.lookBack; --d) {
                int shared = 0;
                for (int j = 0; j < k; ++j)
                    shared +=
                        mine.count(
                            full[static_cast<std::size_t>(d)].numbers[static_cast<std::size_t>(j)])
                            ? 1
                            : 0;
                rep = std::max(rep, shared);
            }
            EXPECT_EQ(repeat.repeat(cand), rep);
            EXPECT_EQ(repeat.excludes(cand), rep >= c.threshold);
            excluded += repeat.excludes(cand) ? 1 : 0;
        }
        if (c.threshold == 1) {
            EXPECT_GT(excluded, 0);
        }
    }
}

TEST(ExclusionMembers, BigOddStreakRules)
{
    const std::vector<Draw> draws = randomDraws(200, 4);
    const CandidateTable table = buildCandidateTable(N, k);
    const BigOddRules defaults;
    BigOddRules unchecked;
    unchecked.highOn = unchecked.lowOn = false;
    BigOddRules noStreak;
    noStreak.streak = 0;
    BigOddRules odd;
    odd.oddMode = true;
    const struct {
        const char* name;
        BigOddRules rules;
    } cases[] = {
        {"defaults", defaults}, {"unchecked", unchecked}, {"Y = 0", noStreak}, {"odd", odd}};
    for (const auto& c : cases) {
        int highPasses = 0, lowPasses = 0, quietPasses = 0;
        for (int seed = 1; seed <= 40; ++seed) {
            SeededRandom random(static_cast<std::uint32_t>(seed));
            const PassChoice choice = drawPassChoice(200, N, random);
            BigOddExclusion member(basis(draws, 200), c.rules);
            member.preparePass(choice);
            const auto counted = [&](int x) { return c.rules.oddMode ? x % 2 == 1 : x >= 5; };
            const std::vector<Draw> full = transformedDraws(
                draws, k, choice.permutation, choice.window, SlotOrdering::FewestHitsFirst, 200);
            bool high = true, low = true;
            for (int d = 199; d >= 200 - c.rules.streak; --d) {
                int count = 0;
                for (int j = 0; j < k; ++j)
                    count +=
                        counted(
                            full[static_cast<std::size_t>(d)].numbers[static_cast<std::size_t>(j)])
                            ? 1
                            : 0;
                high = high && count >= 2;
                low = low && count <= 1;
            }
            EXPECT_EQ(member.highStreak(), high);
            EXPECT_EQ(member.lowStreak(), low);
            EXPECT_EQ(member.testsThisPass(), high || low);
            highPasses += high;
            lowPasses += low;
            quietPasses += !high && !low;
            for (const Candidate& cand : table.entries) {
                int count = 0;
                for (int j = 0; j < k; ++j)
                    count += counted(naiveNumber(draws, choice.permutation, choice.window,
                                                 SlotOrdering::FewestHitsFirst, 200,
                                                 cand.numbers[static_cast<std::size_t>(j)]))
                                 ? 1
                                 : 0;
                // With k = 3: a high streak drops the candidates with three, a low one those with
                // none.
                bool expected = (high && count == 3) || (low && count == 0);
                if (!c.rules.highOn && !c.rules.lowOn)
                    expected = false;
                ASSERT_EQ(member.excludes(cand), expected) << c.name << " seed " << seed;
            }
        }
        if (c.rules.streak == 0) {
            EXPECT_EQ(highPasses, 40) << c.name;
            EXPECT_EQ(lowPasses, 40) << c.name;
        } else {
            // The seeds meet every branch, so the rules above were all exercised.
            EXPECT_GT(highPasses, 0) << c.name;
            EXPECT_GT(lowPasses, 0) << c.name;
            EXPECT_GT(quietPasses, 0) << c.name;
        }
    }
}

// ----------------------------------------------------------------------------- follow number

TEST(FollowNumber, GroupSizeFromItsText)
{
    const struct {
        const char* text;
        int size;
    } cases[] = {{"1", 1}, {"2", 2}, {"3", 3}, {"", 3}, {"4", 3}, {" 2", 3}, {"abc", 3}, {"0", 3}};
    for (const auto& c : cases)
        EXPECT_EQ(followGroupSize(c.text), c.size) << '"' << c.text << '"';
}

TEST(FollowNumber, LatestDrawHoldingEachGroupGivesItsFollower)
{
    // 0: 01 02 03, 1: 04 05 06, 2: 01 02 09, 3: 07 08 10, last 4: 01 02 03.
    std::vector<NumberMask> masks;
    for (const Draw& d :
         {draw(1, 2, 3), draw(4, 5, 6), draw(1, 2, 9), draw(7, 8, 10), draw(1, 2, 3)})
        masks.push_back(drawMask(d, k));
    const auto mask = [](std::initializer_list<int> numbers) {
        NumberMask m = 0;
        for (int n : numbers)
            m |= NumberMask{1} << n;
        return m;
    };
    const struct {
        std::initializer_list<int> current;
        int g1, g2, g3;
    } cases[] = {
        {{4, 5, 7}, 2, 2, 2},  // draw 1 follows 03, {01 03}, {02 03} and the whole draw
        {{7, 8, 10}, 3, 3, 0}, // draw 3 follows 01, 02 and {01 02}, but not the whole draw
        {{4, 7, 8}, 2, 2, 1},
        {{3, 9, 11}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const NumberMask q = mask(c.current);
        EXPECT_EQ(followNumber(q, followerDraws(masks, 4, 1)), c.g1);
        EXPECT_EQ(followNumber(q, followerDraws(masks, 4, 2)), c.g2);
        EXPECT_EQ(followNumber(q, followerDraws(masks, 4, 3)), c.g3);
    }
    // No earlier draw holds a group: nothing follows.
    const std::vector<NumberMask> unseen{mask({1, 2, 3}), mask({4, 5, 6}), mask({7, 8, 9})};
    EXPECT_TRUE(followerDraws(unseen, 2, 1).empty());
    EXPECT_EQ(followNumber(mask({1, 2, 3}), followerDraws(unseen, 2, 1)), 0);
}

TEST(FollowNumber, SeriesMatchesTheBackwardSearchAndStartsWithTwoZeros)
{
    const std::vector<Draw> draws = randomDraws(400, 17);
    std::vector<NumberMask> masks;
    for (const Draw& d : draws)
        masks.push_back(drawMask(d, k));
    for (const int g : {1, 2, 3}) {
        const std::vector<int> series = followNumbers(masks, g);
        ASSERT_EQ(series.size(), draws.size());
        EXPECT_EQ(series[0], 0);
        EXPECT_EQ(series[1], 0);
        int nonZero = 0;
        for (int t = 2; t < 400; ++t) {
            const std::vector<NumberMask> before(masks.begin(), masks.begin() + t);
            ASSERT_EQ(
                series[static_cast<std::size_t>(t)],
                followNumber(masks[static_cast<std::size_t>(t)], followerDraws(before, t - 1, g)))
                << "draw " << t << " g " << g;
            nonZero += series[static_cast<std::size_t>(t)] > 0;
        }
        EXPECT_GT(nonZero, 0);
    }
    const HistoryStatistics h = followHistory(draws, k, followGroupSize("x"));
    EXPECT_EQ(h.rows[0][2], "0");
    EXPECT_EQ(h.rows[1][2], "0");
}

TEST(FollowNumber, SearchTestUsesBoundsOnStoredOrTransformedDraws)
{
    const std::vector<Draw> draws = randomDraws(300, 2);
    const CandidateTable table = buildCandidateTable(N, k);
    std::vector<NumberMask> stored;
    for (const Draw& d : draws)
        stored.push_back(drawMask(d, k));
    FollowSettings regular;
    regular.transformed = false;
    FollowExclusion member(basis(draws, 250), regular);
    SeededRandom random(1);
    member.preparePass(random);
    const auto followers =
        followerDraws(std::vector<NumberMask>(stored.begin(), stored.begin() + 250), 249, 2);
    int excluded = 0;
    for (const Candidate& c : table.entries) {
        const int f = followNumber(c.mask, followers);
        EXPECT_EQ(member.followNumberOf(c), f);
        EXPECT_EQ(member.excludes(c), f >= 3 || f <= 0);
        excluded += member.excludes(c);
    }
    EXPECT_GT(excluded, 0);
    EXPECT_LT(excluded, 165);

    // Arrangement mode: the transformed number is the slot itself.
    FollowSettings arrangement;
    arrangement.arrangement = true;
    FollowExclusion slots(basis(draws, 250), arrangement);
    slots.preparePass(kPerm, 1);
    std::vector<NumberMask> moved;
    for (int t = 0; t < 250; ++t) {
        NumberMask m = 0;
        for (int j = 0; j < k; ++j)
            m |= NumberMask{1} << slotOf(
                     kPerm, draws[static_cast<std::size_t>(t)].numbers[static_cast<std::size_t>(j)],
                     t);
        moved.push_back(m);
    }
    const auto movedFollowers = followerDraws(moved, 249, 2);
    for (const Candidate& c : table.entries) {
        NumberMask q = 0;
        for (int j = 0; j < k; ++j)
            q |= NumberMask{1} << slotOf(kPerm, c.numbers[static_cast<std::size_t>(j)], 250);
        EXPECT_EQ(slots.followNumberOf(c), followNumber(q, movedFollowers));
    }
}

TEST(FollowNumber, RankModeMatchesTheWholeTransformedHistory)
{
    const std::vector<Draw> draws = randomDraws(700, 31);
    const CandidateTable table = buildCandidateTable(N, k);
    for (const bool longestGap : {false, true})
        for (const int g : {1, 2, 3})
            for (const int target : {2, 65, 700}) {
                FollowSettings s;
                s.longestGap = longestGap;
                s.groupSize = g;
                FollowExclusion member(basis(draws, target), s);
                member.preparePass(kPerm, 40);
                const SlotOrdering ordering =
                    longestGap ? SlotOrdering::LongestGapFirst : SlotOrdering::FewestHitsFirst;
                const std::vector<Draw> full =
                    transformedDraws(draws, k, kPerm, 40, ordering, target);
                std::vector<NumberMask> masks;
                for (const Draw& d : full)
                    masks.push_back(drawMask(d, k));
                const auto followers = followerDraws(masks, target - 1, g);
                for (const Candidate& c : table.entries) {
                    NumberMask q = 0;
                    for (int j = 0; j < k; ++j)
                        q |= NumberMask{1} << naiveNumber(draws, kPerm, 40, ordering, target,
                                                          c.numbers[static_cast<std::size_t>(j)]);
                    ASSERT_EQ(member.followNumberOf(c), followNumber(q, followers))
                        << "g " << g << " target " << target << " longest gap " << longestGap;
                }
            }
}

TEST(FollowNumber, WindowOfTheTransformedPass)
{
    const struct {
        bool random, maximum;
        int lo, hi; // the window, or the range it is drawn from
    } cases[] = {{false, false, 100, 100},
                 {false, true, 81, 81},
                 {true, false, 1, 100},
                 {true, true, 1, 81}};
    for (const auto& c : cases) {
        FollowSettings s;
        s.randomWindow = c.random;
        s.maximumWindow = c.maximum;
        ScriptedRandom random({c.hi});
        EXPECT_EQ(FollowExclusion::windowFor(s, 80, random), c.hi);
        const std::vector<std::pair<int, int>> asked =
            c.random ? std::vector<std::pair<int, int>>{{c.lo, c.hi}}
                     : std::vector<std::pair<int, int>>{};
        EXPECT_EQ(random.asked, asked);
    }
}

// ----------------------------------------------------------------------------- history views

TEST(ExclusionHistory, SumAndRepeatRowsAndSummaries)
{
    const std::vector<Draw> draws{draw(1, 2, 3, 101), draw(9, 10, 11, 102), draw(3, 5, 1, 103),
                                  draw(4, 6, 8, 104)};
    const HistoryStatistics sum = sumHistory(draws, N, k);
    EXPECT_EQ(sum.rows[2], (std::vector<std::string>{"103", "03 05 01 ", "9"}));
    EXPECT_EQ(sum.summary,
              "和值：理论平均值：18.0 理论最小值：6 理论最大值：30 实际最小值：6 实际最大值：30");
    EXPECT_EQ(sum.bars.size(), 4U);

    const HistoryStatistics repeat = repeatHistory(draws, k, 2, 1);
    EXPECT_EQ(repeat.rows[0], (std::vector<std::string>{"101", "01 02 03 ", "0", "3", "1.5", ""}));
    EXPECT_EQ(repeat.rows[1][5], "");
    EXPECT_EQ(repeat.rows[2][5], "2"); // 01 03 again from draw 101
    EXPECT_EQ(repeat.rows[3][5], "0");
    EXPECT_EQ(repeat.summary, "最大重码个数：2 最小重码个数：0");
    ASSERT_EQ(repeat.bars.size(), 3U); // from draw W' = 1 on
    EXPECT_EQ(repeat.bars[0].label, "102");
    EXPECT_FALSE(repeat.bars[0].value.has_value());
    EXPECT_EQ(repeat.bars[1].value, 2);
}

// ----------------------------------------------------------------------------- bet files

TEST(ExclusionBets, SavedLinesReadBackInTheSameOrder)
{
    CandidateTable table = buildCandidateTable(N, k);
    std::vector<Candidate> bets{table.entries[0], table.entries[100], table.entries[7]};
    const std::string text = exclusionBetText(bets, k);
    EXPECT_EQ(text.substr(0, 10), "01 02 03\r\n");
    for (const bool bigOdd : {false, true}) {
        const ExclusionLoad load = parseExclusionBets(text, N, k, {bigOdd});
        ASSERT_FALSE(load.problem) << *load.problem;
        ASSERT_EQ(load.bets.size(), 3U);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(candidateLine(load.bets[i], k), candidateLine(bets[i], k));
            EXPECT_EQ(load.bets[i].mask, bets[i].mask);
        }
    }
    // The list's copied cells ("01 02 03 ") read as well.
    EXPECT_EQ(parseExclusionBets("01 02 03 \r\n04 05 06 \r\n", N, k, {}).bets.size(), 2U);
}

TEST(ExclusionBets, RepeatsAndBlankLinesPerMember)
{
    const std::string text = "01 02 03\r\n01 02 03\r\n04 05 06\r\n\r\n04 05 06\r\n01 02 03\r\n";
    const ExclusionLoad collapsing = parseExclusionBets(text, N, k, {false});
    std::vector<std::string> lines;
    for (const Candidate& c : collapsing.bets)
        lines.push_back(candidateLine(c, k));
    EXPECT_EQ(lines, (std::vector<std::string>{"01 02 03", "04 05 06", "04 05 06", "01 02 03"}));
    const ExclusionLoad bigOdd = parseExclusionBets(text, N, k, {true});
    EXPECT_EQ(bigOdd.bets.size(), 3U); // up to the blank line, repeats kept
}

TEST(ExclusionBets, FaultyLinesAreRefusedNamingTheLine)
{
    const struct {
        const char* text;
        const char* fragment;
    } cases[] = {
        {"01 02 03\r\n01 02\r\n", "第 2 行“01 02”太短"},
        {"01 02 0x\r\n", "第 1 行“01 02 0x”的第 3 个号码不是两位数字"},
        {"01 02 03\r\n04 05 06\r\n01 12 03\r\n", "第 3 行“01 12 03”的号码 12 不在 01 到 11 之间"},
        {"00 02 03\r\n", "号码 00 不在 01 到 11 之间"},
        {"01 01 03\r\n", "第 1 行“01 01 03”的号码 01 重复"},
        {"1 2 3\r\n", "第 1 行“1 2 3”"},
    };
    for (const auto& c : cases) {
        const ExclusionLoad load = parseExclusionBets(c.text, N, k, {});
        EXPECT_NE(load.problem.value_or("").find(c.fragment), std::string::npos)
            << load.problem.value_or("");
        EXPECT_TRUE(load.bets.empty());
    }
}

TEST(ExclusionBets, AtMostOneMillionLinesAreRead)
{
    std::string text;
    const CandidateTable table = buildCandidateTable(N, k);
    text.reserve(10 * (kMaxExclusionFileLines + 2));
    for (std::size_t i = 0; i < kMaxExclusionFileLines + 2; ++i)
        text += candidateLine(table.entries[i % 165], k) + "\r\n";
    const ExclusionLoad load = parseExclusionBets(text, N, k, {});
    EXPECT_TRUE(load.truncated);
    EXPECT_EQ(load.bets.size(), kMaxExclusionFileLines);
    EXPECT_FALSE(parseExclusionBets("01 02 03\r\n", N, k, {}).truncated);
}

// ----------------------------------------------------------------------------- search loop

namespace {

// Excludes the candidates whose index in the full table is listed, in the passes given.
class ListedMember : public ExclusionMember {
public:
    explicit ListedMember(std::set<NumberMask> excluded) : excluded_(std::move(excluded)) {}
    void preparePass(RandomSource&) override { ++passes; }
    bool excludes(const Candidate& c) const override { return excluded_.count(c.mask) > 0; }
    int passes = 0;

private:
    std::set<NumberMask> excluded_;
};

std::set<NumberMask> firstMasks(const CandidateTable& table, int count)
{
    std::set<NumberMask> masks;
    for (int i = 0; i < count; ++i)
        masks.insert(table.entries[static_cast<std::size_t>(i) * 3].mask);
    return masks;
}

} // namespace

TEST(ExclusionSearchLoop, StopRules)
{
    SeededRandom random(1);
    const struct {
        const char* name;
        ExclusionStopRule rule;
        int excludable;
        int remaining;
        int passes;
    } cases[] = {
        {"target above the table: first exclusion ends it", {true, 10000, 0}, 40, 164, 1},
        {"target reached mid pass", {true, 150, 0}, 40, 150, 1},
        {"one pass", {false, 0, 1}, 40, 125, 1},
        {"three passes, nothing more after the first", {false, 0, 3}, 40, 125, 3},
        {"no pass", {false, 0, 0}, 40, 165, 0},
    };
    for (const auto& c : cases) {
        CandidateTable table = buildCandidateTable(N, k);
        ListedMember member(firstMasks(table, c.excludable));
        std::vector<int> progress;
        ExclusionHooks hooks;
        hooks.progress = [&](int v) { progress.push_back(v); };
        const ExclusionOutcome out = runExclusionSearch(table, member, c.rule, random, hooks);
        EXPECT_EQ(out.end, ExclusionEnd::Finished) << c.name;
        EXPECT_EQ(out.remaining, c.remaining) << c.name;
        EXPECT_EQ(table.keptCount(), c.remaining) << c.name;
        EXPECT_EQ(member.passes, c.passes) << c.name;
        ASSERT_FALSE(progress.empty()) << c.name;
        EXPECT_EQ(progress.back(), c.rule.countMode ? 165 - c.remaining : c.rule.passes) << c.name;
    }
}

TEST(ExclusionSearchLoop, StopMidPassKeepsTheExclusionsMadeSoFar)
{
    SeededRandom random(1);
    CandidateTable table = buildCandidateTable(N, k);
    ListedMember member(firstMasks(table, 40));
    int asked = 0;
    ExclusionHooks hooks;
    hooks.keepGoing = [&] { return ++asked <= 31; }; // one per pass, then one per candidate
    const ExclusionOutcome out = runExclusionSearch(table, member, {false, 0, 5}, random, hooks);
    EXPECT_EQ(out.end, ExclusionEnd::Stopped);
    EXPECT_EQ(member.passes, 1);
    EXPECT_EQ(table.entries.size(), 165U);
    EXPECT_EQ(table.keptCount(), 165 - 10); // entries 0, 3, ..., 27 were tested
}

TEST(ExclusionSearchLoop, CountModeExcludingNothingRunsUntilStopped)
{
    SeededRandom random(1);
    CandidateTable table = buildCandidateTable(N, k);
    ListedMember member({});
    long long passes = 0;
    int asked = 0;
    ExclusionHooks hooks;
    hooks.keepGoing = [&] { return ++asked < 166 * 50; };
    hooks.passBegun = [&](long long r) { passes = r; };
    const ExclusionOutcome out = runExclusionSearch(table, member, {true, 10, 0}, random, hooks);
    EXPECT_EQ(out.end, ExclusionEnd::Stopped);
    EXPECT_EQ(passes, 50);
    EXPECT_EQ(out.passes, 50);

    // An empty table still hears the stop once per pass.
    CandidateTable empty;
    asked = 0;
    EXPECT_EQ(runExclusionSearch(empty, member, {true, 0, 0}, random, hooks).end,
              ExclusionEnd::Stopped);
}

TEST(ExclusionSearchLoop, ProgressMaximum)
{
    const CandidateTable table = buildCandidateTable(N, k);
    EXPECT_EQ(progressMaximum(table, {true, 50, 0}), 115);
    EXPECT_EQ(progressMaximum(table, {true, 10000, 0}), 0);
    EXPECT_EQ(progressMaximum(table, {false, 0, 7}), 7);
}
