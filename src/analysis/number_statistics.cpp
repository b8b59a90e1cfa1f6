#include "analysis/number_statistics.h"

#include <algorithm>
#include <cstdio>

namespace pickora {

std::string_view statisticCaption(StatisticRow row)
{
    switch (row) {
    case StatisticRow::Appearances: return "出现次数";
    case StatisticRow::MeanOmission: return "平均遗漏";
    case StatisticRow::MaxOmission: return "最大遗漏";
    case StatisticRow::MaxRun: return "最大连出";
    case StatisticRow::CurrentOmission: return "当前遗漏";
    }
    return {};
}

std::string statisticText(const NumberStatistics& statistics, StatisticRow row)
{
    switch (row) {
    case StatisticRow::Appearances: return std::to_string(statistics.appearances);
    case StatisticRow::MeanOmission: {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", statistics.meanOmission);
        return text;
    }
    case StatisticRow::MaxOmission: return std::to_string(statistics.maxOmission);
    case StatisticRow::MaxRun: return std::to_string(statistics.maxRun);
    case StatisticRow::CurrentOmission: return std::to_string(statistics.currentOmission);
    }
    return {};
}

std::vector<std::uint32_t> presenceMasks(const DrawHistory& history)
{
    std::vector<std::uint32_t> masks;
    masks.reserve(history.rows.size());
    for (const TrendRow& row : history.rows)
        masks.push_back(row.presence);
    return masks;
}

std::vector<NumberStatistics> numberStatistics(std::span<const std::uint32_t> presence,
                                               int totalNumbers)
{
    std::vector<NumberStatistics> result(static_cast<std::size_t>(std::max(totalNumbers, 0)));
    const int draws = static_cast<int>(presence.size());
    for (int x = 1; x <= totalNumbers; ++x) {
        NumberStatistics& s = result[static_cast<std::size_t>(x - 1)];
        int absence = 0; // the run of draws without x that the walk is in
        int run = 0;     // the run of draws with x
        for (const std::uint32_t mask : presence) {
            if ((mask >> x) & 1U) {
                ++s.appearances;
                absence = 0;
                s.maxRun = std::max(s.maxRun, ++run);
            } else {
                run = 0;
                s.maxOmission = std::max(s.maxOmission, ++absence);
            }
        }
        s.currentOmission = absence;
        s.meanOmission = static_cast<double>(draws - s.appearances) / (s.appearances + 1);
    }
    return result;
}

CellOmissions::CellOmissions(std::span<const std::uint32_t> presence, int totalNumbers)
    : drawCount_(static_cast<int>(presence.size())), totalNumbers_(std::max(totalNumbers, 0))
{
    values_.resize(static_cast<std::size_t>(drawCount_) * static_cast<std::size_t>(totalNumbers_));
    // The running absence of every number; one pass over the draws.
    std::vector<std::int32_t> absence(static_cast<std::size_t>(totalNumbers_), 0);
    std::size_t cell = 0;
    for (const std::uint32_t mask : presence) {
        for (int x = 1; x <= totalNumbers_; ++x, ++cell) {
            std::int32_t& a = absence[static_cast<std::size_t>(x - 1)];
            a = ((mask >> x) & 1U) ? 0 : a + 1;
            values_[cell] = a;
        }
    }
}

} // namespace pickora
