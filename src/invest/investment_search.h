#pragma once
// The strategy search: the replay for every combination of the observed interval count (C), the
// wait after a hit (W) and the run length (R), keeping the best overall balance. Ties keep the
// combination met first in the order C, then W, then R (outermost first), so the result never
// depends on how the work is split between threads.

#include <atomic>
#include <cstdint>

#include "invest/investment_simulation.h"

namespace pickora {

// The start value of the best balance: a combination must do better to be kept.
inline constexpr std::int64_t kSearchStartBalance = -10'000'000;
inline constexpr int kSearchCountItems = 10; // C "1" .. "10"
inline constexpr int kSearchWaitItems = 51;  // W "0" .. "50"
inline constexpr int kSearchRunItems = 50;   // R "1" .. "50"

// The item indices of the three lists (C = a + 1, W = b, R = c + 1).
struct SearchItems {
    int a = 0;
    int b = 0;
    int c = 0;
    friend bool operator==(const SearchItems&, const SearchItems&) = default;
};

struct SearchOutcome {
    SearchItems best;
    std::int64_t bestBalance = kSearchStartBalance;
    int evaluated = 0;
    bool stopped = false;
};

// 10 x 51 x 50 = 25500 in interval mode, otherwise 51 x 50 = 2550 (C stays at its first item).
int searchCombinationCount(bool intervalMode);
// The combination at position `index` of the loop order.
SearchItems searchItemsAt(int index);
// The settings of one combination: C, W and R replaced, everything else as given.
SimulationSettings withItems(SimulationSettings settings, SearchItems items);

// Every combination in loop order on this thread.
SearchOutcome searchStrategySequential(const HitGapTable& table, const SimulationSettings& settings,
                                       bool intervalMode);

// The same on `threads` threads (each with its own copy of the plans). `stop` is read before
// every evaluation, so each thread stops within one evaluation; `progress` counts the finished
// evaluations. Without a stop the outcome equals the sequential one.
SearchOutcome searchStrategy(const HitGapTable& table, const SimulationSettings& settings,
                             bool intervalMode, int threads, const std::atomic<bool>& stop,
                             std::atomic<int>& progress);

} // namespace pickora
