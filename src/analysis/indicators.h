#pragma once
// The eight indicators of a combination of k distinct numbers from 1..N, their theoretical bounds
// and means. Every definition is independent of the order of the numbers.

#include <array>
#include <span>
#include <string_view>

namespace pickora {

enum class IndicatorKind : int { Big = 0, Odd, Sum, Span, Scatter, Skew, AC, Repeat };
inline constexpr int kIndicatorCount = 8;
inline constexpr std::array<IndicatorKind, kIndicatorCount> kAllIndicators = {
    IndicatorKind::Big,     IndicatorKind::Odd,  IndicatorKind::Sum, IndicatorKind::Span,
    IndicatorKind::Scatter, IndicatorKind::Skew, IndicatorKind::AC,  IndicatorKind::Repeat};

// Which numbers are big, with H = N div 2: the views count x > H, the filters x >= H.
enum class BigRule { AboveHalf, FromHalf };

// "大数", "奇数", ... (UTF-8).
std::string_view shortLabel(IndicatorKind kind);
// "大数个数", "奇数个数", "和值", ... (UTF-8).
std::string_view valueName(IndicatorKind kind);

// Whether the indicator compares the combination with a reference draw.
constexpr bool needsReference(IndicatorKind kind)
{
    return kind == IndicatorKind::Skew || kind == IndicatorKind::Repeat;
}

// The value of one combination. `reference` is read by Skew and Repeat only (an empty reference
// gives 0 for both; the views' first-draw rules are theirs to apply).
int computeIndicator(IndicatorKind kind, std::span<const int> combination,
                     std::span<const int> reference, BigRule rule, int totalNumbers);

struct TheoreticalBounds {
    int minimum = 0;
    int maximum = 0;
    // As the views show them: the Sum maximum is (2N - k + 1)k / 2.0, which can end in .5.
    float minimumShown = 0;
    float maximumShown = 0;
};

// By formula, never by enumeration.
TheoreticalBounds theoreticalBounds(IndicatorKind kind, int totalNumbers, int pickCount);

// Big and Odd: k / 2; Repeat: (k k) div N; the others: the history's average (passed in).
float theoreticalMean(IndicatorKind kind, int totalNumbers, int pickCount, float historyAverage);
// The theoretical total over W draws: k W / 2, (k W k) div N, or W times the history's average.
float theoreticalTotal(IndicatorKind kind, int totalNumbers, int pickCount, int window,
                       float historyAverage);

// The first draw of a history has no predecessor: its skew is (N - k) / 2 as a real number.
inline float firstDrawSkew(int totalNumbers, int pickCount)
{
    return static_cast<float>(totalNumbers - pickCount) / 2.0f;
}

} // namespace pickora
