#pragma once
// The calendar state of the window's navigation: the current day in the three year styles, the
// year range, and the values of the Paschalion for the current year. Reports read it; only the
// moves of the user change it.

#include <array>
#include <cstdint>
#include <functional>

#include "reckoning/CalendarHost.h"
#include "reckoning/Dates.h"
#include "reckoning/Paschalion.h"
#include "reckoning/StyleDate.h"
#include "reckoning/YearRange.h"

namespace veltrin {

// Today's Gregorian date from the system clock.
CivilDate SystemToday();

struct Calendar {
    Calendar();

    int16_t CurStyle = kJulian;
    int32_t CurDayNum = 0;
    int16_t CurWeekday = 0;
    std::array<StyleDate, 4> StyleDates;  // 1..3; element 0 unused

    std::array<int16_t, 4> MinYear = {};
    std::array<int16_t, 4> MaxYear = {};
    std::array<int32_t, 4> MinDay = {};
    std::array<int32_t, 4> MaxDay = {};
    int32_t TargetDayNum = 0;

    // Paschalion of the current year of the current style.
    PaschaBlock Pascha;

    CalendarHost* host = &noHost;
    std::function<CivilDate()> today = SystemToday;

    StyleDate& Cur() { return StyleDates[CurStyle]; }
    const StyleDate& Cur() const { return StyleDates[CurStyle]; }
    YearRange Range() const { return {MinYear[kJulian], MaxYear[kJulian]}; }

  private:
    static CalendarHost noHost;
};

// The year range in Anno Domini years; derives the three styles' years and day bounds.
void SetYearRange(Calendar& c, int minYear, int maxYear);

}  // namespace veltrin
