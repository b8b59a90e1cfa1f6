#pragma once
// Per-number statistics of the draws shown in the trend grid, and the omission value of every
// empty cell of the grid. Both work on the presence masks of the rows in force (bit x set when
// number x is among a draw's numbers; oldest draw first), so they follow whichever history the
// grid shows, standard or transformed.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/draw_types.h"

namespace pickora {

struct NumberStatistics {
    int appearances = 0;     // draws containing the number
    double meanOmission = 0; // (D - appearances) / (appearances + 1): the mean of the absences
                             // before, between and after the appearances
    int maxOmission = 0;     // longest run of draws without it, the current absence included
    int maxRun = 0;          // longest run of consecutive draws containing it
    int currentOmission = 0; // draws since it last appeared (D when it never did)
};

// The rows of the statistics strip, top to bottom.
enum class StatisticRow : int { Appearances, MeanOmission, MaxOmission, MaxRun, CurrentOmission };
inline constexpr int kStatisticRows = 5;
// "出现次数", "平均遗漏", "最大遗漏", "最大连出", "当前遗漏" (UTF-8).
std::string_view statisticCaption(StatisticRow row);
// The row's value as shown: whole numbers, the mean omission with one decimal ("%.1f").
std::string statisticText(const NumberStatistics& statistics, StatisticRow row);

// The presence masks of a history's rows (whichever mode they hold).
std::vector<std::uint32_t> presenceMasks(const DrawHistory& history);

// Statistics of numbers 1..totalNumbers (element 0 is number 1) over `presence`.
std::vector<NumberStatistics> numberStatistics(std::span<const std::uint32_t> presence,
                                               int totalNumbers);

// The omission of number x at draw d: how many draws, counting d itself, have passed since x last
// appeared before d (d + 1 when it never did); 0 where d contains x.
class CellOmissions {
public:
    CellOmissions() = default;
    CellOmissions(std::span<const std::uint32_t> presence, int totalNumbers);

    int drawCount() const { return drawCount_; }
    int totalNumbers() const { return totalNumbers_; }
    int at(int draw, int number) const
    {
        return values_[static_cast<std::size_t>(draw) * static_cast<std::size_t>(totalNumbers_)
                       + static_cast<std::size_t>(number - 1)];
    }

private:
    int drawCount_ = 0;
    int totalNumbers_ = 0;
    std::vector<std::int32_t> values_; // draw-major, number 1 first
};

} // namespace pickora
