#include <gtest/gtest.h>

#include "store/draw_history.h"

using namespace pickora;

namespace {

StoredDraw stored(std::string issue, std::array<int, 5> numbers) { return {std::move(issue), numbers}; }

} // namespace

TEST(DrawHistory, IssueOf2009LosesItsLeadingZeroButDateKeepsIt)
{
    const std::vector<StoredDraw> rows = {stored("09123101", {1, 2, 3, 4, 5})};
    const DrawHistory h = buildDrawHistory(rows, DrawPosition::Front, 11, 3);
    ASSERT_EQ(h.count(), 1);
    EXPECT_EQ(h.draws[0].issue, 9123101);
    EXPECT_EQ(h.rowText(0, 0), "9123101");
    EXPECT_EQ(h.dates[0], "2009-12-31");
}

TEST(DrawHistory, PositionTakesStoredColumnsInColumnOrder)
{
    // 05 11 02 08 01: 前三 = 5 11 2, 中三 = 11 2 8, 后三 = 2 8 1; never sorted.
    const std::vector<StoredDraw> rows = {stored("10061201", {5, 11, 2, 8, 1})};
    struct Case {
        DrawPosition position;
        std::array<int, 3> numbers;
        const char* text;
    };
    for (const Case& c : {Case{DrawPosition::Front, {5, 11, 2}, "05 11 02"},
                          Case{DrawPosition::Middle, {11, 2, 8}, "11 02 08"},
                          Case{DrawPosition::Back, {2, 8, 1}, "02 08 01"}}) {
        const DrawHistory h = buildDrawHistory(rows, c.position, 11, 3);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(h.draws[0].numbers[0], c.numbers[0]);
        EXPECT_EQ(h.draws[0].numbers[1], c.numbers[1]);
        EXPECT_EQ(h.draws[0].numbers[2], c.numbers[2]);
        EXPECT_EQ(h.rowText(0, 1), c.text);
        EXPECT_EQ(h.dates[0], "2010-06-12");
        int flagged = 0;
        for (int x = 1; x <= 11; ++x) {
            const bool drawn = x == c.numbers[0] || x == c.numbers[1] || x == c.numbers[2];
            EXPECT_EQ(h.rowText(0, x + 2), drawn ? "1" : "0") << "number " << x;
            flagged += drawn;
        }
        EXPECT_EQ(flagged, 3);
        EXPECT_EQ(h.rowText(0, 2), "0");
    }
}

TEST(DrawHistory, EmptyTableGivesEmptyHistory)
{
    const DrawHistory h = buildDrawHistory({}, DrawPosition::Middle, 11, 3);
    EXPECT_EQ(h.count(), 0);
    EXPECT_TRUE(h.rows.empty());
    EXPECT_TRUE(h.dates.empty());
}

TEST(DrawHistory, RefusesRowsThatCannotBeAnalysed)
{
    const std::vector<std::vector<StoredDraw>> bad = {
        {stored("10061201", {1, 2, 3, 4, 5}), stored("1006x202", {1, 2, 3, 4, 5})},
        {stored("", {1, 2, 3, 4, 5})},
        {stored("10061201", {1, 12, 3, 4, 5})},
        {stored("10061201", {0, 2, 3, 4, 5})},
    };
    for (const auto& rows : bad)
        EXPECT_THROW(buildDrawHistory(rows, DrawPosition::Front, 11, 3), DrawDataError);
    // Columns outside the analysed three are not read.
    EXPECT_NO_THROW(buildDrawHistory(std::vector{stored("10061201", {1, 2, 3, 0, 99})},
                                     DrawPosition::Front, 11, 3));
}

TEST(DrawHistory, ErrorNamesTheRowAndTheValue)
{
    const std::vector<StoredDraw> rows = {stored("10061201", {1, 2, 3, 4, 5}),
                                          stored("10061202", {1, 2, 3, 4, 17})};
    try {
        buildDrawHistory(rows, DrawPosition::Back, 11, 3);
        FAIL() << "no error";
    } catch (const DrawDataError& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("第 2 行"), std::string::npos) << what;
        EXPECT_NE(what.find("10061202"), std::string::npos) << what;
        EXPECT_NE(what.find("17"), std::string::npos) << what;
    }
}

TEST(DrawHistory, WarningsNameRowsWithRepeatedIssuesOrNumbers)
{
    const std::vector<StoredDraw> clean = {stored("10061201", {1, 2, 3, 4, 5}),
                                           stored("10061202", {3, 2, 1, 1, 1})};
    // Repeats outside the analysed columns are not the analysis' concern.
    EXPECT_EQ(historyWarningText(buildDrawHistory(clean, DrawPosition::Front, 11, 3)), "");

    const std::vector<StoredDraw> rows = {
        stored("10061201", {1, 2, 3, 4, 5}), stored("10061202", {7, 7, 3, 4, 5}),
        stored("10061202", {1, 2, 3, 4, 5}), stored("010061201", {9, 8, 9, 4, 5})};
    const DrawHistory h = buildDrawHistory(rows, DrawPosition::Front, 11, 3);
    EXPECT_EQ(historyWarningText(h), "以下记录可能有误，请核对（数据库没有改动）：\n"
                                     "第 2 行（期号 10061202）的号码 07 出现了不止一次。\n"
                                     "第 3 行的期号 10061202 与第 2 行相同。\n"
                                     "第 4 行的期号 10061201 与第 1 行相同。\n"
                                     "第 4 行（期号 10061201）的号码 09 出现了不止一次。");
    // The middle three of row 2 (7 3 4) hold no repeat.
    EXPECT_EQ(historyWarningText(buildDrawHistory(rows, DrawPosition::Middle, 11, 3), 1),
              "以下记录可能有误，请核对（数据库没有改动）：\n"
              "第 3 行的期号 10061202 与第 2 行相同。\n"
              "……另有 1 处。");
}
