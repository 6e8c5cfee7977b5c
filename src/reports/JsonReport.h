#pragma once
// The days of a view as JSON for scripts; the README documents the schema.

#include <cstdint>
#include <string>
#include <string_view>

#include "reports/DayRecord.h"

namespace veltrin {

inline constexpr int kJsonReportVersion = 1;

// The days `first` to `last` of view `view` ("day", "week", "month", "year") shown in `style`.
std::string JsonReport(const Reports& reports, std::string_view view, int style, int32_t first,
                       int32_t last, RecordParts parts);

// The keys of the fasting rule for scripts.
std::string_view PeriodKey(FastPeriod period);
std::string_view FoodKey(Food food);

}  // namespace veltrin
