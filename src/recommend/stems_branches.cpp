#include "recommend/stems_branches.h"

#include <cstdio>

namespace pickora {

namespace {

using namespace std::chrono;

constexpr std::array<std::string_view, 10> kStems = {"甲", "乙", "丙", "丁", "戊",
                                                     "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> kBranches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                        "午", "末", "申", "酉", "戍", "亥"};
// Group 1 … 5 of each stem and branch.
constexpr std::array<int, 10> kStemGroups = {3, 3, 2, 2, 5, 5, 4, 4, 1, 1};
constexpr std::array<int, 12> kBranchGroups = {1, 5, 3, 3, 5, 2, 2, 5, 4, 4, 5, 1};
// Per group 1 … 5 (index 0 unused): its two digits and A, B, C.
constexpr std::array<std::array<int, 2>, 6> kDigits = {{{0, 0}, {1, 6}, {2, 7}, {3, 8}, {4, 9}, {5, 0}}};
constexpr std::array<int, 6> kGenerates = {0, 3, 5, 2, 1, 4};
constexpr std::array<int, 6> kGeneratedFrom = {0, 4, 3, 1, 5, 2};
constexpr std::array<int, 6> kOvercomes = {0, 2, 4, 5, 3, 1};

constexpr year_month_day kBaseDate{year{2001}, month{5}, day{1}};

int groupIndex(int group) { return group >= 1 && group <= 5 ? group : 0; }

void setGroup(DigitPattern& pattern, int group, bool on)
{
    for (const int digit : kDigits[static_cast<std::size_t>(groupIndex(group))])
        pattern[static_cast<std::size_t>(digit)] = on;
}

// A run of 1 … `maxDigits` decimal digits at `pos`; moves past it.
std::optional<unsigned> readNumber(std::string_view text, std::size_t& pos, std::size_t maxDigits)
{
    unsigned value = 0;
    std::size_t digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (++digits > maxDigits)
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(text[pos] - '0');
        ++pos;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<Date> parseDate(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::size_t pos = 0;
    const std::optional<unsigned> y = readNumber(text, pos, 4);
    if (!y || pos >= text.size() || text[pos++] != '-')
        return std::nullopt;
    const std::optional<unsigned> m = readNumber(text, pos, 2);
    if (!m || pos >= text.size() || text[pos++] != '-')
        return std::nullopt;
    const std::optional<unsigned> d = readNumber(text, pos, 2);
    if (!d || pos != text.size())
        return std::nullopt;
    const Date date{year{static_cast<int>(*y)}, month{*m}, day{*d}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::string dateText(const Date& date)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4d-%.2d-%.2d", static_cast<int>(date.year()),
                  static_cast<int>(static_cast<unsigned>(date.month())),
                  static_cast<int>(static_cast<unsigned>(date.day())));
    return buffer;
}

std::optional<StemBranch> stemBranchOf(const Date& date)
{
    if (!date.ok())
        return std::nullopt;
    const long long d = (sys_days(date) - sys_days(kBaseDate)).count() + kDayNumberOffset;
    if (d < 0)
        return std::nullopt;
    return StemBranch{static_cast<int>(d % 10), static_cast<int>(d % 12)};
}

std::string_view stemName(int stem) { return kStems.at(static_cast<std::size_t>(stem)); }
std::string_view branchName(int branch) { return kBranches.at(static_cast<std::size_t>(branch)); }

std::optional<int> stemIndex(std::string_view name)
{
    for (std::size_t i = 0; i < kStems.size(); ++i)
        if (kStems[i] == name)
            return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> branchIndex(std::string_view name)
{
    for (std::size_t i = 0; i < kBranches.size(); ++i)
        if (kBranches[i] == name)
            return static_cast<int>(i);
    return std::nullopt;
}

int stemGroup(int stem) { return kStemGroups.at(static_cast<std::size_t>(stem)); }
int branchGroup(int branch) { return kBranchGroups.at(static_cast<std::size_t>(branch)); }
int generatedBy(int group) { return kGenerates.at(static_cast<std::size_t>(groupIndex(group))); }
int generating(int group) { return kGeneratedFrom.at(static_cast<std::size_t>(groupIndex(group))); }
int overcomeBy(int group) { return kOvercomes.at(static_cast<std::size_t>(groupIndex(group))); }

DigitPattern digitPattern(int stem, int branch, bool additional)
{
    const int s = stemGroup(stem);
    const int b = branchGroup(branch);
    DigitPattern pattern{};
    if (stemName(stem) == "癸" || branchName(branch) == "亥") {
        setGroup(pattern, s, true);
        setGroup(pattern, b, true);
        pattern[3] = true;
        pattern[8] = true;
    } else if (s != b) {
        pattern.fill(true);
        setGroup(pattern, s, false);
        setGroup(pattern, b, false);
    } else {
        setGroup(pattern, b, true);
        setGroup(pattern, generatedBy(b), true);
        setGroup(pattern, overcomeBy(b), true);
    }
    if (additional) {
        setGroup(pattern, generatedBy(b), false);
        setGroup(pattern, generating(b), false);
    }
    return pattern;
}

std::vector<int> patternNumbers(const DigitPattern& pattern, int totalNumbers)
{
    std::vector<int> numbers;
    for (int n = 1; n <= totalNumbers; ++n)
        if (pattern[static_cast<std::size_t>(n % 10)])
            numbers.push_back(n);
    return numbers;
}

Date nextDrawDate(const Date& newest, std::string_view lotteryName)
{
    const sys_days day = sys_days(newest);
    if (lotteryName != kThreeDaysAWeekLottery)
        return Date(day + days{1});
    // Monday, Wednesday and Friday draws.
    static constexpr std::array<int, 7> kStep = {1, 2, 1, 2, 1, 3, 2}; // Sunday … Saturday
    return Date(day + days{kStep[weekday(day).c_encoding()]});
}

std::optional<Date> targetDate(std::span<const std::string> dates, int target,
                               std::string_view lotteryName)
{
    if (target < 0 || dates.empty() || static_cast<std::size_t>(target) > dates.size())
        return std::nullopt;
    if (static_cast<std::size_t>(target) < dates.size())
        return parseDate(dates[static_cast<std::size_t>(target)]);
    const std::optional<Date> newest = parseDate(dates.back());
    if (!newest)
        return std::nullopt;
    return nextDrawDate(*newest, lotteryName);
}

Backtest stemsBranchesBacktest(std::span<const Draw> draws, std::span<const std::string> dates,
                               int totalNumbers, int pickCount, bool additional)
{
    return runBacktest(RecommendMethod::StemsBranches, draws, pickCount, 0,
                       [&](int row) -> std::optional<std::vector<int>> {
                           if (static_cast<std::size_t>(row) >= dates.size())
                               return std::nullopt;
                           const std::optional<Date> date = parseDate(dates[static_cast<std::size_t>(row)]);
                           if (!date)
                               return std::nullopt;
                           const std::optional<StemBranch> sb = stemBranchOf(*date);
                           if (!sb)
                               return std::nullopt;
                           return patternNumbers(digitPattern(sb->stem, sb->branch, additional),
                                                 totalNumbers);
                       });
}

} // namespace pickora
