#pragma once
// The Paschalion: Pascha of a year by the Julian rule, the week count of a church year that hangs
// on it, the names of the weeks, the tone of a day and the indiction. Every function is a pure
// function of its arguments.

#include <cstdint>
#include <string>

#include "reckoning/StyleDate.h"

namespace veltrin {

inline constexpr int kPentecostOffset = 49;

// Day number of Pascha of a Julian year.
int32_t PaschaOf(int julianYear);

// The Paschalion values of a year of a style: its Pascha, the Pascha before, and the weeks
// that Pascha and Pentecost mark in the year's week count.
struct PaschaBlock {
    int16_t PaschaYear = 0;  // the Julian year whose Pascha the year keeps
    int32_t PaschaDay = 0;
    int32_t PrevPaschaDay = 0;
    int16_t PaschaWeek = 0;         // the year's week that holds Pascha
    int16_t YearStartPentWeek = 0;  // the week after Pentecost in which the year begins
    int16_t YearEndPentWeek = 0;    // the week after Pentecost in which the year ends
};
PaschaBlock PaschalionOf(int style, int year);

// Text of the week-list entry for week w of the year (1..YearWeeks).
std::string WeekName(const PaschaBlock& year, int w);

// The phrase that follows the weekday name in a day's title, for week w of the year.
std::string DayWeekPhrase(const PaschaBlock& year, int w, int weekday);

// Tone 1..8 of the day, 0 where no tone is sung.
int ToneOf(int32_t dayNumber);

struct Indiction {
    int yearInCycle = 0;
    int cycle = 0;
};
// The year of the 532-year cycle for an Anno Mundi year.
Indiction IndictionYear(int annoMundiYear);
std::string IndictionText(const Indiction& indiction);

}  // namespace veltrin
