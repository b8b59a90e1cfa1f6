#pragma once
// "最优间隔回补选号": the rebound intervals of the numbers over a short stretch of recent draws
// are ranked by how often they occurred, least often first, and the numbers whose present
// omission equals an interval are taken in that order.

#include <span>
#include <vector>

#include "recommend/backtest.h"
#include "store/draw_types.h"

namespace pickora {

struct IntervalReboundSettings {
    int span = 5;  // S: the largest interval considered and the length of the look-back stretch
    int picks = 6; // P: the most numbers to take
};

struct IntervalReboundPick {
    std::vector<int> counters; // counters[g - 1]: how often interval g = 1 … S occurred
    std::vector<int> ranking;  // the intervals, least frequent first
    std::vector<int> omission; // omission[n] for n = 1 … N (index 0 unused)
    std::vector<int> numbers;  // the pick, in the order taken
};

class IntervalRebound {
public:
    // `draws` oldest first, numbers[0 … k-1] each in 1 … N.
    IntervalRebound(std::span<const Draw> draws, int totalNumbers, int pickCount);

    // The pick for target 0 … count (count = the next period) from the draws before it; the
    // oldest draw has nothing before it and gets an empty pick.
    IntervalReboundPick recommend(int target, const IntervalReboundSettings& settings) const;

private:
    // The latest draw before t that holds n, or -1.
    int lastBefore(int t, int n) const
    {
        return last_[static_cast<std::size_t>(t) * stride_ + static_cast<std::size_t>(n)];
    }

    std::span<const Draw> draws_;
    int totalNumbers_;
    int pickCount_;
    std::size_t stride_;
    std::vector<int> last_;
};

// Row 0 shows no pick and hit count "0"; every later row its pick and hits.
Backtest intervalReboundBacktest(std::span<const Draw> draws, int totalNumbers, int pickCount,
                                 const IntervalReboundSettings& settings);

} // namespace pickora
