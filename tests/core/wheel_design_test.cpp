#include <gtest/gtest.h>

#include <bit>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "recommend/wheel_bets.h"
#include "recommend/wheel_design.h"

using namespace pickora;
namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<WheelBet> bets(std::initializer_list<std::initializer_list<int>> lists)
{
    std::vector<WheelBet> all;
    for (const auto& positions : lists) {
        WheelBet bet = 0;
        for (const int p : positions)
            bet = static_cast<WheelBet>(bet | (1U << (p - 1)));
        all.push_back(bet);
    }
    return all;
}

// The Fano plane: seven triples on seven points, every pair in exactly one.
const std::vector<WheelBet> kFano =
    bets({{1, 2, 3}, {1, 4, 5}, {1, 6, 7}, {2, 4, 6}, {2, 5, 7}, {3, 4, 7}, {3, 5, 6}});

} // namespace

TEST(WheelCatalogue, EveryShippedFileKeepsItsPromise)
{
    const fs::path folder = fs::path(PICKORA_WHEELS);
    const std::vector<WheelParams> catalogue = wheelCatalogue();
    EXPECT_EQ(catalogue.size(), 924U);
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names.size(), catalogue.size());

    for (const WheelParams& p : catalogue) {
        const std::string name = wheelFileName(p);
        SCOPED_TRACE(name);
        ASSERT_TRUE(names.count(name));
        const ParsedWheel parsed = parseWheelFile(readFile(folder / name), p);
        ASSERT_EQ(parsed.error, "");
        const WheelCheck check = verifyWheel(p, parsed.bets);
        EXPECT_TRUE(check.ok) << check.problem;
        EXPECT_EQ(check.subsetsChecked, binomial(p.base, p.drawn));
        // Smaller than a lower bound would mean the bound or the check is wrong.
        EXPECT_GE(static_cast<int>(parsed.bets.size()), wheelLowerBound(p));
    }
}

TEST(WheelCatalogue, ReachesTheSmallestKnownSizes)
{
    struct Case {
        WheelParams p;
        std::size_t atMost;
    };
    // C(10,6,5), C(11,5,4) (the Steiner system S(4,5,11)), C(10,3,2), C(11,3,2), C(10,5,4), and
    // the default wheel 选六型10码中6保5.
    for (const Case& c : {Case{{10, 6, 5, 5}, 50}, Case{{11, 5, 4, 4}, 66}, Case{{10, 3, 2, 2}, 17},
                          Case{{11, 3, 2, 2}, 19}, Case{{10, 5, 4, 4}, 51}, Case{{10, 6, 6, 5}, 14}}) {
        const std::string name = wheelFileName(c.p);
        const ParsedWheel parsed = parseWheelFile(readFile(fs::path(PICKORA_WHEELS) / name), c.p);
        EXPECT_LE(parsed.bets.size(), c.atMost) << name;
        EXPECT_FALSE(parsed.bets.empty()) << name;
    }
}

TEST(WheelCheck, FindsTheDrawnSetNoBetServes)
{
    EXPECT_TRUE(verifyWheel({7, 3, 2, 2}, kFano).ok);
    // Without {3, 5, 6} the pairs 35, 36 and 56 are served by no triple; 35 comes first.
    std::vector<WheelBet> six(kFano.begin(), kFano.end() - 1);
    const WheelCheck missing = verifyWheel({7, 3, 2, 2}, six);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.uncovered, bets({{3, 5}})[0]);
    for (const WheelBet bet : six)
        EXPECT_LT(std::popcount(static_cast<unsigned>(bet & missing.uncovered)), 2);
    // Drawn 3 5 6 meets every other triple in one number; any four drawn hold a pair of another.
    EXPECT_FALSE(verifyWheel({7, 3, 3, 2}, six).ok);
    EXPECT_TRUE(verifyWheel({7, 3, 4, 2}, six).ok);

    struct Case {
        WheelParams p;
        std::vector<WheelBet> bets;
        bool ok;
    };
    for (const Case& c : {
             Case{{5, 4, 4, 3}, bets({{1, 2, 3, 4}}), true},     // 4 of 5 drawn: 3 always in it
             Case{{5, 4, 3, 3}, bets({{1, 2, 3, 4}}), false},    // 1 5 x misses it
             Case{{7, 3, 2, 2}, bets({{1, 2, 3, 4}}), false},    // a bet of four numbers
             Case{{7, 3, 2, 2}, bets({{1, 2, 8}}), false},       // a position beyond b
             Case{{11, 3, 4, 1}, bets({{1, 2, 3}, {4, 5, 6}}), false}, // 7 8 9 10 avoids both
             Case{{11, 3, 4, 1}, bets({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}), true},
             Case{{11, 3, 3, 1}, bets({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}), true},
         }) {
        EXPECT_EQ(verifyWheel(c.p, c.bets).ok, c.ok)
            << c.p.base << c.p.pick << c.p.drawn << c.p.guaranteed;
    }
}

TEST(WheelBounds, CountingSchoenheimTuranAndPlainCases)
{
    // L(10,6,6,5): 210 six-sets, one bet serves C(6,5)·4 + 1 = 25 of them.
    EXPECT_EQ(countingBound({10, 6, 6, 5}), 9);
    // C(10,3,2): 45 pairs, 3 per triple.
    EXPECT_EQ(countingBound({10, 3, 2, 2}), 15);
    EXPECT_EQ(schoenheimBound(10, 3, 2), 17);   // ⌈10/3 · ⌈9/2⌉⌉
    EXPECT_EQ(schoenheimBound(10, 6, 5), 44);   // ⌈10/6 · 26⌉, 26 = ⌈9/5 · 14⌉
    EXPECT_EQ(schoenheimBound(11, 5, 4), 66);   // met by S(4,5,11)
    EXPECT_EQ(wheelLowerBound({11, 2, 3, 2}), 25); // Turán: cliques of 6 and 5 numbers
    EXPECT_EQ(wheelLowerBound({11, 3, 4, 1}), 3);  // the bets must reach 8 numbers
    EXPECT_EQ(wheelLowerBound({11, 2, 4, 2}), 15); // cliques of 4, 4 and 3 numbers
}

