#pragma once
// "最优开奖干支选号": the day stem and day branch of a draw date, counted in a sixty-day cycle
// from 2001-5-1, fall into the five phases; a fixed rule on the two phases sets a pattern of
// last digits, and every number whose last digit is in it is recommended.

#include <array>
#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "recommend/backtest.h"
#include "store/draw_types.h"

namespace pickora {

using Date = std::chrono::year_month_day;

// A "year-month-day" text with "-" between the parts ("2001-5-1", "2026-12-09"); nothing when
// the text is not such a date.
std::optional<Date> parseDate(std::string_view text);
// "yyyy-mm-dd".
std::string dateText(const Date& date);

// The reckoning starts 600 days before the base date 2001-5-1, a "甲"/"子" day.
inline constexpr int kDayNumberOffset = 600;

struct StemBranch {
    int stem = 0;   // 0 … 9
    int branch = 0; // 0 … 11
};
// d = (date - 2001-5-1) + 600: the stem is d mod 10 and the branch d mod 12. Nothing for a date
// more than 600 days before the base (outside the reckoning).
std::optional<StemBranch> stemBranchOf(const Date& date);

// "甲" … "癸" and "子" … "亥" as the tables write them (the eighth branch "末", the eleventh "戍").
std::string_view stemName(int stem);
std::string_view branchName(int branch);
// The index of a stem or branch text, or nothing.
std::optional<int> stemIndex(std::string_view name);
std::optional<int> branchIndex(std::string_view name);

// The phase groups 1 … 5 (water, fire, wood, metal, earth) and their relations.
int stemGroup(int stem);
int branchGroup(int branch);
int generatedBy(int group);  // A(g): the group g generates
int generating(int group);   // B(g): the group that generates g
int overcomeBy(int group);   // C(g): the group g overcomes

using DigitPattern = std::array<bool, 10>; // one flag per last digit 0 … 9

// The pattern of a stem and a branch; `additional` is the "附加" setting.
DigitPattern digitPattern(int stem, int branch, bool additional);
// Every n = 1 … N whose last digit is flagged, ascending.
std::vector<int> patternNumbers(const DigitPattern& pattern, int totalNumbers);

// The lottery whose next draw falls on the next Monday, Wednesday or Friday.
inline constexpr std::string_view kThreeDaysAWeekLottery = "中国福彩七乐彩";
// The date of the period after one drawn on `newest`.
Date nextDrawDate(const Date& newest, std::string_view lotteryName);
// The date of target 0 … count: the stored date of draw T, or the next draw date after the
// newest one. Nothing when a needed date text cannot be read or the history is empty.
std::optional<Date> targetDate(std::span<const std::string> dates, int target,
                               std::string_view lotteryName);

// Every draw with a readable date in the reckoning is evaluated by its own date.
Backtest stemsBranchesBacktest(std::span<const Draw> draws, std::span<const std::string> dates,
                               int totalNumbers, int pickCount, bool additional);

} // namespace pickora
