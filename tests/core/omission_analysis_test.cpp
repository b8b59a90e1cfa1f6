#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "analysis/omission_analysis.h"

using namespace pickora;

namespace {

// D draws of 11选5 (k = 3) holding the filler numbers 9, 10, 11, except that each listed number
// takes a filler's place in the draws it is listed for (counted in draws before the newest:
// 0 is the newest draw).
std::vector<Draw> history(int drawCount,
                          std::initializer_list<std::pair<int, std::vector<int>>> hits)
{
    std::vector<Draw> draws(static_cast<std::size_t>(drawCount));
    for (Draw& d : draws)
        d.numbers = {9, 10, 11, 0, 0};
    std::vector<int> used(draws.size(), 0);
    for (const auto& [number, ago] : hits)
        for (const int a : ago) {
            const auto i = static_cast<std::size_t>(drawCount - 1 - a);
            draws[i].numbers[static_cast<std::size_t>(used[i]++)] = number;
        }
    return draws;
}

// Draws of two numbers, given newest first.
std::vector<Draw> pairsNewestFirst(std::initializer_list<std::pair<int, int>> pairs)
{
    std::vector<Draw> draws;
    for (const auto& [a, b] : pairs)
        draws.insert(draws.begin(), Draw{0, {a, b, 0, 0, 0}});
    return draws;
}

const OmissionRow& rowOf(const std::vector<OmissionRow>& rows, int number)
{
    for (const OmissionRow& r : rows)
        if (r.number == number)
            return r;
    throw std::out_of_range("no row for the number");
}

std::vector<int> numbersInOrder(const std::vector<OmissionRow>& rows)
{
    std::vector<int> numbers;
    for (const OmissionRow& r : rows)
        numbers.push_back(r.number);
    return numbers;
}

using Texts = std::array<std::string, kOmissionColumns>;

} // namespace

TEST(OmissionHeaders, OnlyColumnFiveDiffersBetweenTheWindows)
{
    const auto skew = omissionHeaders(OmissionVariant::Skew);
    const auto rebound = omissionHeaders(OmissionVariant::Rebound);
    const std::array<std::string_view, kOmissionColumns> expected = {
        "待选号码",     "理论周期", "理论中奖总次数", "实际总奖总次数",
        "历史最大遗漏", "目前遗漏", "目前冷态倍数",   "追号价值"};
    EXPECT_EQ(skew, expected);
    auto expectedRebound = expected;
    expectedRebound[5] = "前次遗漏";
    EXPECT_EQ(rebound, expectedRebound);
    EXPECT_EQ(omissionCaption(OmissionVariant::Skew), "中奖偏态分析选号");
    EXPECT_EQ(omissionCaption(OmissionVariant::Rebound), "中奖回补分析选号");
}

TEST(ChaseValue, IntegerQuotientWithoutOverflow)
{
    struct Case {
        int D, N, k, B, h;
        std::int64_t expected;
    };
    for (const Case& c : {
             // 100·3·3·8·100 = 720000, 11·11·30 = 3630: 198.3 truncated
             Case{100, 11, 3, 8, 30, 198},
             Case{100, 11, 3, 0, 30, 0},
             // never drawn: shown as 0 instead of dividing by zero
             Case{100, 11, 3, 0, 0, 0},
             Case{100, 11, 3, 8, 0, 0},
             // 3000·9·795·100 = 2 146 500 000 still fits below 2^31
             Case{3000, 11, 3, 795, 1, 17739669},
             // 3000·9·800·100 = 2 160 000 000 passes 2^31 and must not wrap
             Case{3000, 11, 3, 800, 1, 17851239},
         }) {
        EXPECT_EQ(chaseValue(c.D, c.N, c.k, c.B, c.h), c.expected)
            << "D " << c.D << " B " << c.B << " h " << c.h;
    }
}

