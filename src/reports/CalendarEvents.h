#pragma once
// The church year as events for the calendar programs: the main feasts, each day with its
// commemorations, and the fasts, each multi-day fast as one event and each strict day as its own.

#include <cstdint>
#include <vector>

#include "reports/DayRecord.h"
#include "reports/Icalendar.h"

namespace veltrin {

struct EventChoice {
    bool feasts = false;  // Pascha, the twelve great feasts and the great feasts
    bool days = false;    // every day: its commemorations, fasting rule and readings
    bool fasts = false;   // the fasts and the strict days
};

// The events of the days `first` to `last` shown in `style`; a fast that reaches into the days
// comes whole. The description of a day holds its fasting rule and readings as `parts` says.
std::vector<IcsEvent> CalendarEvents(const Reports& reports, int style, int32_t first, int32_t last,
                                     EventChoice choice, RecordParts parts);

}  // namespace veltrin
