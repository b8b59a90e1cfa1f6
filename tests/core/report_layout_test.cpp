#include <gtest/gtest.h>

#include <algorithm>

#include "widgets/report_layout.h"

using namespace pickora;

namespace {

ReportInput input(ReportLayout layout, int rows, int columns)
{
    ReportInput in;
    in.layout = layout;
    in.width = 4800;
    in.height = 6600;
    in.title = "固定投资计划表";
    in.titleWidth = 1000;
    in.settingsLine = "settings";
    for (int c = 0; c < columns; ++c)
        in.headers.push_back("h" + std::to_string(c));
    for (int r = 1; r <= rows; ++r) {
        std::vector<std::string> cells;
        for (int c = 0; c < columns; ++c)
            cells.push_back(std::to_string(r) + "-" + std::to_string(c));
        in.rows.push_back(cells);
    }
    return in;
}

const ReportText* find(const ReportPage& page, const std::string& text)
{
    const auto it = std::find_if(page.texts.begin(), page.texts.end(),
                                 [&](const ReportText& t) { return t.text == text; });
    return it == page.texts.end() ? nullptr : &*it;
}

} // namespace

TEST(ReportLayout, TwentyFiveRowsAPageWithHeadAndFooter)
{
    const int W = 4800, H = 6600;
    const auto one = layoutReport(input(ReportLayout::FixedPlan, 25, 7));
    ASSERT_EQ(one.size(), 1U);
    EXPECT_NE(find(one[0], "共1页\\第1页"), nullptr);
    const ReportText* title = find(one[0], "固定投资计划表");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, (W - 1000) / 2);
    EXPECT_EQ(title->y, H / 29 - 50);
    EXPECT_EQ(title->font, ReportFont::Title);
    EXPECT_EQ(find(one[0], "settings")->x, W / 12);
    // 27 horizontal rules and 8 vertical ones.
    EXPECT_EQ(one[0].lines.size(), 27U + 8U);
    EXPECT_EQ(one[0].lines[0].y1, 3 * H / 29 - 120);
    EXPECT_EQ(one[0].lines[0].x2, W / 13 + (7 * W * 9 / 10) / 7);
    const ReportText* header = find(one[0], "h3");
    EXPECT_EQ(header->x, W / 13 + (3 * W * 9 / 10) / 7 + 100);
    EXPECT_EQ(header->y, 3 * H / 30);
    const ReportText* cell = find(one[0], "25-6");
    EXPECT_EQ(cell->x, W / 13 + (6 * W * 9 / 10) / 7 + 220);
    EXPECT_EQ(cell->y, 28 * H / 29);
    EXPECT_EQ(find(one[0], "共1页\\第1页")->x, W * 7 / 10 + 800);
    EXPECT_EQ(find(one[0], "共1页\\第1页")->y, 28 * H / 29 + 130);

    const auto two = layoutReport(input(ReportLayout::FixedPlan, 26, 7));
    ASSERT_EQ(two.size(), 2U);
    EXPECT_NE(find(two[1], "共2页\\第2页"), nullptr);
    EXPECT_EQ(find(two[1], "26-0")->y, 4 * H / 29); // band 1 of page 2
    EXPECT_EQ(find(two[1], "固定投资计划表"), nullptr); // the head is on page 1 only
    EXPECT_EQ(find(two[0], "26-0"), nullptr);

    const auto none = layoutReport(input(ReportLayout::FixedPlan, 0, 7));
    ASSERT_EQ(none.size(), 1U);
    EXPECT_EQ(none[0].texts.size(), 2U); // title and settings only
    EXPECT_TRUE(none[0].lines.empty());
}

TEST(ReportLayout, InvestmentListThreeGroupsOfTwentyFive)
{
    const int W = 4800, H = 6600;
    const auto pages = layoutReport(input(ReportLayout::InvestmentList, 76, 4));
    ASSERT_EQ(pages.size(), 2U);
    const auto edge = [&](int c) { return W / 14 + (c * W * 9 / 10) / 8; };
    struct Case {
        int row;
        std::size_t page;
        int group;
        int band;
    };
    for (const Case& c : {Case{1, 0, 0, 1}, Case{26, 0, 1, 1}, Case{51, 0, 2, 1}, Case{75, 0, 2, 25},
                          Case{76, 1, 0, 1}}) {
        const std::string number = std::to_string(c.row);
        const ReportText* n = find(pages[c.page], number);
        ASSERT_NE(n, nullptr) << c.row;
        EXPECT_EQ(n->x, edge(3 * c.group) + 170) << c.row;
        EXPECT_EQ(n->y, (c.band + 3) * H / 29) << c.row;
        const ReportText* bet = find(pages[c.page], number + "-1" + number + "-2" + number + "-3");
        ASSERT_NE(bet, nullptr) << c.row;
        EXPECT_EQ(bet->x, edge(3 * c.group + 1) + 180);
    }
    EXPECT_NE(find(pages[0], "共2页\\第1页"), nullptr);
    EXPECT_EQ(find(pages[0], "settings")->x, W / 14);
}

TEST(ReportLayout, TotalFilterListAndDate)
{
    const int W = 4800;
    const auto pages = layoutReport(input(ReportLayout::TotalFilter, 3, 4));
    const ReportText* number = find(pages[0], "2");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->x, W / 14 + 200);
    const ReportText* bet = find(pages[0], "2-1 2-2 2-3 ");
    ASSERT_NE(bet, nullptr);
    EXPECT_EQ(bet->x, W / 14 + (2 * W * 9 / 10) / 8 + 180);
    EXPECT_EQ(pages[0].lines.size(), 27U + 3U); // rules at edges 0, 2 and 8 only
    EXPECT_EQ(reportDate(2026, 12, 8), "2026-12-8");
    EXPECT_EQ(reportDate(2027, 1, 15), "2027-1-15");
}
