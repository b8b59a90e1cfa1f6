#include <gtest/gtest.h>

#include "filter/big_base.h"

using namespace pickora;

namespace {

using Bets = std::vector<std::array<int, 3>>;

Bets intersect(std::vector<std::string> memos, int least, int most)
{
    memos.resize(8);
    return intersectBases(memos, 11, least, most);
}

} // namespace

TEST(BigBase, IntersectionWithTolerance)
{
    EXPECT_EQ(intersect({}, 0, 0).size(), 990U);
    EXPECT_EQ(intersect({" \r\n ", ""}, 0, 0).size(), 990U); // blank memos are ignored
    const std::vector<std::string> two = {"01 02 03\r\n01 02 04\r\n", "01 02 04 \r\n05 06 07 \r\n"};
    EXPECT_EQ(intersect(two, 0, 0), (Bets{{1, 2, 4}}));
    EXPECT_EQ(intersect(two, 1, 1), (Bets{{1, 2, 3}, {5, 6, 7}}));
    EXPECT_EQ(intersect(two, 0, 1), (Bets{{1, 2, 3}, {1, 2, 4}, {5, 6, 7}}));
    // Containment is textual and order-sensitive.
    EXPECT_EQ(intersect({"01 02 03 04"}, 0, 0), (Bets{{1, 2, 3}, {2, 3, 4}}));
    EXPECT_TRUE(intersect({"01,02,03"}, 0, 0).empty());
    EXPECT_EQ(intersect({"01 02 03"}, 0, 0), (Bets{{1, 2, 3}}));
    EXPECT_EQ(resultText({{1, 2, 3}, {11, 10, 9}}), "01 02 03 \r\n11 10 09 \r\n");
}

TEST(BigBase, LineCountsAndPrizeCheck)
{
    EXPECT_EQ(memoLineCount(""), 0);
    EXPECT_EQ(memoLineCount("01 02 03"), 1);
    EXPECT_EQ(memoLineCount("01 02 03\n04 05 06\n"), 2);
    EXPECT_EQ(memoLineCount("01 02 03\n\n"), 2);

    EXPECT_TRUE(checkPrize("01 02 03", "03 02 01 \r\n01 02 03 \r\n", 3).won);
    EXPECT_TRUE(checkPrize("1 2 3", "01 02 03 \r\n", 3).won);
    EXPECT_FALSE(checkPrize("03 02 01", "01 02 03 \r\n", 3).won);
    EXPECT_FALSE(checkPrize("01 02 03", "", 3).won);
    EXPECT_FALSE(checkPrize("01 02", "01 02 03 \r\n", 3).error.empty());
    EXPECT_FALSE(checkPrize("01 02 03", "01 02\r\n", 3).error.empty());

    // Only the first k tokens of the draw and of each line are read: text after them is ignored.
    struct Case {
        const char* draw;
        const char* memo;
        bool won;
    };
    const Case trailing[] = {
        {"01 02 03 第100期", "01 02 03 \r\n", true},
        {"01 02 03 04 05", "01 02 03 \r\n", true},
        {"01 02 03", "01 02 03 备注\r\n", true},
        {"01 02 03", "04 05 06 x\r\n01 02 03 07\r\n", true},
        {"01 02 04 第100期", "01 02 03 \r\n", false},
    };
    for (const Case& c : trailing) {
        const PrizeCheck check = checkPrize(c.draw, c.memo, 3);
        EXPECT_TRUE(check.error.empty()) << c.draw << " / " << check.error;
        EXPECT_EQ(check.won, c.won) << c.draw << " / " << c.memo;
    }
    // A bad token among the first k is still refused.
    EXPECT_FALSE(checkPrize("01 x 03 04", "01 02 03 \r\n", 3).error.empty());
}