TEST(SkewOmission, RowTextsOfTheWorkedExamples)
{
    // Number 1: 30 hits, the newest of them 8 draws ago, then one every draw (8, 9, ..., 37).
    std::vector<int> thirty;
    for (int a = 8; a < 38; ++a)
        thirty.push_back(a);
    // Number 2 in the newest draw; number 3 with gaps 2, 3, 15, 1 and 78 unmeasured draws before
    // its oldest hit; number 4 never drawn.
    const auto draws = history(100, {{1, thirty}, {2, {0, 40}}, {3, {2, 5, 20, 21}}});
    const auto rows = computeOmission(draws, 11, 3, OmissionVariant::Skew, SortMode::None);
    ASSERT_EQ(rows.size(), 11U);
    EXPECT_EQ(numbersInOrder(rows), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));

    // Columns 1 and 2: 11 / 3 = 3.67 and 100·3 / 11 = 27.27.
    EXPECT_EQ(rows[0].texts, (Texts{"01", "3.7", "27.3", "30", "8", "8", "2.2", "198%"}));
    EXPECT_EQ(rows[1].texts, (Texts{"02", "3.7", "27.3", "2", "40", "0", "0.0", "0%"}));
    // B = 2: 2·3 / 11 = 0.55; chase 100·9·2·100 div (121·4) = 180000 div 484 = 371.
    EXPECT_EQ(rows[2].texts, (Texts{"03", "3.7", "27.3", "4", "15", "2", "0.5", "371%"}));
    EXPECT_EQ(rows[3].texts, (Texts{"04", "3.7", "27.3", "0", "0", "0", "0", "0%"}));
    EXPECT_FALSE(rows[3].omissionSet);
    EXPECT_EQ(rows[0].hits, 30);
    EXPECT_EQ(rows[0].omission, 8);
    EXPECT_EQ(rows[0].chaseValue, 198);
    EXPECT_EQ(rows[2].largestGap, 15);
}

TEST(SkewOmission, EmptyHistoryLeavesTheCountsAtZero)
{
    const auto rows = computeOmission({}, 11, 3, OmissionVariant::Skew, SortMode::ChaseValue);
    ASSERT_EQ(rows.size(), 11U);
    EXPECT_EQ(rows[10].texts, (Texts{"11", "3.7", "0.0", "0", "0", "0", "0", "0%"}));
}

TEST(ReboundOmission, LongGapOfTheThirdOrFourthHit)
{
    // With c = 11 / 3 the bounds are g1 <= 5.5, g2 <= 3.67, g3 <= 3.67 and the long gap >= 11.
    struct Case {
        const char* what;
        std::vector<int> ago; // draws before the newest holding the number
        Texts expected;       // row texts over a history of 40 draws
    };
    const std::vector<Case> cases = {
        // gaps 1, 2, 12: 40·9·12·100 div (121·3) = 432000 div 363 = 1190; 12·3 / 11 = 3.27
        {"third hit", {1, 3, 15}, {"01", "3.7", "10.9", "3", "12", "12", "3.3", "1190%"}},
        // gaps 5, 3, 11 sit on the bounds: 40·9·11·100 div 363 = 1090
        {"bounds inclusive", {5, 8, 19}, {"01", "3.7", "10.9", "3", "11", "11", "3.0", "1090%"}},
        // gaps 0, 2, 3, 12: 40·9·12·100 div (121·4) = 432000 div 484 = 892
        {"fourth hit", {0, 2, 5, 17}, {"01", "3.7", "10.9", "4", "12", "12", "3.3", "892%"}},
        // a later long gap does not replace the third hit's
        {"third hit wins",
         {1, 3, 15, 18, 35},
         {"01", "3.7", "10.9", "5", "17", "12", "3.3", "714%"}},
        {"came back too late", {6, 8, 20}, {"01", "3.7", "10.9", "3", "12", "0", "0", "0%"}},
        {"second gap too long", {1, 5, 16}, {"01", "3.7", "10.9", "3", "11", "0", "0", "0%"}},
        {"absence too short", {1, 3, 13}, {"01", "3.7", "10.9", "3", "10", "0", "0", "0%"}},
        {"third gap neither short nor long",
         {0, 2, 7, 20},
         {"01", "3.7", "10.9", "4", "13", "0", "0", "0%"}},
        {"only the first four hits count",
         {0, 1, 2, 3, 20},
         {"01", "3.7", "10.9", "5", "17", "0", "0", "0%"}},
        {"two hits", {0, 30}, {"01", "3.7", "10.9", "2", "30", "0", "0", "0%"}},
        {"never drawn", {}, {"01", "3.7", "10.9", "0", "0", "0", "0", "0%"}},
    };
    for (const Case& c : cases) {
        const auto draws = history(40, {{1, c.ago}});
        const auto rows = computeOmission(draws, 11, 3, OmissionVariant::Rebound, SortMode::None);
        EXPECT_EQ(rows[0].texts, c.expected) << c.what;
    }
}

