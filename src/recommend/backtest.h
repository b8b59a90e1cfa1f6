#pragma once
// What the four recommendation windows share: the texts of a recommended list, the back-test of
// a method over the whole history (one row per draw, the hit distribution, the summary) and the
// line that sets the method's average hits against what random picks of the same sizes average.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/draw_types.h"

namespace pickora {

// The four methods, in the order of their menu items.
enum class RecommendMethod { IntervalRebound, IntimateNumbers, StemsBranches, FourStep };

// How a method writes its numbers: "%.2d" or plain decimal.
enum class NumberFormat { TwoDigits, Plain };

// What differs between the methods' windows.
struct MethodTraits {
    std::string_view caption;     // the window caption (UTF-8)
    std::string_view memoLabel;   // the label over the summary memo
    NumberFormat format;
    // A row the method does not evaluate still shows hit count "0" and counts in the summary
    // (only the first row of the interval rebound).
    bool unevaluatedHitsZero;
    bool hasDistribution;         // the "历史中奖次数图表" chart
    bool shortSummary;            // "最大中奖个数：" max " 最小中奖个数：" min
};
const MethodTraits& methodTraits(RecommendMethod method);

// Each number in `format` followed by one blank, in the given order.
std::string listText(std::span<const int> numbers, NumberFormat format);
// The k drawn numbers, each "%.2d" followed by one blank, in column order.
std::string drawnText(const Draw& draw, int pickCount);
// How many of the draw's k numbers are in `numbers`.
int hitCount(const Draw& draw, int pickCount, std::span<const int> numbers);

struct BacktestRow {
    std::string issue;  // decimal
    std::string drawn;  // drawnText
    std::string bet;    // the recommendation for this row, empty where not evaluated
    std::string hits;   // the hit count, empty (or "0", see MethodTraits) where not evaluated
    bool evaluated = false;
    int hitCount = 0;   // 0 where not evaluated
    int betSize = 0;    // how many numbers were recommended
};

// The summary over the method's range and the chance comparison over the evaluated rows.
struct BacktestSummary {
    int rowsInRange = 0; // rows of the range that have a hit count
    int largest = 0;
    int smallest = 0;
    int evaluatedRows = 0;
    std::int64_t hitTotal = 0;    // hits summed over the evaluated rows
    std::int64_t chanceTotal = 0; // k × bet size summed over the evaluated rows (÷ N = expected)
};

struct Backtest {
    std::vector<BacktestRow> rows;  // one per draw, history order
    std::vector<int> distribution;  // HitDistribution: evaluated rows with h = 0 … k hits
    BacktestSummary summary;
};

// The method's recommendation for row i, or nothing where it does not evaluate row i.
using RowRecommendation = std::function<std::optional<std::vector<int>>(int row)>;

// Builds every row. The summary covers rows summaryFrom … last that have a hit count.
Backtest runBacktest(RecommendMethod method, std::span<const Draw> draws, int pickCount,
                     int summaryFrom, const RowRecommendation& recommend);

// The summary line, or a plain statement that the range holds no row to count.
std::string summaryText(RecommendMethod method, const BacktestSummary& summary);
// "平均每期中奖 … 个，同样个数的随机号码平均 … 个：" and the verdict; empty when no row was
// evaluated.
std::string chanceText(const BacktestSummary& summary, int totalNumbers);

// The output line after the period text: "期推荐投注号码：" and the list.
std::string outputText(std::string_view periodText, std::span<const int> numbers,
                       NumberFormat format);

// The issue of target T: draw T's issue, or the newest issue + 1 for the next period.
std::int64_t targetIssue(std::span<const Draw> draws, int target);

} // namespace pickora
