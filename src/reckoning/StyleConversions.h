#pragma once
// Conversions of the current day between the three year styles. They work on the records of
// Calendar::StyleDates; the Julian record is the hub through which every other style passes.

#include <cstdint>

#include "reckoning/Calendar.h"

namespace veltrin {

// February's length and the year's length of the record of `style`, from its Year.
void SetMonthDays(Calendar& c, int style);

// The record's Day holds a day of the year: turn it into Month and Day.
void SplitDayOfYear(Calendar& c, int style);

// Day number of day 1 of month 1 of the year in which `dayNumber` is day `day` of `month`.
int32_t ComputeYearStart(const Calendar& c, int style, int32_t dayNumber, int month, int day);

// CurDayNum -> the Julian record.
void DayNumToJulian(Calendar& c);
void JulianToAnnoMundi(Calendar& c);
void AnnoMundiToJulian(Calendar& c);
void JulianToGregorian(Calendar& c);

// Brings all three records to `dayNumber` (the weekday is left alone).
void SetDayFromNumber(Calendar& c, int32_t dayNumber);

}  // namespace veltrin
