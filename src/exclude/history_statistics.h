#pragma once
// The history views of the sum, repeat and follow searches: one grid row per draw, a summary
// line and one chart bar per draw (a bar without a value is an empty point).

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "store/draw_types.h"

namespace pickora {

struct HistoryBar {
    std::string label; // the issue number
    std::optional<int> value;
};

struct HistoryStatistics {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
    std::string summary; // UTF-8; empty where the window shows none
    std::vector<HistoryBar> bars;
};

// "01 02 03 ": the draw's numbers in stored order, each "%.2d" and one blank.
std::string drawNumbersText(const Draw& draw, int pickCount);

// Issue, numbers and the sum of every draw; the summary with the theoretical and actual bounds.
HistoryStatistics sumHistory(std::span<const Draw> draws, int totalNumbers, int pickCount);

// Issue, numbers, the theoretical repeats and, from draw M on, the largest number of the draw's
// numbers found in one of the M draws before it. The chart runs from draw `chartStart` on.
HistoryStatistics repeatHistory(std::span<const Draw> draws, int pickCount, int lookBack,
                                int chartStart);

// Issue, numbers and the follow number of every draw (groups of `groupSize`).
HistoryStatistics followHistory(std::span<const Draw> draws, int pickCount, int groupSize);

} // namespace pickora
