#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

#include "store/transformed_history.h"

using namespace pickora;

namespace {

constexpr int N = 11;
constexpr int k = 3;

std::vector<Draw> randomDraws(int count, std::uint32_t seed)
{
    SeededRandom random(seed);
    std::vector<Draw> draws(count);
    for (int i = 0; i < count; ++i) {
        Draw& d = draws[i];
        d.issue = 10000000 + i;
        for (int j = 0; j < k;) {
            const int n = random.uniform(1, N);
            if (std::find(d.numbers.begin(), d.numbers.begin() + j, n) == d.numbers.begin() + j)
                d.numbers[j++] = n;
        }
    }
    return draws;
}

const Permutation kPerm = makePermutation(std::vector{4, 9, 1, 11, 6, 2, 8, 10, 3, 7, 5});

// The ranking exactly as the players' manual describes it: recount the window and search back
// through the whole history for every label at every step.
struct Reference {
    std::vector<Draw> draws;
    std::vector<RankedLabel> finalPositions;
};

Reference referenceTransform(const std::vector<Draw>& draws, const Permutation& p, int W)
{
    const int T = static_cast<int>(draws.size());
    auto L = [&](int x, int i) { return (p.perm[x] + i) % N + 1; };
    Reference ref;
    std::vector<int> c(N + 1, 0), o(N + 1, 0);
    for (int i = 0; i <= T; ++i) {
        std::fill(c.begin(), c.end(), 0);
        for (int d = std::max(0, i - W); d < i; ++d)
            for (int j = 0; j < k; ++j)
                ++c[L(draws[d].numbers[j], d)];
        for (int y = 1; y <= N; ++y)
            for (int d = i - 1; d >= 0; --d) {
                bool found = false;
                for (int j = 0; j < k; ++j)
                    found |= L(draws[d].numbers[j], d) == y;
                if (found) {
                    o[y] = i - d;
                    break;
                }
            }
        std::vector<RankedLabel> e;
        for (int y = 1; y <= N; ++y)
            e.push_back({y, c[y], o[y]});
        for (int s = 0; s < N - 1; ++s)
            for (int t = s + 1; t < N; ++t)
                if (e[s].omission < e[t].omission
                    || (e[s].omission == e[t].omission && e[s].windowCount > e[t].windowCount))
                    std::swap(e[s], e[t]);
        std::vector<int> rank(N + 1);
        for (int s = 0; s < N; ++s)
            rank[e[s].label] = s + 1;
        if (i < T) {
            Draw t = draws[i];
            for (int j = 0; j < k; ++j)
                t.numbers[j] = rank[L(t.numbers[j], i)];
            std::sort(t.numbers.begin(), t.numbers.begin() + k);
            ref.draws.push_back(t);
        } else {
            ref.finalPositions = e;
        }
    }
    return ref;
}

} // namespace

TEST(TransformedHistory, MatchesTheStepByStepDefinition)
{
    for (const int W : {1, 2, 7, 50, 100}) {
        for (const int count : {1, 5, 40, 300}) {
            SCOPED_TRACE(testing::Message() << "W=" << W << " count=" << count);
            const auto draws = randomDraws(count, static_cast<std::uint32_t>(W * 1000 + count));
            const TransformedHistory t = transformHistory(draws, N, k, kPerm, W);
            const Reference ref = referenceTransform(draws, kPerm, W);
            ASSERT_EQ(t.draws.size(), ref.draws.size());
            for (std::size_t i = 0; i < ref.draws.size(); ++i) {
                EXPECT_EQ(t.draws[i].issue, draws[i].issue);
                for (int j = 0; j < k; ++j)
                    ASSERT_EQ(t.draws[i].numbers[j], ref.draws[i].numbers[j]) << "draw " << i;
            }
            for (int s = 0; s < N; ++s) {
                const auto& a = t.finalRanking.positions[s];
                const auto& b = ref.finalPositions[s];
                EXPECT_EQ(a.label, b.label);
                EXPECT_EQ(a.windowCount, b.windowCount);
                EXPECT_EQ(a.omission, b.omission);
                EXPECT_EQ(t.finalRanking.rankOfLabel[a.label], s + 1);
            }
        }
    }
}

TEST(TransformedHistory, FirstDrawIsRankedOnTheEmptyTable)
{
    const auto draws = randomDraws(20, 7);
    const TransformedHistory t = transformHistory(draws, N, k, kPerm, 10);
    std::vector<int> expected;
    for (int j = 0; j < k; ++j)
        expected.push_back(kPerm.perm[draws[0].numbers[j]] % N + 1);
    std::sort(expected.begin(), expected.end());
    for (int j = 0; j < k; ++j)
        EXPECT_EQ(t.draws[0].numbers[j], expected[j]);
}

