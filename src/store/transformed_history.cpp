#include "store/transformed_history.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace pickora {

Permutation makePermutation(std::span<const int> values)
{
    Permutation p;
    const auto n = values.size();
    p.perm.assign(n + 1, 0);
    p.inv.assign(n + 1, 0);
    for (std::size_t x = 1; x <= n; ++x) {
        p.perm[x] = values[x - 1];
        p.inv[values[x - 1]] = static_cast<int>(x);
    }
    return p;
}

Permutation drawPermutation(int totalNumbers, RandomSource& random)
{
    std::vector<int> values;
    values.reserve(totalNumbers);
    for (int x = 1; x <= totalNumbers; ++x) {
        int v = 0;
        do {
            v = random.uniform(1, totalNumbers);
        } while (std::find(values.begin(), values.end(), v) != values.end());
        values.push_back(v);
    }
    return makePermutation(values);
}

int drawWindowLength(RandomSource& random) { return random.uniform(1, 100); }

int TransformedHistory::label(int number, int drawIndex) const
{
    const int n = permutation.size();
    return (permutation.perm[number] + drawIndex) % n + 1;
}

int TransformedHistory::rankOfNextNumber(int number) const
{
    return finalRanking.rankOfLabel[label(number, nextIndex)];
}

int TransformedHistory::numberOfNextRank(int rank) const
{
    for (int x = 1; x <= permutation.size(); ++x)
        if (rankOfNextNumber(x) == rank)
            return x;
    return 0;
}

namespace {

// Longer absence first; among equal absences the smaller window count first. A window count
// never exceeds 5 numbers x 100 draws, so it fits below the omission's bits.
constexpr std::uint64_t rankingKey(int omission, int windowCount)
{
    return std::uint64_t(omission) * 1024 + std::uint64_t(1023 - windowCount);
}

} // namespace

namespace {

// The walk over every draw. Window counts and last occurrences are kept for every draw; the
// ranking (omissions and the exchange sort) is made only from `firstRanked` on, where its result
// is wanted. The final ranking is always made.
void walk(std::span<const Draw> draws, int N, int pickCount, const Permutation& permutation,
          int windowLength, int firstRanked, std::vector<Draw>& ranked, Ranking& finalRanking)
{
    const int T = static_cast<int>(draws.size());
    const auto label = [&](int number, int index) {
        return (permutation.perm[number] + index) % N + 1;
    };

    // Per label (1..N): count within the window, and the draw it was last seen in.
    std::vector<int> windowCount(N + 1, 0);
    std::vector<int> lastSeen(N + 1, -1);
    std::vector<int> rankOfLabel(N + 1, 0);
    // The ranking as packed values: (sort key << 8) | label, where a larger key ranks first.
    std::vector<std::uint64_t> order(N);

    for (int i = 0; i <= T; ++i) {
        if (i >= 1) {
            const Draw& previous = draws[i - 1];
            for (int j = 0; j < pickCount; ++j) {
                const int y = label(previous.numbers[j], i - 1);
                ++windowCount[y];
                lastSeen[y] = i - 1;
            }
        }
        if (i >= windowLength + 1) {
            const Draw& leaving = draws[i - windowLength - 1];
            for (int j = 0; j < pickCount; ++j)
                --windowCount[label(leaving.numbers[j], i - windowLength - 1)];
        }
        if (i < firstRanked && i < T)
            continue;

        // A label never seen has omission 0, so it ranks behind every label already seen.
        for (int y = 1; y <= N; ++y) {
            const int omission = lastSeen[y] >= 0 ? i - lastSeen[y] : 0;
            order[y - 1] = rankingKey(omission, windowCount[y]) << 8 | std::uint64_t(y);
        }
        // This exact exchange sort decides the order of labels that tie on both keys: an entry
        // is swapped with a later one only when the later one ranks strictly first.
        for (int s = 0; s < N - 1; ++s) {
            std::uint64_t current = order[s];
            for (int t = s + 1; t < N; ++t) {
                const std::uint64_t other = order[t];
                const bool swap = (current >> 8) < (other >> 8);
                order[t] = swap ? current : other;
                current = swap ? other : current;
            }
            order[s] = current;
        }
        for (int s = 0; s < N; ++s)
            rankOfLabel[order[s] & 0xFF] = s + 1;

        if (i < T) {
            const Draw& source = draws[i];
            Draw& target = ranked[i - firstRanked];
            target.issue = source.issue;
            for (int j = 0; j < pickCount; ++j)
                target.numbers[j] = rankOfLabel[label(source.numbers[j], i)];
            std::sort(target.numbers.begin(), target.numbers.begin() + pickCount);
        } else {
            finalRanking.rankOfLabel = rankOfLabel;
            finalRanking.positions.clear();
            for (int s = 0; s < N; ++s) {
                const int y = static_cast<int>(order[s] & 0xFF);
                const int omission = lastSeen[y] >= 0 ? i - lastSeen[y] : 0;
                finalRanking.positions.push_back({y, windowCount[y], omission});
            }
        }
    }
}

} // namespace

TransformedHistory transformHistory(std::span<const Draw> draws, int totalNumbers, int pickCount,
                                    const Permutation& permutation, int windowLength)
{
    TransformedHistory result;
    result.permutation = permutation;
    result.windowLength = windowLength;
    result.nextIndex = static_cast<int>(draws.size());
    result.draws.resize(draws.size());
    walk(draws, totalNumbers, pickCount, permutation, windowLength, 0, result.draws,
         result.finalRanking);
    return result;
}

std::vector<Draw> transformNewest(std::span<const Draw> draws, int totalNumbers, int pickCount,
                                  const Permutation& permutation, int windowLength, int count)
{
    const int T = static_cast<int>(draws.size());
    const int first = std::max(0, T - std::max(0, count));
    std::vector<Draw> ranked(static_cast<std::size_t>(T - first));
    Ranking unused;
    walk(draws, totalNumbers, pickCount, permutation, windowLength, first, ranked, unused);
    return ranked;
}

} // namespace pickora
