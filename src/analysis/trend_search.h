#pragma once
// The indicator search ("搜索杀号"): transform again and again until the newest L transformed draws
// all show the wanted indicator values; and the compound search's rank that is absent longest.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/indicators.h"
#include "store/draw_types.h"

namespace pickora {

struct SearchSettings {
    IndicatorKind kind = IndicatorKind::Big;
    int runLength = 2;       // L
    bool lowerTicked = true; // value >= a
    int lower = 3;
    bool upperTicked = true; // value <= b
    int upper = 0;
};

// The smallest and largest value the indicator really takes over every combination of k numbers
// from 1..N (against every reference draw for skew and repeat, and the oldest draw's own value).
struct OccurringRange {
    float minimum = 0;
    float maximum = 0;
};
OccurringRange occurringRange(IndicatorKind kind, int totalNumbers, int pickCount);

// Why a search with these settings can never stop, in a sentence; nothing when it can.
std::optional<std::string> checkSearchSettings(const SearchSettings& settings, int drawCount,
                                               int totalNumbers, int pickCount);

// The indicator values of the newest `count` draws as the indicator window shows them (the first
// draw of a history has its own skew and repeat), newest last.
std::vector<float> newestIndicatorValues(IndicatorKind kind, std::span<const Draw> draws, int count,
                                         int totalNumbers, int pickCount);

// Whether every one of the values passes the lower test, or else every one passes the upper test.
bool searchStops(const SearchSettings& settings, std::span<const float> values);

// "和值>=" / "和值<=": the check boxes' captions for the chosen indicator.
std::string lowerCaption(IndicatorKind kind);
std::string upperCaption(IndicatorKind kind);

// The compound search's pick in a transformed history: every rank's omission (0 when in the newest
// draw, D when never drawn), sorted ascending by exchange; the last entry is the rank absent
// longest.
struct AbsentRank {
    int rank = 0;
    int omission = 0;
};
AbsentRank longestAbsentRank(std::span<const Draw> transformedDraws, int totalNumbers,
                             int pickCount);

} // namespace pickora
