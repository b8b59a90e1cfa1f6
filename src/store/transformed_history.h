#pragma once
// The "变幻走势" history: every number is relabelled per draw by a random permutation shifted by
// the draw index, and each draw is shown as the ranks its labels hold in a ranking by absence
// (longest absent first) and, among equal absences, by the count within the last W draws.

#include <span>
#include <vector>

#include "store/draw_types.h"
#include "store/random_source.h"

namespace pickora {

// perm[x] for x = 1..N and its inverse (index 0 unused).
struct Permutation {
    std::vector<int> perm;
    std::vector<int> inv;
    int size() const { return static_cast<int>(perm.size()) - 1; }
};

// Builds a permutation from perm[1..N]; the caller guarantees it is one.
Permutation makePermutation(std::span<const int> values);
// perm[x] drawn uniformly from 1..N for x = 1..N, drawing again while it repeats an earlier one.
Permutation drawPermutation(int totalNumbers, RandomSource& random);
// The window length W, uniform in 1..100.
int drawWindowLength(RandomSource& random);

struct RankedLabel {
    int label = 0;
    int windowCount = 0;
    int omission = 0;
};

struct Ranking {
    std::vector<RankedLabel> positions; // positions[s - 1] for s = 1..N
    std::vector<int> rankOfLabel;       // rankOfLabel[y] for y = 1..N (index 0 unused)
};

struct TransformedHistory {
    Permutation permutation;
    int windowLength = 0;
    std::vector<Draw> draws;  // issue and the ranks of the draw's labels, ascending
    Ranking finalRanking;     // after the newest draw: ranks the labels of the next draw
    int nextIndex = 0;        // index of the next draw (= the number of draws)

    // L(x, i) = ((perm[x] + i) mod N) + 1
    int label(int number, int drawIndex) const;
    // The rank number x will hold in the next draw, and its inverse.
    int rankOfNextNumber(int number) const;
    int numberOfNextRank(int rank) const;
};

// The whole transform for a fixed permutation and window; linear in the number of draws.
TransformedHistory transformHistory(std::span<const Draw> draws, int totalNumbers, int pickCount,
                                    const Permutation& permutation, int windowLength);

// The same ranks for the newest `count` draws only (oldest of them first): the walk keeps its
// counts over every draw but ranks only where asked, so a search can test a transform quickly.
std::vector<Draw> transformNewest(std::span<const Draw> draws, int totalNumbers, int pickCount,
                                  const Permutation& permutation, int windowLength, int count);

// A permutation and a window length, drawn as "变幻走势" draws them.
struct TransformParameters {
    Permutation permutation;
    int windowLength = 0;
};

} // namespace pickora
