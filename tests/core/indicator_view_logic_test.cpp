#include <gtest/gtest.h>

#include <vector>

#include "analysis/indicator_view_logic.h"

using namespace pickora;

namespace {

std::vector<Draw> draws(std::vector<std::array<int, 3>> numbers)
{
    std::vector<Draw> out;
    int issue = 10061201;
    for (const auto& n : numbers) {
        Draw d;
        d.issue = issue++;
        d.numbers = {n[0], n[1], n[2], 0, 0};
        out.push_back(d);
    }
    return out;
}

} // namespace

TEST(IndicatorView, BigCountSummaryAndAdviceBoundaries)
{
    // Window of 3 draws: T = 4.5, so A = 7 (>= 6.75) is far above, A = 3 (4.5 >= 4.5) far below.
    struct Case {
        std::vector<std::array<int, 3>> numbers;
        const char* total;
        const char* advice; // empty: no advice line
    };
    const std::vector<Case> cases = {
        {{{1, 2, 3}, {6, 7, 8}, {9, 10, 1}, {6, 7, 1}}, "7.0", "远远超过"},
        {{{6, 7, 8}, {1, 2, 6}, {1, 2, 7}, {1, 2, 8}}, "3.0", "远远低于"},
        {{{1, 2, 3}, {6, 7, 1}, {1, 2, 8}, {6, 7, 2}}, "5.0", ""},
        {{{1, 2, 3}, {6, 7, 8}, {9, 10, 1}, {6, 2, 1}}, "6.0", ""},
        {{{1, 2, 3}, {6, 7, 1}, {1, 2, 8}, {1, 2, 3}}, "3.0", "远远低于"},
    };
    for (const Case& c : cases) {
        const IndicatorComputation r = computeIndicatorView(IndicatorKind::Big, draws(c.numbers), 3, 11, 3);
        SCOPED_TRACE(c.total);
        ASSERT_GE(r.summary.size(), 5U);
        EXPECT_EQ(r.summary[0], "理论最多大数个数：3.0");
        EXPECT_EQ(r.summary[1], "理论最少大数个数：0.0");
        EXPECT_EQ(r.summary[2], "理论平均大数个数：1.5");
        EXPECT_EQ(r.summary[3], std::string("最近3期大数个数总和：") + c.total);
        EXPECT_EQ(r.summary[4], "最近3期理论大数个数总和：4.5");
        if (std::string(c.advice).empty()) {
            EXPECT_EQ(r.summary.size(), 5U);
        } else {
            ASSERT_EQ(r.summary.size(), 6U);
            EXPECT_NE(r.summary[5].find(c.advice), std::string::npos) << r.summary[5];
        }
    }
    const IndicatorComputation above = computeIndicatorView(
        IndicatorKind::Big, draws({{1, 2, 3}, {6, 7, 8}, {9, 10, 11}, {1, 6, 7}}), 3, 11, 3);
    EXPECT_EQ(above.summary[5],
              "最近3期大数个数总和远远超过理论个数总和，建议选择小于理论平均大数个数的组合！");
}

TEST(IndicatorView, ExactlyOneAndAHalfTimesGivesAdvice)
{
    // Spans 4, 4, 4, 2, 6 average 4: the newest alone gives A = 6 = 1.5 T.
    const auto exactAbove = draws({{1, 3, 5}, {1, 3, 5}, {1, 3, 5}, {1, 2, 3}, {1, 4, 7}});
    const IndicatorComputation a = computeIndicatorView(IndicatorKind::Span, exactAbove, 1, 11, 3);
    EXPECT_FLOAT_EQ(a.actualTotal, 6.0f);
    EXPECT_FLOAT_EQ(a.theoreticalTotal, 4.0f);
    ASSERT_EQ(a.summary.size(), 6U);
    EXPECT_EQ(a.summary[5], "最近1期跨度总和远远超过理论跨度总和，建议选择小于理论平均跨度的组合！");
    // Spans 7, 7, 6, 4 average 6: the newest alone gives T = 6 = 1.5 A.
    const auto exactBelow = draws({{1, 4, 8}, {1, 4, 8}, {1, 4, 7}, {1, 2, 5}});
    const IndicatorComputation b = computeIndicatorView(IndicatorKind::Span, exactBelow, 1, 11, 3);
    EXPECT_FLOAT_EQ(b.actualTotal, 4.0f);
    EXPECT_FLOAT_EQ(b.theoreticalTotal, 6.0f);
    ASSERT_EQ(b.summary.size(), 6U);
    EXPECT_EQ(b.summary[5], "最近1期跨度总和远远低于理论跨度总和，建议选择大于理论平均跨度的组合！");
}

