#pragma once
// What an indicator view shows for a history: the table rows, the theory, the recent totals, the
// summary lines and the advice line. Single precision throughout, as the comparisons expect.

#include <span>
#include <string>
#include <vector>

#include "analysis/indicators.h"
#include "store/draw_types.h"

namespace pickora {

// The texts that set one indicator's window apart from the others (UTF-8).
struct IndicatorMember {
    IndicatorKind kind;
    std::string caption;       // "大小分析"
    std::string chartTitle;    // "最近各期开奖号码大数个数"
    std::string columnHeader;  // "大数个数", also the series title
    std::string maximumLabel;  // "理论最多大数个数："
    std::string minimumLabel;
    std::string meanLabel;
    std::string actualTotal;        // "期大数个数总和："
    std::string theoreticalTotal;   // "期理论大数个数总和："
    std::string adviceAbove;        // "期大数个数总和远远超过…"
    std::string adviceBelow;
    bool recomputeFollowsMode = true; // the repeat window recomputes from the stored draws
};

const IndicatorMember& indicatorMember(IndicatorKind kind);

struct IndicatorRow {
    std::string issueText;   // the issue as a decimal integer
    std::string numbersText; // each number "%.2d" and a blank: "01 02 03 "
    std::string valueText;   // "%.0f"
};

struct IndicatorComputation {
    std::vector<IndicatorRow> rows; // oldest first
    std::vector<float> values;
    int window = 0;                 // W
    float maximum = 0, minimum = 0, mean = 0;
    float sumOfValues = 0;
    float actualTotal = 0;          // A: the value texts of the W newest draws, read back
    float theoreticalTotal = 0;     // T
    std::vector<std::string> summary; // five lines, and the advice line when there is one
};

// The window length chosen by the combo box: item 0 "全部期" is every draw, item i is i.
int windowFromItem(int itemIndex, int drawCount);
// What the views say when the open lottery has no draws: the ways to get draws in.
inline constexpr const char* kNoDrawsHint
    = "这个彩票还没有开奖数据，没有可以统计的内容。请用“彩票数据”菜单的“数据下载”从网上取得开奖号码，"
      "或用“数据添加”手工录入，也可以按工具栏的“快速开奖”。";

// A new view starts at 3 draws, or every draw when there are fewer.
inline int initialWindow(int drawCount) { return drawCount < 3 ? drawCount : 3; }

// The whole computation over `draws` (standard or transformed) for a window of W draws.
IndicatorComputation computeIndicatorView(IndicatorKind kind, std::span<const Draw> draws,
                                          int window, int totalNumbers, int pickCount);

// "%.1f" and "%.0f" as the views write them.
std::string formatOneDecimal(float value);
std::string formatWhole(float value);

} // namespace pickora
