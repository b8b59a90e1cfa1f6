#pragma once
// Synthetic draws for the demo program folder: uniform draws of five distinct numbers 1..11,
// with issues yymmddnn numbered through each day.

#include <cstdint>
#include <vector>

#include "store/draw_types.h"

namespace pickora {

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

CalendarDate previousDay(CalendarDate date);
CalendarDate nextDay(CalendarDate date);

// `count` draws ending with the last draw of `lastDay`, `drawsPerDay` a day, oldest first.
std::vector<StoredDraw> makeDemoDraws(int count, int drawsPerDay, CalendarDate lastDay,
                                      std::uint32_t seed);

} // namespace pickora
