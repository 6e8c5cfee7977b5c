#include "reckoning/StyleConversions.h"

#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"

namespace veltrin {

namespace {
// Puts a date into the record of a style, with the lengths of its year.
void Store(Calendar& c, int style, const CivilDate& d) {
    StyleDate& r = c.StyleDates[style];
    r.Year = static_cast<int16_t>(d.year);
    r.Month = static_cast<int16_t>(d.month);
    r.Day = static_cast<int16_t>(d.day);
    SetMonthDays(c, style);
}

int32_t DayNumberOf(const Calendar& c, int style) {
    const StyleDate& r = c.StyleDates[style];
    return ComputeDayNumber(style, r.Day, r.Month, r.Year);
}
}  // namespace

void SetMonthDays(Calendar& c, int style) {
    StyleDate& r = c.StyleDates[style];
    r.MonthDays[r.FebIndex] = static_cast<int16_t>(MonthLength(style, r.FebIndex, r.Year));
    r.YearDays = static_cast<int16_t>(YearLength(style, r.Year));
}

void SplitDayOfYear(Calendar& c, int style) {
    StyleDate& r = c.StyleDates[style];
    r.Month = 1;
    while (r.Month < 12 && r.Day - r.MonthDays[r.Month] >= 1) {
        r.Day = static_cast<int16_t>(r.Day - r.MonthDays[r.Month]);
        ++r.Month;
    }
}

int32_t ComputeYearStart(const Calendar& c, int style, int32_t dayNumber, int month, int day) {
    const StyleDate& r = c.StyleDates[style];
    int32_t daysBefore = 0;
    for (int m = 1; m < month; ++m)
        daysBefore += r.MonthDays[m];
    return dayNumber - daysBefore - day + 1;
}

void DayNumToJulian(Calendar& c) {
    Store(c, kJulian, JulianDateOf(c.CurDayNum));
}

void JulianToAnnoMundi(Calendar& c) {
    Store(c, kAnnoMundi, AnnoMundiDateOf(DayNumberOf(c, kJulian)));
}

void AnnoMundiToJulian(Calendar& c) {
    Store(c, kJulian, JulianDateOf(DayNumberOf(c, kAnnoMundi)));
}

void JulianToGregorian(Calendar& c) {
    Store(c, kGregorian, GregorianDateOf(DayNumberOf(c, kJulian)));
}

void SetDayFromNumber(Calendar& c, int32_t dayNumber) {
    c.CurDayNum = dayNumber;
    DayNumToJulian(c);
    JulianToAnnoMundi(c);
    JulianToGregorian(c);
}

}  // namespace veltrin
