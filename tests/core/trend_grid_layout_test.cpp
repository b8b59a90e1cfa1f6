#include <gtest/gtest.h>

#include "analysis/trend_grid_layout.h"

using namespace pickora::trendgrid;

TEST(TrendGridLayout, ColumnsAndWidths)
{
    EXPECT_EQ(columnCount(11), 15);
    EXPECT_EQ(rowCount(3000), 3001);
    EXPECT_EQ(drawOfRow(1, 3000), 2999); // newest on top
    EXPECT_EQ(drawOfRow(3000, 3000), 0);
    const int client = 1248;
    const int expected[] = {70, 130, 8, 90, 90, 90, 90, 90, 90, 90, 90, 90, 90, 90, 8};
    for (int c = 0; c < 15; ++c)
        EXPECT_EQ(columnWidth(c, 11, client), expected[c]) << "column " << c;
    EXPECT_EQ(columnWidth(5, 11, 100), 1); // a tiny window still paints something
}

TEST(TrendGridLayout, TextsAndSamples)
{
    EXPECT_EQ(headerText(0, 11), "记录期号");
    EXPECT_EQ(headerText(1, 11), "开奖号码");
    EXPECT_EQ(headerText(2, 11), "");
    EXPECT_EQ(headerText(3, 11), "1"); // not "01"
    EXPECT_EQ(headerText(13, 11), "11");
    EXPECT_EQ(headerText(14, 11), "");
    EXPECT_EQ(sampleText(0, 11, 3, false), "2001001");
    EXPECT_EQ(sampleText(1, 11, 3, false), "00 00 00");
    EXPECT_EQ(sampleText(7, 11, 3, false), "●");
    EXPECT_EQ(sampleText(7, 11, 3, true), "00");
    EXPECT_EQ(sampleText(14, 11, 3, false), "");
    EXPECT_EQ(textOffset(70, 24, 49, 15).dx, 11);
    EXPECT_EQ(textOffset(70, 24, 49, 15).dy, 5);
}
