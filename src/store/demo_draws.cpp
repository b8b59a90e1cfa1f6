#include "store/demo_draws.h"

#include <algorithm>
#include <cstdio>

#include "store/random_source.h"

namespace pickora {

namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

} // namespace

CalendarDate previousDay(CalendarDate date)
{
    if (--date.day >= 1)
        return date;
    if (--date.month < 1) {
        date.month = 12;
        --date.year;
    }
    date.day = daysInMonth(date.year, date.month);
    return date;
}

CalendarDate nextDay(CalendarDate date)
{
    if (++date.day <= daysInMonth(date.year, date.month))
        return date;
    date.day = 1;
    if (++date.month > 12) {
        date.month = 1;
        ++date.year;
    }
    return date;
}

std::vector<StoredDraw> makeDemoDraws(int count, int drawsPerDay, CalendarDate lastDay,
                                      std::uint32_t seed)
{
    std::vector<StoredDraw> draws;
    if (count <= 0 || drawsPerDay <= 0)
        return draws;
    draws.reserve(static_cast<std::size_t>(count));
    SeededRandom random(seed);

    // The first day may be partly drawn so that the last day ends with its last draw.
    const int days = (count + drawsPerDay - 1) / drawsPerDay;
    CalendarDate day = lastDay;
    for (int d = 1; d < days; ++d)
        day = previousDay(day);
    int drawOfDay = days * drawsPerDay - count + 1;

    for (int i = 0; i < count; ++i) {
        if (drawOfDay > drawsPerDay) {
            day = nextDay(day);
            drawOfDay = 1;
        }
        StoredDraw draw;
        char issue[48];
        std::snprintf(issue, sizeof issue, "%02d%02d%02d%02d", day.year % 100, day.month, day.day,
                      drawOfDay);
        draw.issueText = issue;
        // Five distinct numbers in drawing order.
        int filled = 0;
        while (filled < kStoredNumbers) {
            const int n = random.uniform(1, 11);
            if (std::find(draw.numbers.begin(), draw.numbers.begin() + filled, n)
                == draw.numbers.begin() + filled)
                draw.numbers[filled++] = n;
        }
        draws.push_back(std::move(draw));
        ++drawOfDay;
    }
    return draws;
}

} // namespace pickora
