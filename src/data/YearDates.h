#pragma once
// Gives every row of the movable tables its day numbers in the church year shown and the year
// before it.

#include <cstdint>

#include "data/Bases.h"
#include "reckoning/Calendar.h"

namespace veltrin {

// k > 0: the first day after x that is weekday k; k <= 0: the last day before x that is weekday
// -k (0 is Sunday). Never x itself.
int32_t ShiftToWeekday(int32_t x, int k);

void ResolveYearDates(Bases& bases, const Calendar& calendar);

}  // namespace veltrin
