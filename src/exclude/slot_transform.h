#pragma once
// The exclusion searches' view of the history: every number moves on by one slot per period
// (slot of n in period t = (p(n) + t) mod N + 1), the slots are ranked by their hits within the
// last W draws and their omission, and a number is shown as the rank of its slot.
// N is at most 31 throughout (numbers are bits of a NumberMask).

#include <span>
#include <vector>

#include "exclude/candidate_table.h"
#include "store/draw_types.h"
#include "store/random_source.h"
#include "store/transformed_history.h"

namespace pickora {

enum class SlotOrdering {
    RecentFirst,     // smaller omission first; equal omission: more hits first
    FewestHitsFirst, // fewer hits first; equal hits: larger omission first
    LongestGapFirst, // larger omission first; equal omission: fewer hits first
};

struct SlotKeys {
    int hits = 0;
    int omission = 0;
};

// Ranks the slots whose keys are keys[0..N-1] (slot s at keys[s - 1], or slot s at keys[s] when
// slots are counted from 0): the slots listed in ascending order are put in order by the exchange
// sort that swaps positions i < j when the slot at j comes before the slot at i. Returns rank[s]
// (1..N) for every slot index of `keys`.
std::vector<int> rankSlots(std::span<const SlotKeys> keys, SlotOrdering ordering);

// (p(n) + t) mod N + 1
inline int slotOf(const Permutation& p, int number, int period)
{
    return (p.perm[static_cast<std::size_t>(number)] + period) % p.size() + 1;
}

// The random choices of one pass: the generator is reseeded from the clock, W is drawn from
// 1..maxWindow, then p number by number (a value equal to an earlier one is drawn again).
struct PassChoice {
    Permutation permutation;
    int window = 0;
};
PassChoice drawPassChoice(int maxWindow, int totalNumbers, RandomSource& random);

// The transformed view up to the target period C.
struct SlotView {
    // Transformed draws firstRanked .. C - 1 as number masks (the rank of each number's slot,
    // ranked with the statistics of the draws before the draw).
    std::vector<NumberMask> drawMasks;
    int firstRanked = 0;
    // The transformed number of n in period C, for n = 1..N (index 0 unused).
    std::vector<int> targetNumber;

    NumberMask drawMask(int period) const
    {
        return drawMasks[static_cast<std::size_t>(period - firstRanked)];
    }
    NumberMask targetMask(const Candidate& c, int pickCount) const;
};

// Walks the draws 0 .. C - 1 once, keeping every slot's hits within the window (W = 0: every
// earlier draw) and its latest hit; ranks only the periods firstRanked .. C. Linear in C.
SlotView transformToTarget(std::span<const Draw> draws, int pickCount, const Permutation& p,
                           int window, SlotOrdering ordering, int target, int firstRanked);

// The whole transformed history 0 .. C - 1 with each draw's numbers replaced by their transformed
// numbers in stored order (for tests and the history views).
std::vector<Draw> transformedDraws(std::span<const Draw> draws, int pickCount, const Permutation& p,
                                   int window, SlotOrdering ordering, int target);

// The transform of "变幻统计": slots counted from 0 ((p(n) + t - 1) mod N), slot x ranked
// `FewestHitsFirst` on its hits within the last W draws (W = 0: all) and the omission of the slot
// number x + 1 occupies, kept from the previous period while that slot has never been hit.
// Returns every draw with its numbers replaced in stored order.
std::vector<Draw> statisticsTransform(std::span<const Draw> draws, int pickCount,
                                      const Permutation& p, int window);

} // namespace pickora