TEST(ReboundOmission, SkewOfTheSameHistoryKeysOnTheCurrentOmission)
{
    const auto draws = history(40, {{1, {1, 3, 15}}});
    const auto skew = computeOmission(draws, 11, 3, OmissionVariant::Skew, SortMode::None);
    const auto rebound = computeOmission(draws, 11, 3, OmissionVariant::Rebound, SortMode::None);
    EXPECT_EQ(skew[0].omission, 1);
    EXPECT_EQ(rebound[0].omission, 12);
    // Everything but B and what follows from it is shared.
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(skew[0].texts[column], rebound[0].texts[column]) << column;
}

// N = 6, k = 2, eight draws (newest first) giving
//   number:         1   2   3   4   5   6
//   hits:           5   3   3   3   2   0
//   current omission 2  0   1   0   1   -
//   chase value:   35   0  29   0  44   0    (8·2·2·B·100 div (6·6·h))
TEST(OmissionSort, ExchangeOrderOfEachModeWithTies)
{
    const auto draws =
        pairsNewestFirst({{2, 4}, {3, 5}, {1, 2}, {3, 4}, {1, 5}, {1, 2}, {1, 4}, {1, 3}});
    const auto numberOrder = computeOmission(draws, 6, 2, OmissionVariant::Skew, SortMode::None);
    const std::vector<int> chase = {35, 0, 29, 0, 44, 0};
    const std::vector<int> hits = {5, 3, 3, 3, 2, 0};
    for (int s = 1; s <= 6; ++s) {
        EXPECT_EQ(numberOrder[s - 1].chaseValue, chase[s - 1]) << s;
        EXPECT_EQ(numberOrder[s - 1].hits, hits[s - 1]) << s;
    }

    struct Case {
        SortMode mode;
        std::vector<int> order;
    };
    // The exchanges leave tied rows out of number order: 4 before 2 (chase 0, omission 0) and
    // 4, 2, 3 for three hits each.
    for (const Case& c :
         {Case{SortMode::None, {1, 2, 3, 4, 5, 6}}, Case{SortMode::ChaseValue, {5, 1, 3, 4, 2, 6}},
          Case{SortMode::Omission, {1, 3, 5, 4, 2, 6}},
          Case{SortMode::TotalHits, {6, 5, 4, 2, 3, 1}}}) {
        const auto rows = computeOmission(draws, 6, 2, OmissionVariant::Skew, c.mode);
        EXPECT_EQ(numbersInOrder(rows), c.order) << static_cast<int>(c.mode);
        // Whole rows move: every row keeps its own texts.
        for (const OmissionRow& r : rows)
            EXPECT_EQ(r.texts, rowOf(numberOrder, r.number).texts) << r.number;
    }
}

TEST(OmissionSort, ComparesNumbersNotTexts)
{
    // Omissions 12 and 8: as texts "12" would sort below "8".
    const auto draws = history(30, {{1, {8, 20}}, {2, {12, 25}}});
    const auto rows = computeOmission(draws, 11, 3, OmissionVariant::Skew, SortMode::Omission);
    EXPECT_EQ(rows[0].number, 2);
    EXPECT_EQ(rows[1].number, 1);
}
