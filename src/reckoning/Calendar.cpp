#include "reckoning/Calendar.h"

#include <ctime>

#include "reckoning/DayNumbers.h"

namespace veltrin {

CalendarHost Calendar::noHost;

CivilDate SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    constexpr int kTmYearBase = 1900;
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + kTmYearBase};
}

Calendar::Calendar() {
    for (int s = kAnnoMundi; s <= kGregorian; ++s) {
        StyleDate& r = StyleDates[s];
        r.FebIndex = s == kAnnoMundi ? kAnnoMundiFebruary : 2;
        for (int m = 1; m <= 12; ++m)
            r.MonthDays[m] = static_cast<int16_t>(MonthLength(s, m, 1));  // a common year
    }
}

void SetYearRange(Calendar& c, int minYear, int maxYear) {
    c.MinYear[kJulian] = c.MinYear[kGregorian] = static_cast<int16_t>(minYear);
    c.MaxYear[kJulian] = c.MaxYear[kGregorian] = static_cast<int16_t>(maxYear);
    c.MinYear[kAnnoMundi] = static_cast<int16_t>(minYear + kAnnoMundiOffset);
    c.MaxYear[kAnnoMundi] = static_cast<int16_t>(maxYear + kAnnoMundiOffset);
    for (int s = kAnnoMundi; s <= kGregorian; ++s) {
        c.MinDay[s] = ComputeDayNumber(s, 1, 1, c.MinYear[s]);
        c.MaxDay[s] = ComputeDayNumber(s, 31, 12, c.MaxYear[s]);
    }
}

}  // namespace veltrin
