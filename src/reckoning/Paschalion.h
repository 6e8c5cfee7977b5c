#pragma once
// The Paschalion: Pascha of a year by the Julian rule, the year data that hang on it, the names
// of the weeks of the church year, the tone of a day and the indiction.

#include <cstdint>
#include <string>

#include "reckoning/Calendar.h"

namespace veltrin {

// Day number of Pascha of `year` (an Anno Mundi year when the current style is 1); sets PaschaYear.
int32_t ComputePascha(Calendar& c, int year);

// Year data of the current style's record and the Paschalion values of its year.
void ComputeYearData(Calendar& c);

// Text of the week-list entry for week w of the year (1..YearWeeks).
std::string WeekName(const Calendar& c, int w);

// The phrase that follows the weekday name in a day's title.
std::string DayWeekPhrase(const Calendar& c, int w, int weekday);

// Tone 1..8 of the day, 0 where no tone is sung.
int ToneOfDay(const Calendar& c, int32_t dayNumber);

struct Indiction {
    int yearInCycle = 0;
    int cycle = 0;
};
// The year of the 532-year cycle for an Anno Mundi year.
Indiction IndictionYear(int annoMundiYear);
std::string IndictionText(const Indiction& indiction);

}  // namespace veltrin
