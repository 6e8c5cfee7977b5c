#pragma once
// The fasting line of a day as the Russian calendars word it.

#include <string>

#include "data/Markup.h"
#include "reckoning/Fasting.h"

namespace veltrin {

// The rank of the highest service, from the highest Typikon sign of the day.
ServiceRank RankOf(Sign highest);

// "Великий пост. Сухоядение." and the like; empty for a day with nothing to say.
std::string FastingText(const FastingRule& rule);

}  // namespace veltrin
