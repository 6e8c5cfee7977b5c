#pragma once
// Recomputation of everything that derives from the current day, in the fixed chains that each
// kind of change needs, and the relative moves of the current day.

#include <cstdint>

#include "reckoning/Calendar.h"

namespace veltrin {

void ComputeCurDayNum(Calendar& c);
void ClampDay(Calendar& c);
void ComputeMonthData(Calendar& c);
void ComputeWeekData(Calendar& c);
void SyncOtherStyles(Calendar& c);
// Year data of the current style's record and the Paschalion values of its year.
void ComputeYearData(Calendar& c);

void RecalcAfterDayChange(Calendar& c);
void RecalcAfterMonthChange(Calendar& c);
void RecalcAfterYearChange(Calendar& c);
void RecalcAfterStyleChange(Calendar& c);

void MoveByDays(Calendar& c, int n);
void MoveByWeeks(Calendar& c, int n);

// Makes a date of a style the current day, in that style, with everything recomputed.
void GoToDate(Calendar& c, int style, int day, int month, int year);

}  // namespace veltrin
