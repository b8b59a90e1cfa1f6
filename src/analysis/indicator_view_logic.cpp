#include "analysis/indicator_view_logic.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace pickora {

namespace {

IndicatorMember member(IndicatorKind kind, std::string caption, std::string chartTitle,
                       std::string header, std::string maxLabel, std::string minLabel,
                       std::string meanLabel, std::string word, std::string theoryWord,
                       std::string meanWord)
{
    // word: "大数个数"; theoryWord: what line 5 and the advice compare with ("个数" or "和值").
    return {kind,
            std::move(caption),
            std::move(chartTitle),
            std::move(header),
            std::move(maxLabel),
            std::move(minLabel),
            std::move(meanLabel),
            "期" + word + "总和：",
            "期理论" + word + "总和：",
            "期" + word + "总和远远超过理论" + theoryWord + "总和，建议选择小于理论平均" + meanWord
                + "的组合！",
            "期" + word + "总和远远低于理论" + theoryWord + "总和，建议选择大于理论平均" + meanWord
                + "的组合！",
            kind != IndicatorKind::Repeat};
}

const std::array<IndicatorMember, kIndicatorCount>& members()
{
    static const std::array<IndicatorMember, kIndicatorCount> table = {
        member(IndicatorKind::Big, "大小分析", "最近各期开奖号码大数个数", "大数个数",
               "理论最多大数个数：", "理论最少大数个数：", "理论平均大数个数：", "大数个数", "个数",
               "大数个数"),
        member(IndicatorKind::Odd, "奇数分析", "最近各期开奖号码奇数个数", "奇数个数",
               "理论最多奇数个数：", "理论最少奇数个数：", "理论平均奇数个数：", "奇数个数", "个数",
               "奇数个数"),
        member(IndicatorKind::Sum, "和值分析", "最近各期开奖号码和值", "和值", "理论最大和值：",
               "理论最小和值：", "理论平均和值：", "和值", "和值", "和值"),
        member(IndicatorKind::Span, "跨度分析", "最近各期开奖号码跨度", "跨度", "理论最大跨度：",
               "理论最小跨度：", "理论平均跨度：", "跨度", "跨度", "跨度"),
        member(IndicatorKind::Scatter, "散度分析", "最近各期开奖号码散度", "散度", "理论最大散度：",
               "理论最小散度：", "理论平均散度：", "散度", "散度", "散度"),
        member(IndicatorKind::Skew, "偏度分析", "最近各期开奖号码偏度", "偏度", "理论最多偏度：",
               "理论最少偏度：", "理论平均偏度：", "偏度", "偏度", "偏度"),
        member(IndicatorKind::AC, "AC值分析", "最近各期开奖号码AC值", "AC值", "理论最大AC值：",
               "理论最小AC值：", "理论平均AC值：", "AC值", "AC值", "AC值"),
        member(IndicatorKind::Repeat, "重码分析", "最近各期开奖号码重码个数", "重码个数",
               "理论最多重码个数：", "理论最少重码个数：", "理论平均重码个数：", "重码个数", "个数",
               "重码个数"),
    };
    return table;
}

} // namespace

const IndicatorMember& indicatorMember(IndicatorKind kind)
{
    return members()[static_cast<std::size_t>(kind)];
}

std::string formatOneDecimal(float value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", static_cast<double>(value));
    return buffer;
}

std::string formatWhole(float value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", static_cast<double>(value));
    return buffer;
}

int windowFromItem(int itemIndex, int drawCount) { return itemIndex <= 0 ? drawCount : itemIndex; }

IndicatorComputation computeIndicatorView(IndicatorKind kind, std::span<const Draw> draws,
                                          int window, int n, int k)
{
    IndicatorComputation out;
    const int D = static_cast<int>(draws.size());
    out.window = std::max(0, std::min(window, D));
    out.rows.reserve(draws.size());
    out.values.reserve(draws.size());

    for (int i = 0; i < D; ++i) {
        const Draw& draw = draws[static_cast<std::size_t>(i)];
        const std::span<const int> numbers(draw.numbers.data(), static_cast<std::size_t>(k));
        float value = 0;
        if (i == 0 && kind == IndicatorKind::Skew) {
            value = firstDrawSkew(n, k);
        } else if (i == 0 && kind == IndicatorKind::Repeat) {
            value = 0;
        } else {
            std::span<const int> reference;
            if (i > 0)
                reference = std::span<const int>(draws[static_cast<std::size_t>(i - 1)].numbers.data(),
                                                 static_cast<std::size_t>(k));
            value = static_cast<float>(
                computeIndicator(kind, numbers, reference, BigRule::AboveHalf, n));
        }
        IndicatorRow row;
        row.issueText = std::to_string(draw.issue);
        for (const int x : numbers) {
            char text[8];
            std::snprintf(text, sizeof text, "%.2d ", x);
            row.numbersText += text;
        }
        row.valueText = formatWhole(value);
        out.rows.push_back(std::move(row));
        out.values.push_back(value);
        out.sumOfValues += value;
    }

    const TheoreticalBounds bounds = theoreticalBounds(kind, n, k);
    out.maximum = bounds.maximumShown;
    out.minimum = bounds.minimumShown;
    // An empty history has no average; its mean is shown as 0 rather than as a division by zero.
    const float average = D > 0 ? out.sumOfValues / static_cast<float>(D) : 0.0f;
    out.mean = theoreticalMean(kind, n, k, average);

    for (int i = D - 1; i >= D - out.window; --i)
        out.actualTotal += std::strtof(out.rows[static_cast<std::size_t>(i)].valueText.c_str(), nullptr);
    out.theoreticalTotal = theoreticalTotal(kind, n, k, out.window, average);

    const IndicatorMember& m = indicatorMember(kind);
    if (D == 0) {
        // No draws: no statistics and no advice, only how to get draws in.
        out.summary = {kNoDrawsHint};
        return out;
    }
    const std::string w = std::to_string(out.window);
    out.summary = {m.maximumLabel + formatOneDecimal(out.maximum),
                   m.minimumLabel + formatOneDecimal(out.minimum),
                   m.meanLabel + formatOneDecimal(out.mean),
                   "最近" + w + m.actualTotal + formatOneDecimal(out.actualTotal),
                   "最近" + w + m.theoreticalTotal + formatOneDecimal(out.theoreticalTotal)};
    const float a = out.actualTotal;
    const float t = out.theoreticalTotal;
    if (a >= 1.5f * t)
        out.summary.push_back("最近" + w + m.adviceAbove);
    else if (t >= 1.5f * a)
        out.summary.push_back("最近" + w + m.adviceBelow);
    return out;
}

} // namespace pickora