TEST(TransformedHistory, RanksOfEachDrawAreDistinctAndAscending)
{
    const auto draws = randomDraws(3000, 11);
    const TransformedHistory t = transformHistory(draws, N, k, kPerm, 37);
    for (const Draw& d : t.draws) {
        EXPECT_LT(d.numbers[0], d.numbers[1]);
        EXPECT_LT(d.numbers[1], d.numbers[2]);
        EXPECT_GE(d.numbers[0], 1);
        EXPECT_LE(d.numbers[2], N);
    }
}

TEST(TransformedHistory, EmptyHistoryRanksEveryLabelAsItself)
{
    const TransformedHistory t = transformHistory({}, N, k, kPerm, 5);
    EXPECT_TRUE(t.draws.empty());
    for (int y = 1; y <= N; ++y) {
        EXPECT_EQ(t.finalRanking.rankOfLabel[y], y);
        const auto& p = t.finalRanking.positions[y - 1];
        EXPECT_EQ(p.windowCount, 0);
        EXPECT_EQ(p.omission, 0);
    }
}

TEST(TransformedHistory, WindowAtLeastTheHistoryCountsEveryDraw)
{
    const auto draws = randomDraws(60, 3);
    for (const int W : {60, 100}) {
        const TransformedHistory t = transformHistory(draws, N, k, kPerm, W);
        std::vector<int> totals(N + 1, 0);
        for (int i = 0; i < 60; ++i)
            for (int j = 0; j < k; ++j)
                ++totals[t.label(draws[i].numbers[j], i)];
        for (const RankedLabel& p : t.finalRanking.positions)
            EXPECT_EQ(p.windowCount, totals[p.label]) << "label " << p.label;
    }
}

TEST(TransformedHistory, UnseenLabelsRankBehindSeenOnes)
{
    const auto draws = randomDraws(1, 5);
    const TransformedHistory t = transformHistory(draws, N, k, kPerm, 5);
    std::set<int> seen;
    for (int j = 0; j < k; ++j)
        seen.insert(t.label(draws[0].numbers[j], 0));
    for (int s = 0; s < N; ++s) {
        const auto& p = t.finalRanking.positions[s];
        EXPECT_EQ(seen.count(p.label) == 1, s < k) << "position " << s + 1;
        EXPECT_EQ(p.omission, s < k ? 1 : 0);
    }
}

TEST(TransformedHistory, NextDrawMappingIsABijection)
{
    const auto draws = randomDraws(200, 9);
    const TransformedHistory t = transformHistory(draws, N, k, kPerm, 30);
    std::set<int> ranks;
    for (int x = 1; x <= N; ++x) {
        const int r = t.rankOfNextNumber(x);
        ranks.insert(r);
        EXPECT_EQ(t.numberOfNextRank(r), x);
        EXPECT_EQ(r, t.finalRanking.rankOfLabel[(kPerm.perm[x] + 200) % N + 1]);
    }
    EXPECT_EQ(ranks.size(), N);
}

TEST(TransformedHistory, DrawnPermutationAndWindowAreValid)
{
    SeededRandom random(42);
    for (int round = 0; round < 50; ++round) {
        const Permutation p = drawPermutation(N, random);
        std::vector<int> values(p.perm.begin() + 1, p.perm.end());
        std::sort(values.begin(), values.end());
        std::vector<int> all(N);
        std::iota(all.begin(), all.end(), 1);
        EXPECT_EQ(values, all);
        for (int x = 1; x <= N; ++x)
            EXPECT_EQ(p.inv[p.perm[x]], x);
        const int w = drawWindowLength(random);
        EXPECT_GE(w, 1);
        EXPECT_LE(w, 100);
    }
}

TEST(TransformedHistory, NewestRanksMatchTheWholeWalk)
{
    const auto draws = randomDraws(500, 21);
    for (const int count : {0, 1, 2, 3, 499, 500, 600}) {
        const TransformedHistory whole = transformHistory(draws, N, k, kPerm, 40);
        const std::vector<Draw> newest = transformNewest(draws, N, k, kPerm, 40, count);
        ASSERT_EQ(newest.size(), static_cast<std::size_t>(std::min(count, 500))) << count;
        for (std::size_t i = 0; i < newest.size(); ++i) {
            const Draw& expected = whole.draws[whole.draws.size() - newest.size() + i];
            EXPECT_EQ(newest[i].issue, expected.issue);
            EXPECT_EQ(newest[i].numbers, expected.numbers) << count << " " << i;
        }
    }
}
