#pragma once
// The red days of the month shown in the current style.

#include "data/Bases.h"
#include "reckoning/Calendar.h"

namespace veltrin {

// Rewrites bases.RedDays for the month of the current style's record. The current day is the
// same afterwards.
void MarkRedDays(Bases& bases, Calendar& calendar);

}  // namespace veltrin
