#pragma once
// Dates every row of the movable tables in a Julian year, by the row's own dating (a distance from
// Pascha, a weekday near a date) or by the rule list of Special.DAT and SpecWeekDays.DAT.

#include <cstdint>

#include "data/Bases.h"

namespace veltrin {

// k > 0: the first day after x that is weekday k; k <= 0: the last day before x that is weekday
// -k (0 is Sunday). Never x itself.
int32_t ShiftToWeekday(int32_t x, int k);

YearDates ResolveYearDates(const Bases& bases, int julianYear);

}  // namespace veltrin
