#pragma once
// iCalendar (RFC 5545) text of all-day events, for the calendar programs of the desktop and the
// phone: CRLF line ends, content lines folded at 75 octets between whole UTF-8 characters, TEXT
// values escaped.

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "reckoning/Dates.h"

namespace veltrin {

struct IcsEvent {
    std::string uid;          // the same event exported again keeps it
    CivilDate first;          // Gregorian, the first day
    int days = 1;             // how many days it spans
    std::string summary;      // one line
    std::string description;  // lines joined by '\n'
    std::string category;
};

// A TEXT value with its backslashes, semicolons, commas and line ends escaped.
std::string EscapeIcsText(std::string_view text);
// A content line as it goes into the file: folded, with its CRLF.
std::string FoldIcsLine(std::string_view line);
// A date as a DATE value: 20261207.
std::string IcsDate(const CivilDate& date);
// A UTC date-time as a DTSTAMP value: 20261207T043000Z.
std::string IcsTimestamp(std::time_t time);

// The whole calendar: VCALENDAR with one VEVENT an event; `name` is the calendar's name, `stamp`
// the DTSTAMP of every event.
std::string WriteIcalendar(const std::vector<IcsEvent>& events, std::string_view name,
                           std::string_view stamp);

}  // namespace veltrin
