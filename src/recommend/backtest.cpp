#include "recommend/backtest.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace pickora {

namespace {

constexpr std::array<MethodTraits, 4> kTraits = {{
    {"最优间隔回补选号", "历史中奖汇总：", NumberFormat::TwoDigits, true, true, false},
    {"最优亲密数字选号", "统计结果：", NumberFormat::Plain, false, true, false},
    {"最优开奖干支选号", "历史统计：", NumberFormat::Plain, false, false, false},
    {"最优四步综合选号", "历史中奖汇总：", NumberFormat::TwoDigits, false, false, true},
}};

void appendNumber(std::string& text, int n, NumberFormat format)
{
    if (n >= 0 && n < 100) {
        // The common case, written by hand: a back-test writes tens of thousands of them.
        if (n >= 10 || format == NumberFormat::TwoDigits)
            text += static_cast<char>('0' + n / 10);
        text += static_cast<char>('0' + n % 10);
        return;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format == NumberFormat::TwoDigits ? "%.2d" : "%d", n);
    text += buffer;
}

std::string twoPlaces(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

} // namespace

const MethodTraits& methodTraits(RecommendMethod method)
{
    return kTraits.at(static_cast<std::size_t>(method));
}

std::string listText(std::span<const int> numbers, NumberFormat format)
{
    std::string text;
    text.reserve(numbers.size() * 3);
    for (const int n : numbers) {
        appendNumber(text, n, format);
        text += ' ';
    }
    return text;
}

std::string drawnText(const Draw& draw, int pickCount)
{
    return listText(std::span<const int>(draw.numbers.data(), static_cast<std::size_t>(pickCount)),
                    NumberFormat::TwoDigits);
}

int hitCount(const Draw& draw, int pickCount, std::span<const int> numbers)
{
    int hits = 0;
    for (int p = 0; p < pickCount; ++p)
        if (std::find(numbers.begin(), numbers.end(), draw.numbers[static_cast<std::size_t>(p)])
            != numbers.end())
            ++hits;
    return hits;
}

Backtest runBacktest(RecommendMethod method, std::span<const Draw> draws, int pickCount,
                     int summaryFrom, const RowRecommendation& recommend)
{
    const MethodTraits& traits = methodTraits(method);
    Backtest result;
    result.rows.reserve(draws.size());
    if (traits.hasDistribution)
        result.distribution.assign(static_cast<std::size_t>(pickCount) + 1, 0);
    BacktestSummary& summary = result.summary;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const Draw& draw = draws[i];
        BacktestRow row;
        row.issue = std::to_string(draw.issue);
        row.drawn = drawnText(draw, pickCount);
        if (const std::optional<std::vector<int>> bet = recommend(static_cast<int>(i))) {
            row.evaluated = true;
            row.bet = listText(*bet, traits.format);
            row.betSize = static_cast<int>(bet->size());
            row.hitCount = hitCount(draw, pickCount, *bet);
            row.hits = std::to_string(row.hitCount);
            if (traits.hasDistribution)
                ++result.distribution[static_cast<std::size_t>(row.hitCount)];
            ++summary.evaluatedRows;
            summary.hitTotal += row.hitCount;
            summary.chanceTotal += static_cast<std::int64_t>(pickCount) * row.betSize;
        } else if (traits.unevaluatedHitsZero) {
            row.hits = "0";
        }
        if (static_cast<int>(i) >= summaryFrom && !row.hits.empty()) {
            if (summary.rowsInRange == 0) {
                summary.largest = row.hitCount;
                summary.smallest = row.hitCount;
            }
            summary.largest = std::max(summary.largest, row.hitCount);
            summary.smallest = std::min(summary.smallest, row.hitCount);
            ++summary.rowsInRange;
        }
        result.rows.push_back(std::move(row));
    }
    return result;
}

std::string summaryText(RecommendMethod method, const BacktestSummary& summary)
{
    if (summary.rowsInRange == 0)
        return "统计范围内没有可统计的开奖期号，无法给出最大和最小中奖个数";
    const std::string largest = std::to_string(summary.largest);
    const std::string smallest = std::to_string(summary.smallest);
    if (methodTraits(method).shortSummary)
        return "最大中奖个数：" + largest + " 最小中奖个数：" + smallest;
    return "最大中奖号码数为" + largest + "个，最小中奖号码数为" + smallest + "个";
}

std::string chanceText(const BacktestSummary& summary, int totalNumbers)
{
    if (summary.evaluatedRows == 0 || totalNumbers <= 0)
        return {};
    const double rows = summary.evaluatedRows;
    const double average = static_cast<double>(summary.hitTotal) / rows;
    const double chance = static_cast<double>(summary.chanceTotal) / totalNumbers / rows;
    // Compared exactly: hits × N against the summed k × size.
    const std::int64_t scaledHits = summary.hitTotal * totalNumbers;
    const char* verdict = scaledHits > summary.chanceTotal   ? "好于随机"
                          : scaledHits < summary.chanceTotal ? "不如随机"
                                                             : "与随机持平";
    return "平均每期中奖" + twoPlaces(average) + "个，同样个数的随机号码平均" + twoPlaces(chance)
           + "个：" + verdict;
}

std::string outputText(std::string_view periodText, std::span<const int> numbers,
                       NumberFormat format)
{
    return std::string(periodText) + "期推荐投注号码：" + listText(numbers, format);
}

std::int64_t targetIssue(std::span<const Draw> draws, int target)
{
    if (target >= 0 && static_cast<std::size_t>(target) < draws.size())
        return draws[static_cast<std::size_t>(target)].issue;
    return draws.empty() ? 1 : static_cast<std::int64_t>(draws.back().issue) + 1;
}

} // namespace pickora
