#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "acquire/feed_draws.h"
#include "acquire/list_page_items.h"
#include "acquire/results_sources.h"

using namespace pickora;

namespace {

std::string fixture(const std::string& name)
{
    std::ifstream file(std::string(PICKORA_FIXTURES) + "/download/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

DownloadedDraw draw(const std::string& issue, std::array<int, 5> numbers)
{
    return {issue, numbers, "20" + issue.substr(0, 2) + "-" + issue.substr(2, 2) + "-" + issue.substr(4, 2)};
}

std::vector<std::string> issuesOf(const std::vector<DownloadedDraw>& draws)
{
    std::vector<std::string> issues;
    for (const DownloadedDraw& d : draws)
        issues.push_back(d.issue);
    return issues;
}

const ResultSource& source(std::string_view lottery)
{
    const ResultSource* s = findResultSource(lottery);
    if (s == nullptr)
        throw std::runtime_error("no source");
    return *s;
}

} // namespace

TEST(ResultSources, OrderPathsAndPageDates)
{
    std::vector<std::string_view> order;
    for (const ResultSource& s : resultSources())
        order.push_back(s.lottery);
    EXPECT_EQ(order, (std::vector<std::string_view>{"重庆体彩11选5", "广东体彩11选5", "山东体彩11选5",
                                                    "江西体彩11选5"}));
    EXPECT_EQ(source("江西体彩11选5").issueWidth, 10);
    EXPECT_EQ(source("山东体彩11选5").feedPath, "/static/11yun/newlyopenlist.xml");
    EXPECT_EQ(findResultSource(""), nullptr);
    EXPECT_EQ(findResultSource("重庆体彩11选5 "), nullptr);
    EXPECT_EQ(listPageDate(2010, 6, 12), "2010-06-12");
    EXPECT_EQ(listPageDate(987, 11, 2), "0987-11-02");
}

// One page per source as the services publish them, newest draw first.
TEST(ListPages, FixturePageOfEverySourceGivesItsDrawsOldestFirst)
{
    const struct {
        std::string_view lottery;
        std::string file;
        std::string itemText;
        std::vector<DownloadedDraw> draws;
    } cases[] = {
        {"重庆体彩11选5", "list_558.html",
         "*100612030701100409*100612021106030802*100612010409050110",
         {draw("10061201", {4, 9, 5, 1, 10}), draw("10061202", {11, 6, 3, 8, 2}),
          draw("10061203", {7, 1, 10, 4, 9})}},
        {"广东体彩11选5", "list_23.html",
         "*100612030903100604*100612020207011105*100612010511020801",
         {draw("10061201", {5, 11, 2, 8, 1}), draw("10061202", {2, 7, 1, 11, 5}),
          draw("10061203", {9, 3, 10, 6, 4})}},
        {"山东体彩11选5", "list_20.html", "*100612020305070911*100612011008060402",
         {draw("10061201", {10, 8, 6, 4, 2}), draw("10061202", {3, 5, 7, 9, 11})}},
        // Ten-digit issues lose their century; the ten-character date line is no issue.
        {"江西体彩11选5", "list_22.html", "*20100612020602110107*20100612010104080311",
         {draw("10061201", {1, 4, 8, 3, 11}), draw("10061202", {6, 2, 11, 1, 7})}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const ResultSource& s = source(c.lottery);
        ListPageItems items(s.issueWidth);
        items.addPage(fixture(c.file));
        EXPECT_EQ(items.text(), c.itemText);
        EXPECT_EQ(drawsOfItems(items.text(), s.issueWidth), c.draws);
    }
}

TEST(ListPages, LinesThatStartItemsOrAddBalls)
{
    const struct {
        int width;
        std::string_view line;
        std::string added;
    } cases[] = {
        {8, " \t10061201\r", "*10061201"},
        {8, "1006120", ""},
        {8, "1006120x", ""},
        {8, "+1006120", ""},
        {8, "2010061201", ""},
        {10, "2010061201", "*2010061201"},
        {10, "2010-06-12", ""},
        {8, R"(<span class="ball_r">05</span><span class="ball_r">11</span>)", "0511"},
        // Every "ball" of a ball line counts, also one that is not a ball span.
        {8, R"(<td class="balls"><span class="ball_r">05</span>)", "sp05"},
        // Without a ball span the line adds nothing.
        {8, R"(<td class="ball_r">05</td>)", ""},
        // Past the line's end there is nothing to take.
        {8, R"(<span class="ball_r">5)", "5"},
        {8, R"(<span class="ball)", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line));
        ListPageItems items(c.width);
        items.addLine(c.line);
        EXPECT_EQ(items.text(), c.added);
    }
}

TEST(ListPages, ItemsWithoutAWholeDrawAreLeftOut)
{
    EXPECT_EQ(splitItems(" *a * *\tb**"), (std::vector<std::string_view>{"a", "b"}));
    const std::string text =
        "0511"                 // balls before any issue line
        "*100612010511020801"  // kept
        "*10061202051102"      // too short
        "*100612030511020805"  // 05 twice
        "*100612040011020801"  // 00
        "*100612051211020801"  // 12
        "*10061206 511020801"  // a blank is no digit
        "*10061207051102080199"; // extra characters after the ten are ignored
    EXPECT_EQ(issuesOf(drawsOfItems(text, 8)), (std::vector<std::string>{"10061207", "10061201"}));
}

TEST(Feed, FixtureFeedOfEverySourceGivesItsRows)
{
    const struct {
        std::string_view lottery;
        std::string file;
        std::vector<DownloadedDraw> draws;
    } cases[] = {
        {"重庆体彩11选5", "feed_cq11x5.xml",
         {draw("10061205", {3, 8, 1, 11, 6}), draw("10061204", {10, 2, 5, 7, 4})}},
        {"广东体彩11选5", "feed_gd11x5.xml",
         {draw("10061205", {4, 10, 7, 1, 9}), draw("10061204", {8, 5, 11, 3, 2})}},
        {"山东体彩11选5", "feed_11yun.xml",
         {draw("10061204", {1, 2, 3, 4, 5}), draw("10061203", {11, 10, 9, 8, 7})}},
        {"江西体彩11选5", "feed_jx11x5.xml",
         {draw("10061204", {9, 11, 4, 6, 3}), draw("10061203", {5, 1, 2, 10, 8})}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const ResultSource& s = source(c.lottery);
        EXPECT_EQ(drawsOfFeed(fixture(c.file), s.feedIssueOffset, s.feedNumbersOffset), c.draws);
    }
}

TEST(Feed, LinesJoinTrimmedAndBrokenRowsAreLeftOut)
{
    EXPECT_EQ(joinedFeedLines("  <a> \r\n\t<b>\n\n <c>"), "<a><b><c>");
    // Offsets 12 and 31 as for 山东.
    const std::string feed = "<x>\r\n"
                             "  <row issue=\"10061201\" numbers=\"05,11,02,08,01\"/>\r\n"
                             "  <row issue=\"1006120x\" numbers=\"05,11,02,08,01\"/>\r\n"
                             "  <row issue=\"10061203\" numbers=\"05,11,02,08,05\"/>\r\n"
                             "  <row\r\n issue=\"10061204\" numbers=\"05,11,02,08,01\"/>\r\n"
                             "  <row issue=\"10061205\" numbers=\"05,11,02";
    EXPECT_EQ(drawsOfFeed(feed, 12, 31), std::vector<DownloadedDraw>{draw("10061201", {5, 11, 2, 8, 1})});
}

TEST(NewDraws, AfterTheLastStoredIssueOnceEachOldestFirst)
{
    const std::vector<DownloadedDraw> newestFirst = {
        draw("10061203", {1, 2, 3, 4, 5}), draw("10061202", {1, 2, 3, 4, 6}),
        draw("10061130", {1, 2, 3, 4, 7}), draw("10061202", {1, 2, 3, 4, 8})};
    const struct {
        std::int64_t last;
        std::vector<std::string> issues;
    } cases[] = {
        {0, {"10061130", "10061202", "10061203"}},
        {10061130, {"10061202", "10061203"}},
        {10061203, {}},
        {99999999, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.last);
        EXPECT_EQ(issuesOf(newDraws(newestFirst, c.last)), c.issues);
    }
    // The first of two rows with one issue is kept.
    EXPECT_EQ(newDraws(newestFirst, 10061130).front().numbers[4], 6);
}

TEST(NewDraws, IssueValueTakesDigitsOnly)
{
    EXPECT_EQ(issueValue("0"), 0);
    EXPECT_EQ(issueValue("2010061201"), 2010061201);
    for (std::string_view bad : {"", "-1", "+5", "1 2", "0x10", "1234567890123456789"})
        EXPECT_FALSE(issueValue(bad)) << bad;
}
