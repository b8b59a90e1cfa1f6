#pragma once
// The omission analyses: every number 1..N rated by how its hits in the history compare with the
// theoretical rate, with a chase value that proposes which numbers are worth following.
// The skew analysis ("中奖偏态") keys on the current omission; the rebound analysis ("中奖回补")
// on a long absence after which the number has lately come back.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/draw_types.h"

namespace pickora {

enum class OmissionVariant { Skew, Rebound };

// The table's order: number order, highest chase value first, longest omission (column 5)
// first, fewest hits first.
enum class SortMode : int { None = 0, ChaseValue = 1, Omission = 2, TotalHits = 3 };

inline constexpr int kOmissionColumns = 8;

struct OmissionRow {
    // "%.2d" number, N / k, D k / N, hits, largest gap, B, B k / N, chase value + "%" (UTF-8).
    std::array<std::string, kOmissionColumns> texts;
    int number = 0;
    int hits = 0;       // h: the draws containing the number
    int largestGap = 0; // over the measured gaps (the current omission included)
    bool omissionSet = false;
    int omission = 0; // B: column 5, 0 while not set
    std::int64_t chaseValue = 0;
};

// "目前遗漏" (skew) or "前次遗漏" (rebound): the name of column 5, its check box and its series.
std::string_view omissionName(OmissionVariant variant);
// The window caption: "中奖偏态分析选号" or "中奖回补分析选号".
std::string_view omissionCaption(OmissionVariant variant);
std::array<std::string_view, kOmissionColumns> omissionHeaders(OmissionVariant variant);

// (D k k B 100) div (N N h), the product taken in 64-bit integers so a long absence over a
// 3000-draw history never wraps; 0 for a number that never occurs (h = 0).
std::int64_t chaseValue(int drawCount, int totalNumbers, int pickCount, int omission, int hits);

// Rows for s = 1..N over `draws` (oldest first, numbers[0..k-1] each), sorted by `mode`.
std::vector<OmissionRow> computeOmission(std::span<const Draw> draws, int totalNumbers,
                                         int pickCount, OmissionVariant variant, SortMode mode);

// The exchange sort of the table: for a = 1..N-1, for b = a+1..N, rows a and b swap whenever the
// mode's test holds for them (strictly), so rows that tie end where the exchanges leave them.
void sortOmissionRows(std::vector<OmissionRow>& rows, SortMode mode);

} // namespace pickora
