#include "analysis/indicators.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace pickora {

std::string_view shortLabel(IndicatorKind kind)
{
    static constexpr std::string_view labels[] = {"大数", "奇数", "和值", "跨度",
                                                  "散度", "偏度", "AC值", "重码"};
    return labels[static_cast<int>(kind)];
}

std::string_view valueName(IndicatorKind kind)
{
    static constexpr std::string_view names[] = {"大数个数", "奇数个数", "和值", "跨度",
                                                 "散度",     "偏度",     "AC值", "重码个数"};
    return names[static_cast<int>(kind)];
}

namespace {

int nearestDistance(int value, std::span<const int> numbers)
{
    int best = 1 << 30;
    for (const int n : numbers)
        best = std::min(best, std::abs(value - n));
    return best;
}

} // namespace

int computeIndicator(IndicatorKind kind, std::span<const int> c, std::span<const int> reference,
                     BigRule rule, int totalNumbers)
{
    switch (kind) {
    case IndicatorKind::Big: {
        const int half = totalNumbers / 2;
        int count = 0;
        for (const int x : c)
            count += rule == BigRule::AboveHalf ? x > half : x >= half;
        return count;
    }
    case IndicatorKind::Odd: {
        int count = 0;
        for (const int x : c)
            count += x % 2 == 1;
        return count;
    }
    case IndicatorKind::Sum: {
        int sum = 0;
        for (const int x : c)
            sum += x;
        return sum;
    }
    case IndicatorKind::Span: {
        const auto [lo, hi] = std::minmax_element(c.begin(), c.end());
        return c.empty() ? 0 : *hi - *lo;
    }
    case IndicatorKind::Scatter: {
        // The widest stretch of 1..N left uncovered: the farthest any number is from C.
        if (c.empty())
            return 0;
        int widest = 0;
        for (int v = 1; v <= totalNumbers; ++v)
            widest = std::max(widest, nearestDistance(v, c));
        return widest;
    }
    case IndicatorKind::Skew: {
        if (reference.empty())
            return 0;
        int farthest = 0;
        for (const int x : c)
            farthest = std::max(farthest, nearestDistance(x, reference));
        return farthest;
    }
    case IndicatorKind::AC: {
        // Differences lie in 1..N-1; a bit per difference counts the distinct ones.
        std::uint64_t seen = 0;
        for (std::size_t i = 0; i < c.size(); ++i)
            for (std::size_t j = i + 1; j < c.size(); ++j)
                seen |= std::uint64_t{1} << (std::abs(c[i] - c[j]) & 63);
        return __builtin_popcountll(seen);
    }
    case IndicatorKind::Repeat: {
        int count = 0;
        for (const int x : c)
            count += std::find(reference.begin(), reference.end(), x) != reference.end();
        return count;
    }
    }
    return 0;
}

TheoreticalBounds theoreticalBounds(IndicatorKind kind, int n, int k)
{
    TheoreticalBounds b;
    switch (kind) {
    case IndicatorKind::Big:
    case IndicatorKind::Odd:
    case IndicatorKind::Repeat: b.minimum = 0; b.maximum = k; break;
    case IndicatorKind::Sum:
        b.minimum = k * (k + 1) / 2;
        b.maximum = (2 * n - k + 1) * k / 2;
        b.minimumShown = static_cast<float>(b.minimum);
        b.maximumShown = static_cast<float>((2 * n - k + 1) * k) / 2.0f;
        return b;
    case IndicatorKind::Span: b.minimum = k - 1; b.maximum = n - 1; break;
    case IndicatorKind::Scatter: {
        const int f = k > 1 ? (n - 1) / (k - 1) : n - 1;
        b.minimum = f % 2 == 0 ? f / 2 : (f + 1) / 2;
        b.maximum = n - k;
        break;
    }
    case IndicatorKind::Skew: b.minimum = 0; b.maximum = n - k; break;
    case IndicatorKind::AC: b.minimum = k - 1; b.maximum = k * (k - 1) / 2; break;
    }
    b.minimumShown = static_cast<float>(b.minimum);
    b.maximumShown = static_cast<float>(b.maximum);
    return b;
}

float theoreticalMean(IndicatorKind kind, int n, int k, float historyAverage)
{
    switch (kind) {
    case IndicatorKind::Big:
    case IndicatorKind::Odd: return static_cast<float>(k) / 2.0f;
    case IndicatorKind::Repeat: return static_cast<float>(k * k / n);
    default: return historyAverage;
    }
}

float theoreticalTotal(IndicatorKind kind, int n, int k, int window, float historyAverage)
{
    switch (kind) {
    case IndicatorKind::Big:
    case IndicatorKind::Odd: return static_cast<float>(k * window) / 2.0f;
    case IndicatorKind::Repeat: return static_cast<float>(k * window * k / n);
    default: return static_cast<float>(window) * historyAverage;
    }
}

} // namespace pickora
