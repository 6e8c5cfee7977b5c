#pragma once
// The red days of a run of days: the month grid prints them in red.

#include <cstdint>
#include <vector>

#include "data/Bases.h"

namespace veltrin {

// Element k tells whether day first + k is red: its month file says "Red=1", or a red movable
// row falls on it.
std::vector<bool> RedDaysBetween(Bases& bases, int32_t first, int32_t last);

}  // namespace veltrin
