#pragma once
// Day numbers (the Julian Day Number of the civil day) and the pure arithmetic on them.

#include <cstdint>

namespace veltrin {

// Day number of a date given in a year style (1 Anno Mundi, 2 Julian, 3 Gregorian).
int32_t ComputeDayNumber(int style, int day, int month, int year);

// 1 = Monday ... 7 = Sunday.
int16_t WeekdayOf(int32_t dayNumber);

// Count of weeks from startDay (whose weekday is startWeekday) to day; a week begins on Sunday.
int16_t WeekNumber(int32_t startDay, int startWeekday, int32_t day);

// Position 1..7 of a weekday within a week that begins on firstWeekday.
int16_t WeekdayPosition(int firstWeekday, int weekday);

bool IsLeapYear(int style, int year);

}  // namespace veltrin
