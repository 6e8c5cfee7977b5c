#pragma once
// A day of the calendar as data rather than a document: what the views show of it, field by
// field, for the JSON report and the calendar export.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/Markup.h"
#include "reckoning/Dates.h"
#include "reckoning/Fasting.h"

namespace veltrin {

class Reports;

struct Commemoration {
    int group = 0;  // 0 to 3 as the data files number them
    Sign sign = kNoSign;
    std::string text;
};

struct DayRecord {
    int32_t dayNumber = 0;
    std::array<CivilDate, 3> dates;  // in the styles 1, 2 and 3
    int weekday = 1;                 // 1 Monday ... 7 Sunday
    std::string weekLine;            // as the views print it, with the tone
    int tone = 0;                    // 0: none
    bool red = false;
    Sign highestSign = kNoSign;
    std::vector<Commemoration> commemorations;
    std::vector<std::string> notes;      // the indented lines of group 4
    std::optional<FastingRule> fasting;  // when the day has a rule to tell and it is shown
    std::string fastingText;
    std::string readings;  // empty: none, or not shown
};

// What to put in besides the commemorations.
struct RecordParts {
    bool fasting = true;
    bool readings = true;
};

DayRecord RecordOfDay(const Reports& reports, int style, int32_t day, RecordParts parts);

// Sign names for scripts: "great-feast", "vigil", "polyeleos", "great-doxology", "six-stichera";
// empty for none.
std::string_view SignKey(Sign sign);

}  // namespace veltrin
