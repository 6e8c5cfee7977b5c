#pragma once
// The fasting line of a day as the Russian calendars word it.

#include <string>
#include <string_view>

#include "data/Markup.h"
#include "reckoning/Fasting.h"

namespace veltrin {

// The rank of the highest service, from the highest Typikon sign of the day.
ServiceRank RankOf(Sign highest);

// The name of a fast or a time: "Великий пост"; empty for none and for Theophany.
std::string_view FastPeriodName(FastPeriod period);

// "Великий пост. Сухоядение." and the like; empty for a day with nothing to say.
std::string FastingText(const FastingRule& rule);

}  // namespace veltrin
