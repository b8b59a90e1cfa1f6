#pragma once
// "最优四步综合选号": four steps over windows of recent draws. Step 1 takes the most frequent
// half of the numbers, step 2 drops those drawn very recently, step 3 adds numbers that came out
// three draws in a row at the far end of the step-1 window and have rested since, step 4 adds
// numbers active lately that were cold over the step-1 window.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "recommend/backtest.h"
#include "store/draw_types.h"

namespace pickora {

struct FourStepSettings {
    int c1 = 40; // step 1: the window counted
    int c2 = 1;  // step 2: the recent draws that deselect
    int c3 = 10; // step 3: the draws a run number must have rested
    int c4 = 10; // step 4: the window before the newest draw
};

struct FourStepPick {
    std::vector<int> step1Counts;  // [n] for n = 1 … N (index 0 unused)
    std::vector<int> step1Ranking; // the N numbers, most frequent first
    std::vector<int> step1;        // the step-1 selection, ascending
    std::vector<int> step2;        // the selection after step 2, ascending
    std::vector<int> step3;        // every number step 3 selects, ascending
    std::vector<int> step4Ranking;
    std::vector<int> step4;        // every number step 4 selects, in step-4 rank order
    std::vector<int> numbers;      // the recommendation, ascending
};

class FourStep {
public:
    // `draws` oldest first, numbers[0 … k-1] each in 1 … N.
    FourStep(std::span<const Draw> draws, int totalNumbers, int pickCount);

    // The steps read draw T - c1 - 2, so a target needs c1 + 2 draws before it.
    static int firstTarget(const FourStepSettings& settings) { return settings.c1 + 2; }
    // The pick for target firstTarget … count (count = the next period); nothing outside.
    std::optional<FourStepPick> recommend(int target, const FourStepSettings& settings) const;

private:
    // How many of the draws from … to (inclusive, clipped at draw 0) hold n.
    int countIn(int from, int to, int n) const;
    bool holds(int draw, int n) const;

    std::span<const Draw> draws_;
    int totalNumbers_;
    std::size_t stride_;
    std::vector<int> prefix_; // prefix_[t * stride + n]: draws before t holding n
};

// The back-test evaluates rows after c1 + 10; the grid and chart show rows from c1 + 20 on.
inline int fourStepFirstEvaluatedRow(const FourStepSettings& s) { return s.c1 + 11; }
inline int fourStepFirstShownRow(const FourStepSettings& s) { return s.c1 + 20; }
Backtest fourStepBacktest(std::span<const Draw> draws, int totalNumbers, int pickCount,
                          const FourStepSettings& settings);

// The step-3 box: each number "%.2d", nothing between them.
std::string runNumbersText(std::span<const int> numbers);

} // namespace pickora
