#pragma once
// "最优亲密数字选号": for each number of the draw before the target, the earlier draws holding it
// are looked up and the numbers of the draw right after each of them are counted (its intimate
// numbers); the most counted numbers are recommended, overall or per position.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "recommend/backtest.h"
#include "store/draw_types.h"

namespace pickora {

struct IntimateSettings {
    bool overall = true;  // "总体位置" (true) or "各个位置"
    int selectCount = 5;  // M: how many numbers each ranking gives
    int stageCount = 7;   // s: the walk stops at the s-th occurrence; 0 ("全部期数") never
};

struct IntimatePick {
    std::vector<int> references;                    // x1 … xk: draw T-1 in column order
    std::vector<std::vector<int>> positionCounters; // [p][y] for y = 1 … N (index 0 unused)
    std::vector<int> totalCounters;                 // [y]
    std::vector<std::vector<int>> positionRankings; // per position, the N numbers ranked
    std::vector<int> totalRanking;
    std::vector<int> numbers;                       // the recommendation, ascending
};

class IntimateNumbers {
public:
    // `draws` oldest first, numbers[0 … k-1] each in 1 … N.
    IntimateNumbers(std::span<const Draw> draws, int totalNumbers, int pickCount);

    // The pick for target 1 … count (count = the next period); nothing for target 0, which has
    // no draw before it to refer to.
    std::optional<IntimatePick> recommend(int target, const IntimateSettings& settings) const;

private:
    // follows_[(t * (N + 1) + x) * (N + 1) + y]: over the draws j < t holding x, how many times
    // y was in draw j + 1.
    int follows(int t, int x, int y) const
    {
        const auto entries = static_cast<std::size_t>(totalNumbers_) + 1;
        return follows_[(static_cast<std::size_t>(t) * entries + static_cast<std::size_t>(x)) * entries
                        + static_cast<std::size_t>(y)];
    }

    std::span<const Draw> draws_;
    int totalNumbers_;
    int pickCount_;
    std::vector<std::vector<int>> occurrences_; // per number, the draws holding it, ascending
    std::vector<int> follows_;
};

// The overall table's one cell: "各亲密数字总次数" then "number:counter次 " in rank order.
std::string intimateTotalText(const IntimatePick& pick);
// The per-position table: N + 1 rows of k + 1 cells. Row 0 is "参照号码" and the reference
// numbers; row r is "排名r" and the r-th entry of each position ranking as "number:counter次".
std::vector<std::vector<std::string>> intimatePositionTable(const IntimatePick& pick);

// Row 0 is not evaluated; every later row shows its pick and hits.
Backtest intimateBacktest(std::span<const Draw> draws, int totalNumbers, int pickCount,
                          const IntimateSettings& settings);

} // namespace pickora
