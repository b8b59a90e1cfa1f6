#include "analysis/trend_search.h"

#include <algorithm>
#include <utility>

namespace pickora {

std::string lowerCaption(IndicatorKind kind) { return std::string(valueName(kind)) + ">="; }

std::string upperCaption(IndicatorKind kind) { return std::string(valueName(kind)) + "<="; }

std::optional<std::string> checkSearchSettings(const SearchSettings& s, int drawCount, int n, int k)
{
    if (!s.lowerTicked && !s.upperTicked)
        return "请至少勾选一个条件（" + lowerCaption(s.kind) + " 或 " + upperCaption(s.kind) + "）！";
    if (s.runLength < 1 || s.runLength > drawCount)
        return "连续期数必须在 1 到 " + std::to_string(drawCount) + "（开奖期数）之间！";
    // The first draw's skew is a real value; every other value lies within the bounds.
    const TheoreticalBounds b = theoreticalBounds(s.kind, n, k);
    const bool lowerPossible = s.lowerTicked && s.lower <= b.maximum;
    const bool upperPossible = s.upperTicked && s.upper >= b.minimum;
    if (!lowerPossible && !upperPossible)
        return "这样的条件永远不会满足：" + std::string(valueName(s.kind)) + "在 "
               + std::to_string(b.minimum) + " 到 " + std::to_string(b.maximum) + " 之间！";
    return std::nullopt;
}

std::vector<float> newestIndicatorValues(IndicatorKind kind, std::span<const Draw> draws, int count,
                                         int n, int k)
{
    std::vector<float> values;
    const int d = static_cast<int>(draws.size());
    for (int i = std::max(0, d - count); i < d; ++i) {
        const std::span<const int> numbers(draws[static_cast<std::size_t>(i)].numbers.data(),
                                           static_cast<std::size_t>(k));
        if (i == 0 && kind == IndicatorKind::Skew) {
            values.push_back(firstDrawSkew(n, k));
        } else if (i == 0 && kind == IndicatorKind::Repeat) {
            values.push_back(0);
        } else {
            std::span<const int> reference;
            if (i > 0)
                reference = std::span<const int>(draws[static_cast<std::size_t>(i - 1)].numbers.data(),
                                                 static_cast<std::size_t>(k));
            values.push_back(static_cast<float>(
                computeIndicator(kind, numbers, reference, BigRule::AboveHalf, n)));
        }
    }
    return values;
}

bool searchStops(const SearchSettings& s, std::span<const float> values)
{
    if (values.empty())
        return false;
    const auto all = [&](auto test) { return std::all_of(values.begin(), values.end(), test); };
    if (s.lowerTicked && all([&](float v) { return v >= static_cast<float>(s.lower); }))
        return true;
    return s.upperTicked && all([&](float v) { return v <= static_cast<float>(s.upper); });
}

AbsentRank longestAbsentRank(std::span<const Draw> draws, int n, int k)
{
    const int d = static_cast<int>(draws.size());
    std::vector<AbsentRank> ranks;
    for (int r = 1; r <= n; ++r) {
        int omission = d;
        for (int i = d - 1; i >= 0; --i) {
            const Draw& draw = draws[static_cast<std::size_t>(i)];
            if (std::find(draw.numbers.begin(), draw.numbers.begin() + k, r)
                != draw.numbers.begin() + k) {
                omission = d - 1 - i;
                break;
            }
        }
        ranks.push_back({r, omission});
    }
    // The exchange decides which of several equally absent ranks ends last.
    for (std::size_t a = 0; a + 1 < ranks.size(); ++a)
        for (std::size_t b = a + 1; b < ranks.size(); ++b)
            if (ranks[b].omission < ranks[a].omission)
                std::swap(ranks[a], ranks[b]);
    return ranks.back();
}

} // namespace pickora
