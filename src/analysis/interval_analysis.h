#pragma once
// Zone counts: the range 1..N split into Z consecutive zones of ceil(N / Z) numbers, and how
// many numbers of every draw fall into each zone.

#include <span>
#include <string>
#include <vector>

#include "store/draw_types.h"

namespace pickora {

inline constexpr int kMaxZones = 7;

// ceil(N / Z).
inline int zoneWidth(int totalNumbers, int zones) { return (totalNumbers + zones - 1) / zones; }
// The zone (1-based) of number x.
inline int zoneOf(int number, int width) { return (number - 1) / width + 1; }
// "01-04号码总数"; a zone that starts above N holds no number and reads "无号码".
std::string zoneHeading(int zone, int width, int totalNumbers);

struct IntervalRow {
    std::string issueText;
    std::string numbersText; // each number "%.2d" and a blank
    std::vector<int> counts; // per zone
};

struct IntervalComputation {
    int zones = 0;
    int width = 0;
    std::vector<std::string> headings;
    std::vector<IntervalRow> rows; // oldest first
};

IntervalComputation computeIntervals(std::span<const Draw> draws, int totalNumbers,
                                     int pickCount, int zones);

} // namespace pickora
