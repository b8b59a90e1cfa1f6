#pragma once
// The investment mode's bet lists: three-digit bets of four play types, their random generation,
// matching them with the draws, the gap between wins for every draw and the interval statistics
// of those gaps.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/draw_types.h"

namespace pickora {

class RandomSource;

// The digits of one bet (each 0..9), first position first.
inline constexpr int kBetDigits = 3;
using Bet = std::array<int, kBetDigits>;

enum class PlayType : int { Direct = 0, AnyGroup = 1, Group3 = 2, Group6 = 3 };
inline constexpr int kPlayTypeCount = 4;

// "直选", "全组选", "组选3", "组选6" (UTF-8).
std::string_view playTypeCaption(PlayType type);
// The largest list the generator can make: every acceptable bet once.
int maxBetCount(PlayType type);
// The refusal of a count outside 1..maxBetCount, e.g. "请请输入1到1000的直选注数！".
std::string_view betCountMessage(PlayType type);
// Empty when `count` can be generated, otherwise the play type's message.
std::string checkInvestBetCount(PlayType type, std::int64_t count);

// d1 * 100 + d2 * 10 + d3: the order of a sorted list.
inline int betValue(const Bet& bet) { return bet[0] * 100 + bet[1] * 10 + bet[2]; }
// "027"
std::string betText(const Bet& bet);

// Whether the generator may produce `bet` for the play type: any digits for 直选; for the group
// types non-decreasing digits with fewer than 3 (全组选), exactly 1 (组选3) or no (组选6) equal
// pairs among the position pairs.
bool isAcceptableBet(PlayType type, const Bet& bet);
// Every acceptable bet, ascending by value.
std::vector<Bet> acceptableBets(PlayType type);
// `count` distinct acceptable bets chosen uniformly at random (every subset of that size equally
// likely), sorted by value. The count must lie in 1..maxBetCount.
std::vector<Bet> generateBets(PlayType type, int count, RandomSource& random);

// 直选: every position equal; the group types: the draw's first three numbers and the digits are
// equal as multisets. Numbers above 9 never match.
bool betMatches(PlayType type, const Bet& bet, const Draw& draw);

// One entry per draw, oldest first: the issue and the gap, 0 for a hit, otherwise the draws since
// the latest earlier hit (counting from just before the first draw: 1, 2, 3 ... before any hit).
struct HitGapTable {
    std::vector<std::int32_t> issues;
    std::vector<int> gaps;

    int size() const { return static_cast<int>(gaps.size()); }
    bool empty() const { return gaps.empty(); }
    bool isHit(int index) const { return gaps[static_cast<std::size_t>(index)] == 0; }
};

HitGapTable hitGapTable(PlayType type, const std::vector<Bet>& bets,
                        const std::vector<Draw>& draws);
// The same from a plain hit flag per draw (tests and benchmarks).
HitGapTable hitGapTableFromHits(const std::vector<bool>& hits,
                                const std::vector<std::int32_t>& issues = {});

struct IntervalStatRow {
    int interval = 0; // m
    int length = 0;   // L
    int count = 0;
    friend bool operator==(const IntervalStatRow&, const IntervalStatRow&) = default;
};

// The distances between successive hits (the first from just before the first draw), and, when
// the newest draw is no hit, the open stretch after the last one (draws − last hit index + 1).
// Empty when nothing was hit.
std::vector<int> hitDistances(const HitGapTable& table);

// For every interval m = 1 .. (largest gap + 1) and run length L, how many maximal runs of exactly
// L successive distances are all at least m, a run reaching the last distance not counted. Rows
// with a count, ordered by m then L. Empty when nothing was hit.
std::vector<IntervalStatRow> intervalStats(const HitGapTable& table);

} // namespace pickora
