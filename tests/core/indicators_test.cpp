#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "analysis/indicators.h"

using namespace pickora;

namespace {

int value(IndicatorKind kind, std::vector<int> c, std::vector<int> r = {},
          BigRule rule = BigRule::AboveHalf, int n = 11)
{
    return computeIndicator(kind, c, r, rule, n);
}

} // namespace

TEST(Indicators, DefinitionsOnExamples)
{
    struct Case {
        IndicatorKind kind;
        std::vector<int> c;
        std::vector<int> r;
        int expected;
    };
    const std::vector<Case> cases = {
        {IndicatorKind::Big, {3, 6, 11}, {}, 2},
        {IndicatorKind::Odd, {3, 6, 11}, {}, 2},
        {IndicatorKind::Sum, {3, 6, 11}, {}, 20},
        {IndicatorKind::Span, {6, 11, 3}, {}, 8},
        {IndicatorKind::Scatter, {1, 2, 3}, {}, 8},
        {IndicatorKind::Scatter, {1, 6, 11}, {}, 2},
        {IndicatorKind::Scatter, {2, 6, 10}, {}, 2},
        {IndicatorKind::AC, {1, 3, 5}, {}, 2},
        {IndicatorKind::AC, {1, 2, 4}, {}, 3},
        {IndicatorKind::AC, {1, 2, 4, 8, 11}, {}, 8},
        {IndicatorKind::Skew, {1, 5, 9}, {1, 5, 9}, 0},
        {IndicatorKind::Skew, {1, 5, 11}, {2, 5, 8}, 3},
        {IndicatorKind::Repeat, {1, 5, 11}, {11, 2, 1}, 2},
        {IndicatorKind::Repeat, {1, 5, 11}, {2, 3, 4}, 0},
    };
    for (const Case& t : cases) {
        SCOPED_TRACE(static_cast<int>(t.kind));
        EXPECT_EQ(value(t.kind, t.c, t.r), t.expected);
        // Independent of the order of the numbers.
        std::vector<int> reversed(t.c.rbegin(), t.c.rend());
        EXPECT_EQ(value(t.kind, reversed, t.r), t.expected);
    }
}

TEST(Indicators, FiveIsBigOnlyFromHalf)
{
    EXPECT_EQ(value(IndicatorKind::Big, {5}, {}, BigRule::AboveHalf), 0);
    EXPECT_EQ(value(IndicatorKind::Big, {5}, {}, BigRule::FromHalf), 1);
    EXPECT_EQ(value(IndicatorKind::Big, {3, 4, 5}, {}, BigRule::AboveHalf), 0);
    EXPECT_EQ(value(IndicatorKind::Big, {3, 4, 5}, {}, BigRule::FromHalf), 1);
    EXPECT_EQ(value(IndicatorKind::Big, {6, 7, 11}, {}, BigRule::AboveHalf), 3);
}

TEST(Indicators, BoundsAreFormulas)
{
    struct Expected {
        IndicatorKind kind;
        int minimum, maximum;
    };
    for (const Expected& e : {Expected{IndicatorKind::Big, 0, 3}, Expected{IndicatorKind::Odd, 0, 3},
                              Expected{IndicatorKind::Sum, 6, 30}, Expected{IndicatorKind::Span, 2, 10},
                              Expected{IndicatorKind::Scatter, 3, 8}, Expected{IndicatorKind::Skew, 0, 8},
                              Expected{IndicatorKind::AC, 2, 3}, Expected{IndicatorKind::Repeat, 0, 3}}) {
        const TheoreticalBounds b = theoreticalBounds(e.kind, 11, 3);
        EXPECT_EQ(b.minimum, e.minimum) << static_cast<int>(e.kind);
        EXPECT_EQ(b.maximum, e.maximum) << static_cast<int>(e.kind);
        EXPECT_FLOAT_EQ(b.maximumShown, static_cast<float>(e.maximum));
    }
    // Formulas even where no combination reaches them.
    EXPECT_EQ(theoreticalBounds(IndicatorKind::AC, 11, 5).maximum, 10);
    // (2N - k + 1) k is even for every N and k, so the shown Sum maximum is always whole.
    for (int n = 3; n <= 12; ++n)
        for (int k = 1; k <= std::min(n, 6); ++k)
            EXPECT_FLOAT_EQ(theoreticalBounds(IndicatorKind::Sum, n, k).maximumShown,
                            static_cast<float>(theoreticalBounds(IndicatorKind::Sum, n, k).maximum));
}

TEST(Indicators, TheoreticalMeansAndTotals)
{
    EXPECT_FLOAT_EQ(theoreticalMean(IndicatorKind::Big, 11, 3, 9.f), 1.5f);
    EXPECT_FLOAT_EQ(theoreticalMean(IndicatorKind::Odd, 11, 3, 9.f), 1.5f);
    EXPECT_FLOAT_EQ(theoreticalMean(IndicatorKind::Repeat, 11, 3, 9.f), 0.0f); // 9 div 11
    EXPECT_FLOAT_EQ(theoreticalMean(IndicatorKind::Sum, 11, 3, 18.25f), 18.25f);
    EXPECT_FLOAT_EQ(theoreticalTotal(IndicatorKind::Big, 11, 3, 3, 0), 4.5f);
    EXPECT_FLOAT_EQ(theoreticalTotal(IndicatorKind::Repeat, 11, 3, 3, 0), 2.0f); // 27 div 11
    EXPECT_FLOAT_EQ(theoreticalTotal(IndicatorKind::Repeat, 11, 3, 2, 0), 1.0f);
    EXPECT_FLOAT_EQ(theoreticalTotal(IndicatorKind::Repeat, 11, 3, 1, 0), 0.0f);
    EXPECT_FLOAT_EQ(theoreticalTotal(IndicatorKind::Span, 11, 3, 4, 5.5f), 22.0f);
    EXPECT_FLOAT_EQ(firstDrawSkew(11, 3), 4.0f);
}
