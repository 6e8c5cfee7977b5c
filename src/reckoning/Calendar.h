#pragma once
// The calendar state: the current day in the three year styles, the year range, the values of
// the Paschalion for the current year, and the one save area the report walks use.

#include <array>
#include <cstdint>
#include <functional>

#include "reckoning/CalendarHost.h"
#include "reckoning/StyleDate.h"

namespace veltrin {

struct CivilDate {
    int day = 1;
    int month = 1;
    int year = 2000;
};

// Today's Gregorian date from the system clock.
CivilDate SystemToday();

struct PaschaBlock {
    int16_t PaschaYear = 0;
    int32_t PaschaDay = 0;
    int32_t PrevPaschaDay = 0;
    int16_t PaschaWeek = 0;
    int16_t YearStartPentWeek = 0;
    int16_t YearEndPentWeek = 0;
};

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

    // Paschalion of the current year (PaschaYear, PaschaDay, PrevPaschaDay, PaschaWeek,
    // YearStartPentWeek, YearEndPentWeek).
    PaschaBlock Pascha;

    std::array<StyleDate, 4> SavedStyleDates;
    PaschaBlock SavedPaschaBlock;
    int32_t SavedDayNum = 0;
    int16_t SavedWeekday = 0;

    CalendarHost* host = &noHost;
    std::function<CivilDate()> today = SystemToday;

    StyleDate& Cur() { return StyleDates[CurStyle]; }
    const StyleDate& Cur() const { return StyleDates[CurStyle]; }

  private:
    static CalendarHost noHost;
};

// The year range in Anno Domini years; derives the three styles' years and day bounds.
void SetYearRange(Calendar& c, int minYear, int maxYear);

void SaveCalendarState(Calendar& c);
void RestoreCalendarState(Calendar& c);

}  // namespace veltrin
