#include "analysis/interval_analysis.h"

#include <algorithm>
#include <cstdio>

namespace pickora {

std::string zoneHeading(int zone, int width, int totalNumbers)
{
    const int first = (zone - 1) * width + 1;
    if (first > totalNumbers)
        return "无号码";
    const int last = std::min(zone * width, totalNumbers);
    char text[32];
    std::snprintf(text, sizeof text, "%.2d-%.2d", first, last);
    return std::string(text) + "号码总数";
}

IntervalComputation computeIntervals(std::span<const Draw> draws, int totalNumbers, int pickCount,
                                     int zones)
{
    IntervalComputation out;
    out.zones = zones;
    out.width = zoneWidth(totalNumbers, zones);
    for (int z = 1; z <= zones; ++z)
        out.headings.push_back(zoneHeading(z, out.width, totalNumbers));
    out.rows.reserve(draws.size());
    for (const Draw& draw : draws) {
        IntervalRow row;
        row.issueText = std::to_string(draw.issue);
        row.counts.assign(static_cast<std::size_t>(zones), 0);
        for (int j = 0; j < pickCount; ++j) {
            const int x = draw.numbers[static_cast<std::size_t>(j)];
            char text[8];
            std::snprintf(text, sizeof text, "%.2d ", x);
            row.numbersText += text;
            ++row.counts[static_cast<std::size_t>(zoneOf(x, out.width) - 1)];
        }
        out.rows.push_back(std::move(row));
    }
    return out;
}

} // namespace pickora
