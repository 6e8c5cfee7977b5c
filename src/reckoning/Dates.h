#pragma once
// Dates of a day number in the three year styles, as values: the arithmetic of the calendars
// without any state.

#include <cstdint>

#include "reckoning/StyleDate.h"

namespace veltrin {

// A day, month and year of one style (for the Anno Mundi style month 1 is September).
struct CivilDate {
    int day = 1;
    int month = 1;
    int year = 2000;
};

// The Anno Mundi year begins with September: its month m is civil month ((m + 7) mod 12) + 1.
constexpr int CivilMonthOfAnnoMundi(int month) {
    return (month + 7) % 12 + 1;
}
// The civil month number of month `month` of a style.
constexpr int CivilMonth(int style, int month) {
    return style == kAnnoMundi ? CivilMonthOfAnnoMundi(month) : month;
}

// Days in a month of a style's year, and in the year.
int MonthLength(int style, int month, int year);
int YearLength(int style, int year);

CivilDate JulianDateOf(int32_t dayNumber);
CivilDate GregorianDateOf(int32_t dayNumber);
CivilDate AnnoMundiDateOf(int32_t dayNumber);
CivilDate DateOf(int style, int32_t dayNumber);

// The whole record of a day in a style: its date with the year, month and week data around it.
StyleDate StyleDateOf(int style, int32_t dayNumber);

}  // namespace veltrin
