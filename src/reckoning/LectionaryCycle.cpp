#include "reckoning/LectionaryCycle.h"

#include <array>
#include <cstdlib>

#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"

namespace veltrin {

namespace {

constexpr int kSunday = 7;
constexpr int kMonday = 1;
constexpr int kPublican = -70;         // the Sunday of the Publican and the Pharisee
constexpr int kCleanMonday = -48;
constexpr int kPublicanWeek = 33;      // the rows of the four weeks of the Triodion before Lent
constexpr int kLukeBegins = 17;        // the week of the Gospel before Luke is begun
constexpr int kMatinsGospels = 11;

// The first day after `anchor` that is a Sunday.
int32_t SundayAfter(int32_t anchor) {
    const int w = WeekdayOf(anchor);
    return anchor + (w == kSunday ? 7 : kSunday - w);
}

// The week after Pentecost a day falls in: 0 on Pentecost, moving on each Monday.
int WeekAfter(int32_t pentecost, int32_t day) {
    return static_cast<int>((day - pentecost + 6) / 7);
}

// The weeks the Typikon adds in the winter when there are more weeks than readings: the weekday
// rows and the Sunday rows, in the order they are read, by the number of weeks added.
constexpr std::array<std::array<int, 5>, 6> kWinterWeekdays = {{
    {},
    {33},
    {32, 33},
    {31, 32, 33},
    {30, 31, 32, 33},
    {30, 31, 17, 32, 33},
}};
constexpr std::array<std::array<int, 4>, 6> kWinterSundays = {{
    {},
    {},
    {32},
    {31, 32},
    {30, 31, 32},
    {30, 31, 17, 32},
}};
// The autumn weeks read again when Pentecost came early.
constexpr int kAutumnRepeatFirst = 10;
constexpr int kAutumnRepeatLast = 11;

}  // namespace

CycleYear CycleYearOf(int y) {
    CycleYear c;
    c.pascha = PaschaOf(y);
    c.pentecost = c.pascha + kPentecostOffset;
    c.sundayAfterExaltation = SundayAfter(ComputeDayNumber(kJulian, 14, 9, y));
    c.autumnShift = kLukeBegins - WeekAfter(c.pentecost, c.sundayAfterExaltation);

    // The winter: from the Sunday after Theophany to the Publican, one week is added for each
    // Sunday more than the readings hold, and one more when Theophany is a Sunday or a Monday.
    const int32_t theophany = ComputeDayNumber(kJulian, 6, 1, y);
    const int32_t sundayAfter = SundayAfter(theophany);
    const int32_t publican = c.pascha + kPublican;
    const bool early = WeekdayOf(theophany) == kSunday || WeekdayOf(theophany) == kMonday;
    int weeks = static_cast<int>((publican - sundayAfter) / 7) + (early ? 1 : 0);
    if (weeks > 5) weeks = 5;
    c.winterWeeks = weeks;
    if (weeks > 0) c.winterStart = early ? ComputeDayNumber(kJulian, 7, 1, y) : sundayAfter + 1;
    return c;
}

CyclePlace LectionaryPlaceOf(int32_t day) {
    CyclePlace place;
    place.weekday = WeekdayOf(day);
    const int year = JulianDateOf(day).year;
    const CycleYear c = CycleYearOf(year);
    const int b = static_cast<int>(day - c.pascha);
    const bool sunday = place.weekday == kSunday;

    if (b >= kCleanMonday && b < kPentecostOffset) {
        place.fromPascha = true;
        place.daysFromPascha = b;
        // The Sundays of Lent to the fifth sing the Sunday Gospels on from the year before.
        if (sunday && b <= -14) {
            const int week = WeekAfter(CycleYearOf(year - 1).pentecost, day);
            place.matinsGospel = (week - 1) % kMatinsGospels + 1;
        }
        return place;
    }
    if (b >= kPublican && b < kCleanMonday) {  // the Triodion before Lent
        const int row = b == kPublican ? kPublicanWeek : kPublicanWeek + 1 + (b - kPublican - 1) / 7;
        place.apostleWeek = place.gospelWeek = row;
    } else if (b >= kPentecostOffset) {  // from Pentecost to the year's end
        const int week = WeekAfter(c.pentecost, day);
        place.apostleWeek = week;
        const int32_t s = c.sundayAfterExaltation;
        if (day > s)
            place.gospelWeek = week + c.autumnShift;
        else if (c.autumnShift >= 0 || day <= s - 14)
            place.gospelWeek = week;
        else if (day <= s - 7)
            place.gospelWeek = c.autumnShift == -2 ? kAutumnRepeatFirst : week;
        else
            place.gospelWeek = kAutumnRepeatLast;
    } else {  // from the new year to the Publican, counted from last year's Pentecost
        const CycleYear last = CycleYearOf(year - 1);
        const int week = WeekAfter(last.pentecost, day);
        place.apostleWeek = week;
        place.gospelWeek = week + last.autumnShift;
        if (c.winterWeeks > 0 && day >= c.winterStart) {
            // The added weeks: each Sunday of them moves on to the next one.
            int sundaysBefore = 0;
            for (int32_t d = c.winterStart; d < day; ++d)
                if (WeekdayOf(d) == kSunday) ++sundaysBefore;
            const auto& weekdays = kWinterWeekdays[c.winterWeeks];
            const auto& sundays = kWinterSundays[c.winterWeeks];
            const int row = sunday ? (sundaysBefore < c.winterWeeks - 1 ? sundays[sundaysBefore] : -1)
                                   : (sundaysBefore < c.winterWeeks ? weekdays[sundaysBefore] : -1);
            place.apostleWeek = place.gospelWeek = row;
        }
    }
    if (sunday) {
        // The Sunday Gospels of Matins run in elevens from the Sunday of All Saints.
        const int32_t pentecost = b >= kPentecostOffset ? c.pentecost : CycleYearOf(year - 1).pentecost;
        const int week = WeekAfter(pentecost, day);
        if (week >= 1) place.matinsGospel = (week - 1) % kMatinsGospels + 1;
    }
    return place;
}

}  // namespace veltrin
