#include <gtest/gtest.h>

#include "analysis/interval_analysis.h"

using namespace pickora;

TEST(IntervalAnalysis, ZonesHeadingsAndCounts)
{
    const int widths[] = {11, 6, 4, 3, 3, 2, 2};
    for (int z = 1; z <= 7; ++z)
        EXPECT_EQ(zoneWidth(11, z), widths[z - 1]) << z;

    std::vector<Draw> draws(2);
    draws[0].issue = 10061201;
    draws[0].numbers = {3, 6, 11, 0, 0};
    draws[1].issue = 10061202;
    draws[1].numbers = {4, 1, 2, 0, 0};
    const IntervalComputation three = computeIntervals(draws, 11, 3, 3);
    EXPECT_EQ(three.headings,
              (std::vector<std::string>{"01-04号码总数", "05-08号码总数", "09-11号码总数"}));
    EXPECT_EQ(three.rows[0].counts, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(three.rows[1].counts, (std::vector<int>{3, 0, 0}));
    EXPECT_EQ(three.rows[1].numbersText, "04 01 02 ");

    const IntervalComputation one = computeIntervals(draws, 11, 3, 1);
    EXPECT_EQ(one.headings, (std::vector<std::string>{"01-11号码总数"}));
    EXPECT_EQ(one.rows[0].counts, (std::vector<int>{3}));

    // Five zones of three numbers leave the last one empty.
    const IntervalComputation five = computeIntervals(draws, 11, 3, 5);
    EXPECT_EQ(five.headings[3], "10-11号码总数");
    EXPECT_EQ(five.headings[4], "无号码");
    EXPECT_EQ(five.rows[0].counts, (std::vector<int>{1, 1, 0, 1, 0}));
    const IntervalComputation seven = computeIntervals(draws, 11, 3, 7);
    EXPECT_EQ(seven.headings[5], "11-11号码总数");
    EXPECT_EQ(seven.headings[6], "无号码");
}
