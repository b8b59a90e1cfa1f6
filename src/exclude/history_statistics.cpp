#include "exclude/history_statistics.h"

#include <algorithm>
#include <bit>
#include <cstdio>

#include "exclude/follow_number.h"

namespace pickora {

std::string drawNumbersText(const Draw& draw, int pickCount)
{
    std::string text;
    for (int j = 0; j < pickCount; ++j) {
        char cell[16];
        std::snprintf(cell, sizeof cell, "%.2d ", draw.numbers[static_cast<std::size_t>(j)]);
        text += cell;
    }
    return text;
}

namespace {

std::string oneDecimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

} // namespace

HistoryStatistics sumHistory(std::span<const Draw> draws, int totalNumbers, int pickCount)
{
    HistoryStatistics h;
    h.headers = {"记录期号", "开奖号码", "和值"};
    int smallest = 0, largest = 0;
    for (std::size_t t = 0; t < draws.size(); ++t) {
        const Draw& d = draws[t];
        int sum = 0;
        for (int j = 0; j < pickCount; ++j)
            sum += d.numbers[static_cast<std::size_t>(j)];
        smallest = t == 0 ? sum : std::min(smallest, sum);
        largest = t == 0 ? sum : std::max(largest, sum);
        h.rows.push_back(
            {std::to_string(d.issue), drawNumbersText(d, pickCount), std::to_string(sum)});
        h.bars.push_back({std::to_string(d.issue), sum});
    }
    const int k = pickCount, n = totalNumbers;
    h.summary = "和值：理论平均值：" + oneDecimal(k * (n + 1) / 2.0) + " 理论最小值："
                + std::to_string(k * (k + 1) / 2) + " 理论最大值："
                + std::to_string((2 * n - k + 1) * k / 2) + " 实际最小值："
                + (draws.empty() ? std::string() : std::to_string(smallest)) + " 实际最大值："
                + (draws.empty() ? std::string() : std::to_string(largest));
    return h;
}

HistoryStatistics repeatHistory(std::span<const Draw> draws, int pickCount, int lookBack,
                                int chartStart)
{
    HistoryStatistics h;
    h.headers = {"记录期号",       "开奖号码",       "理论最小重码数",
                 "理论最大重码数", "理论平均重码数", "实际重码数"};
    const int count = static_cast<int>(draws.size());
    std::vector<NumberMask> masks;
    masks.reserve(draws.size());
    for (const Draw& d : draws)
        masks.push_back(drawMask(d, pickCount));
    std::vector<std::optional<int>> values(draws.size());
    std::optional<int> smallest, largest;
    for (int t = 0; t < count; ++t) {
        const Draw& d = draws[static_cast<std::size_t>(t)];
        std::string cell;
        if (lookBack >= 1 && t >= lookBack) {
            int best = 0;
            for (int e = t - lookBack; e < t; ++e)
                best = std::max(best, std::popcount(masks[static_cast<std::size_t>(t)]
                                                    & masks[static_cast<std::size_t>(e)]));
            values[static_cast<std::size_t>(t)] = best;
            smallest = std::min(smallest.value_or(best), best);
            largest = std::max(largest.value_or(best), best);
            cell = std::to_string(best);
        }
        h.rows.push_back({std::to_string(d.issue), drawNumbersText(d, pickCount), "0",
                          std::to_string(pickCount), oneDecimal(pickCount / 2.0), cell});
    }
    for (int t = std::max(0, chartStart); t < count; ++t)
        h.bars.push_back({std::to_string(draws[static_cast<std::size_t>(t)].issue),
                          values[static_cast<std::size_t>(t)]});
    h.summary = "最大重码个数：" + (largest ? std::to_string(*largest) : std::string())
                + " 最小重码个数：" + (smallest ? std::to_string(*smallest) : std::string());
    return h;
}

HistoryStatistics followHistory(std::span<const Draw> draws, int pickCount, int groupSize)
{
    HistoryStatistics h;
    h.headers = {"记录期号", "开奖号码", "跟随数"};
    std::vector<NumberMask> masks;
    masks.reserve(draws.size());
    for (const Draw& d : draws)
        masks.push_back(drawMask(d, pickCount));
    const std::vector<int> follow = followNumbers(masks, groupSize);
    for (std::size_t t = 0; t < draws.size(); ++t) {
        const Draw& d = draws[t];
        h.rows.push_back(
            {std::to_string(d.issue), drawNumbersText(d, pickCount), std::to_string(follow[t])});
        h.bars.push_back({std::to_string(d.issue), follow[t]});
    }
    return h;
}

} // namespace pickora
