#include "analysis/trend_search.h"

#include "analysis/indicator_view_logic.h"

#include <algorithm>
#include <utility>

namespace pickora {

std::string lowerCaption(IndicatorKind kind) { return std::string(valueName(kind)) + ">="; }

std::string upperCaption(IndicatorKind kind) { return std::string(valueName(kind)) + "<="; }

namespace {

// Every ascending selection of k numbers from 1..n, in lexicographic order.
std::vector<std::vector<int>> ascendingCombinations(int n, int k)
{
    std::vector<std::vector<int>> all;
    if (k < 1 || k > n)
        return all;
    std::vector<int> c(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i)
        c[static_cast<std::size_t>(i)] = i + 1;
    while (true) {
        all.push_back(c);
        int i = k - 1;
        while (i >= 0 && c[static_cast<std::size_t>(i)] == n - k + i + 1)
            --i;
        if (i < 0)
            return all;
        ++c[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j)
            c[static_cast<std::size_t>(j)] = c[static_cast<std::size_t>(j - 1)] + 1;
    }
}

} // namespace

OccurringRange occurringRange(IndicatorKind kind, int n, int k)
{
    const std::vector<std::vector<int>> combinations = ascendingCombinations(n, k);
    OccurringRange range{0, 0};
    bool first = true;
    const auto take = [&](float v) {
        range.minimum = first ? v : std::min(range.minimum, v);
        range.maximum = first ? v : std::max(range.maximum, v);
        first = false;
    };
    for (const std::vector<int>& c : combinations) {
        if (!needsReference(kind)) {
            take(static_cast<float>(computeIndicator(kind, c, {}, BigRule::AboveHalf, n)));
            continue;
        }
        for (const std::vector<int>& reference : combinations)
            take(static_cast<float>(computeIndicator(kind, c, reference, BigRule::AboveHalf, n)));
    }
    // The oldest draw of a history has no predecessor: the views give it its own skew and repeat.
    if (kind == IndicatorKind::Skew)
        take(firstDrawSkew(n, k));
    else if (kind == IndicatorKind::Repeat)
        take(0);
    return range;
}

std::optional<std::string> checkSearchSettings(const SearchSettings& s, int drawCount, int n, int k)
{
    if (drawCount < 1)
        return kNoDrawsHint;
    if (!s.lowerTicked && !s.upperTicked)
        return "请至少勾选一个条件（" + lowerCaption(s.kind) + " 或 " + upperCaption(s.kind) + "）！";
    if (s.runLength < 1 || s.runLength > drawCount)
        return "连续期数必须在 1 到 " + std::to_string(drawCount) + "（开奖期数）之间！";
    // Judged on the values that really occur, not on the formula bounds the views display:
    // the scatter of 01 05 09 is 2 although the formula starts at 3.
    const OccurringRange r = occurringRange(s.kind, n, k);
    const bool lowerPossible = s.lowerTicked && static_cast<float>(s.lower) <= r.maximum;
    const bool upperPossible = s.upperTicked && static_cast<float>(s.upper) >= r.minimum;
    if (!lowerPossible && !upperPossible) {
        const auto shown = [](float v) {
            const int whole = static_cast<int>(v);
            return static_cast<float>(whole) == v ? std::to_string(whole)
                                                  : std::to_string(whole) + ".5";
        };
        return "这样的条件永远不会满足：" + std::string(valueName(s.kind)) + "在 "
               + shown(r.minimum) + " 到 " + shown(r.maximum) + " 之间！";
    }
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
