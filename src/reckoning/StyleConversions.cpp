#include "reckoning/StyleConversions.h"

#include "reckoning/DayNumbers.h"

namespace veltrin {

namespace {
// Day number of 31 December 0 (Julian): day k of the count below is k days after it.
constexpr int32_t kJulianYearZeroEnd = 1721423;
constexpr int kFourYears = 1461;
constexpr int kCommonYear = 365;
constexpr int kLeapYear = 366;
// September is month 9 of the civil year and month 1 of the Anno Mundi year.
constexpr int kMonthsBeforeSeptember = 8;
constexpr int kMonthsFromSeptember = 4;
}  // namespace

void SetMonthDays(Calendar& c, int style) {
    StyleDate& r = c.StyleDates[style];
    const bool leap = IsLeapYear(style, r.Year);
    r.MonthDays[r.FebIndex] = leap ? 29 : 28;
    r.YearDays = leap ? kLeapYear : kCommonYear;
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
    StyleDate& r = c.StyleDates[kJulian];
    const int32_t k = c.CurDayNum - kJulianYearZeroEnd;
    int year = k / kFourYears * 4;
    int n = k % kFourYears;
    // The first three years of each four are common years, the fourth is a leap year.
    for (int i = 0; i < 3 && n - kCommonYear >= 1; ++i) {
        ++year;
        n -= kCommonYear;
    }
    if (n >= 1) {
        ++year;
        r.Day = static_cast<int16_t>(n);
    } else {
        r.Day = kLeapYear;  // the last day of the leap year
    }
    r.Year = static_cast<int16_t>(year);
    SetMonthDays(c, kJulian);
    SplitDayOfYear(c, kJulian);
}

void JulianToAnnoMundi(Calendar& c) {
    const StyleDate& j = c.StyleDates[kJulian];
    StyleDate& am = c.StyleDates[kAnnoMundi];
    if (j.Month > kMonthsBeforeSeptember) {
        am.Year = static_cast<int16_t>(j.Year + kAnnoMundiOffset + 1);
        am.Month = static_cast<int16_t>(j.Month - kMonthsBeforeSeptember);
    } else {
        am.Year = static_cast<int16_t>(j.Year + kAnnoMundiOffset);
        am.Month = static_cast<int16_t>(j.Month + kMonthsFromSeptember);
    }
    am.Day = j.Day;
    SetMonthDays(c, kAnnoMundi);
}

void AnnoMundiToJulian(Calendar& c) {
    const StyleDate& am = c.StyleDates[kAnnoMundi];
    StyleDate& j = c.StyleDates[kJulian];
    if (am.Month > kMonthsFromSeptember) {
        j.Year = static_cast<int16_t>(am.Year - kAnnoMundiOffset);
        j.Month = static_cast<int16_t>(am.Month - kMonthsFromSeptember);
    } else {
        j.Year = static_cast<int16_t>(am.Year - kAnnoMundiOffset - 1);
        j.Month = static_cast<int16_t>(am.Month + kMonthsBeforeSeptember);
    }
    j.Day = am.Day;
    SetMonthDays(c, kJulian);
}

void JulianToGregorian(Calendar& c) {
    const StyleDate& j = c.StyleDates[kJulian];
    StyleDate& g = c.StyleDates[kGregorian];
    const int y = j.Year;
    // The Gregorian calendar runs ahead by the century days the Julian one keeps as leap days.
    int year = y;
    int month = j.Month;
    int day = j.Day + y / 100 - y / 400 - 2;
    if (y % 100 == 0 && y % 400 != 0 && month < 3) day -= 1;
    if (month == 12 && day > 31) {
        day -= 31;
        month = 1;
        ++year;
    } else if (month == 1 && day < 1) {
        day += 31;
        month = 12;
        --year;
    }
    g.Year = static_cast<int16_t>(year);
    SetMonthDays(c, kGregorian);
    if (day < 1) {
        --month;
        day += g.MonthDays[month];
    }
    if (day > g.MonthDays[month]) {
        day -= g.MonthDays[month];
        ++month;
    }
    g.Month = static_cast<int16_t>(month);
    g.Day = static_cast<int16_t>(day);
}

void SetDayFromNumber(Calendar& c, int32_t dayNumber) {
    c.CurDayNum = dayNumber;
    DayNumToJulian(c);
    JulianToAnnoMundi(c);
    JulianToGregorian(c);
}

}  // namespace veltrin