TEST(IndicatorView, FirstDrawRulesRowsAndWindow)
{
    const auto history = draws({{1, 2, 3}, {1, 5, 9}, {9, 5, 2}});
    const IndicatorComputation skew = computeIndicatorView(IndicatorKind::Skew, history, 3, 11, 3);
    ASSERT_EQ(skew.rows.size(), 3U);
    EXPECT_EQ(skew.rows[0].valueText, "4");
    EXPECT_EQ(skew.rows[1].valueText, "6"); // 9 is six away from 3
    EXPECT_EQ(skew.rows[2].valueText, "1"); // 2 is one away from 1
    EXPECT_EQ(skew.rows[0].issueText, "10061201");
    EXPECT_EQ(skew.rows[1].numbersText, "01 05 09 ");
    EXPECT_EQ(skew.summary[2], "理论平均偏度：3.7"); // (4 + 6 + 1) / 3

    const IndicatorComputation repeat = computeIndicatorView(IndicatorKind::Repeat, history, 3, 11, 3);
    EXPECT_EQ(repeat.rows[0].valueText, "0");
    EXPECT_EQ(repeat.rows[1].valueText, "1");
    EXPECT_EQ(repeat.rows[2].valueText, "2");
    EXPECT_EQ(repeat.summary[2], "理论平均重码个数：0.0");
    EXPECT_EQ(repeat.summary[4], "最近3期理论重码个数总和：2.0");

    EXPECT_EQ(windowFromItem(0, 3000), 3000); // 全部期
    EXPECT_EQ(windowFromItem(17, 3000), 17);
    EXPECT_EQ(initialWindow(3000), 3);
    EXPECT_EQ(initialWindow(2), 2);
    const IndicatorComputation all = computeIndicatorView(IndicatorKind::Sum, history, 3, 11, 3);
    EXPECT_EQ(all.window, 3);
    EXPECT_EQ(all.summary[3], "最近3期和值总和：37.0");

    // No draws: no figures and no advice computed from nothing, only the hint.
    for (const IndicatorKind kind : kAllIndicators) {
        const IndicatorComputation empty = computeIndicatorView(kind, {}, 0, 11, 3);
        EXPECT_TRUE(empty.rows.empty());
        EXPECT_EQ(empty.summary, std::vector<std::string>{kNoDrawsHint}) << static_cast<int>(kind);
    }
}

TEST(IndicatorView, EveryMemberSpeaksItsOwnWords)
{
    struct Words {
        IndicatorKind kind;
        const char *caption, *title, *header, *maxLabel, *line4, *line5, *above, *below;
    };
    const std::vector<Words> table = {
        {IndicatorKind::Big, "大小分析", "最近各期开奖号码大数个数", "大数个数", "理论最多大数个数：", "期大数个数总和：", "期理论大数个数总和：", "期大数个数总和远远超过理论个数总和，建议选择小于理论平均大数个数的组合！", "期大数个数总和远远低于理论个数总和，建议选择大于理论平均大数个数的组合！"},
        {IndicatorKind::Odd, "奇数分析", "最近各期开奖号码奇数个数", "奇数个数", "理论最多奇数个数：", "期奇数个数总和：", "期理论奇数个数总和：", "期奇数个数总和远远超过理论个数总和，建议选择小于理论平均奇数个数的组合！", "期奇数个数总和远远低于理论个数总和，建议选择大于理论平均奇数个数的组合！"},
        {IndicatorKind::Sum, "和值分析", "最近各期开奖号码和值", "和值", "理论最大和值：", "期和值总和：", "期理论和值总和：", "期和值总和远远超过理论和值总和，建议选择小于理论平均和值的组合！", "期和值总和远远低于理论和值总和，建议选择大于理论平均和值的组合！"},
        {IndicatorKind::Span, "跨度分析", "最近各期开奖号码跨度", "跨度", "理论最大跨度：", "期跨度总和：", "期理论跨度总和：", "期跨度总和远远超过理论跨度总和，建议选择小于理论平均跨度的组合！", "期跨度总和远远低于理论跨度总和，建议选择大于理论平均跨度的组合！"},
        {IndicatorKind::Scatter, "散度分析", "最近各期开奖号码散度", "散度", "理论最大散度：", "期散度总和：", "期理论散度总和：", "期散度总和远远超过理论散度总和，建议选择小于理论平均散度的组合！", "期散度总和远远低于理论散度总和，建议选择大于理论平均散度的组合！"},
        {IndicatorKind::Skew, "偏度分析", "最近各期开奖号码偏度", "偏度", "理论最多偏度：", "期偏度总和：", "期理论偏度总和：", "期偏度总和远远超过理论偏度总和，建议选择小于理论平均偏度的组合！", "期偏度总和远远低于理论偏度总和，建议选择大于理论平均偏度的组合！"},
        {IndicatorKind::AC, "AC值分析", "最近各期开奖号码AC值", "AC值", "理论最大AC值：", "期AC值总和：", "期理论AC值总和：", "期AC值总和远远超过理论AC值总和，建议选择小于理论平均AC值的组合！", "期AC值总和远远低于理论AC值总和，建议选择大于理论平均AC值的组合！"},
        {IndicatorKind::Repeat, "重码分析", "最近各期开奖号码重码个数", "重码个数", "理论最多重码个数：", "期重码个数总和：", "期理论重码个数总和：", "期重码个数总和远远超过理论个数总和，建议选择小于理论平均重码个数的组合！", "期重码个数总和远远低于理论个数总和，建议选择大于理论平均重码个数的组合！"},
    };
    for (const Words& w : table) {
        const IndicatorMember& m = indicatorMember(w.kind);
        SCOPED_TRACE(w.caption);
        EXPECT_EQ(m.caption, w.caption);
        EXPECT_EQ(m.chartTitle, w.title);
        EXPECT_EQ(m.columnHeader, w.header);
        EXPECT_EQ(m.maximumLabel, w.maxLabel);
        EXPECT_EQ(m.actualTotal, w.line4);
        EXPECT_EQ(m.theoreticalTotal, w.line5);
        EXPECT_EQ(m.adviceAbove, w.above);
        EXPECT_EQ(m.adviceBelow, w.below);
        EXPECT_EQ(m.recomputeFollowsMode, w.kind != IndicatorKind::Repeat);
    }
}