TEST(WheelFiles, NamesAndStrictFormat)
{
    EXPECT_EQ(wheelFileName({10, 6, 6, 5}), "选六型10码中6保5.txt");
    EXPECT_EQ(wheelFileName({9, 5, 5, 4}), "选五型09码中5保4.txt");
    for (const WheelParams& p : wheelCatalogue())
        EXPECT_EQ(parseWheelFileName(wheelFileName(p)), p);
    for (const char* name : {"选六型9码中6保5.txt", "选6型10码中6保5.txt", "选六型10码中6保5.TXT",
                             "选六型10码中6保5投注号码.txt"})
        EXPECT_FALSE(parseWheelFileName(name)) << name;

    EXPECT_EQ(wheelFileText(bets({{1, 2, 3}, {2, 10, 11}})), "1 2 3\r\n2 10 11\r\n");
    struct Case {
        const char* text;
        bool ok;
    };
    for (const Case& c : {Case{"1 2 3\r\n4 10 11\r\n", true}, Case{"1 2 3\n", false},
                          Case{"1 3 2\r\n", false}, Case{"1  2 3\r\n", false},
                          Case{"1 2 12\r\n", false}, Case{"1 2\r\n", false}, Case{"", false},
                          Case{"1 2 3 \r\n", false}, Case{"1 2 x\r\n", false}}) {
        EXPECT_EQ(parseWheelFile(c.text, {11, 3, 2, 2}).error.empty(), c.ok) << c.text;
    }
}

TEST(WheelWindowLogic, MatrixLinesStopAtTextAndRefuseBadLines)
{
    const MatrixLines read = readMatrixLines("1 2 3\r\n , 2,3 4\r\n\t5 6 7\r\nend 1 2 3\r\n4 5 6\r\n", 7, 3);
    EXPECT_EQ(read.badLine, 0U);
    EXPECT_EQ(read.lines, (std::vector<std::vector<int>>{{1, 2, 3}, {2, 3, 4}, {5, 6, 7}}));
    EXPECT_EQ(readMatrixLines("1 2 3\r\n\r\n4 5 6\r\n", 7, 3).lines.size(), 1U);

    struct Case {
        const char* text;
        std::size_t badLine;
        const char* problem;
    };
    for (const Case& c : {Case{"1 2 3\r\n1 2 8\r\n", 2, "号码位置 8 不在 1 到 7 之间。"},
                          Case{"0 2 3\r\n", 1, "号码位置 0 不在 1 到 7 之间。"},
                          Case{"1 2 3 4\r\n", 1, "有 4 个号码位置，应为 3 个。"},
                          Case{"1 2\r\n", 1, "有 2 个号码位置，应为 3 个。"},
                          Case{"1 2 3\n4 x 6\n", 2, "“x”不是整数。"}}) {
        const MatrixLines bad = readMatrixLines(c.text, 7, 3);
        EXPECT_EQ(bad.badLine, c.badLine) << c.text;
        EXPECT_EQ(bad.problem, c.problem) << c.text;
        EXPECT_TRUE(bad.lines.empty());
    }
}

TEST(WheelWindowLogic, BetsTakeTheBoxNumbersAndBankersInAscendingOrder)
{
    const std::vector<std::vector<int>> lines = {{1, 2}, {2, 3}, {3, 1}};
    EXPECT_EQ(wheelBets(lines, {9, 3, 5}, {}),
              (std::vector<std::vector<int>>{{3, 9}, {3, 5}, {5, 9}}));
    EXPECT_EQ(wheelBets(lines, {9, 3, 5}, {11, 1}),
              (std::vector<std::vector<int>>{{1, 3, 9, 11}, {1, 3, 5, 11}, {1, 5, 9, 11}}));
    EXPECT_EQ(betListText({{"01", "03"}, {"02", "11"}}), "01 03 \r\n02 11 \r\n");
}

TEST(WheelWindowLogic, FileNamesOfBothKinds)
{
    struct Case {
        WheelSettings s;
        const char* matrix;
        const char* list;
    };
    for (const Case& c :
         {Case{{WheelKind::Balanced, 6, 10, 0, 6, 5}, "选六型10码中6保5.txt", "选六型10码中6保5投注号码.txt"},
          Case{{WheelKind::Banker, 6, 9, 1, 6, 5}, "选五型09码中5保4.txt", "选六型1胆9拖中6保5投注号码.txt"},
          Case{{WheelKind::Banker, 5, 11, 2, 4, 3}, "选三型11码中2保1.txt", "选五型2胆11拖中4保3投注号码.txt"},
          Case{{WheelKind::Balanced, 7, 8, 2, 8, 7}, "选七型08码中8保7.txt", "选七型8码中8保7投注号码.txt"},
          Case{{WheelKind::Banker, 1, 9, 1, 6, 5}, "选型09码中5保4.txt", "选一型1胆9拖中6保5投注号码.txt"}}) {
        EXPECT_EQ(matrixFileName(c.s), c.matrix);
        EXPECT_EQ(betListFileName(c.s), c.list);
    }
}
