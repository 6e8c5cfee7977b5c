#include "reckoning/StyleConversions.h"

#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"

namespace veltrin {

namespace {
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
    const CivilDate j = JulianDateOf(c.CurDayNum);
    r.Year = static_cast<int16_t>(j.year);
    r.Month = static_cast<int16_t>(j.month);
    r.Day = static_cast<int16_t>(j.day);
    SetMonthDays(c, kJulian);
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
    const CivilDate d = GregorianDateOf(ComputeDayNumber(kJulian, j.Day, j.Month, j.Year));
    g.Year = static_cast<int16_t>(d.year);
    SetMonthDays(c, kGregorian);
    g.Month = static_cast<int16_t>(d.month);
    g.Day = static_cast<int16_t>(d.day);
}

void SetDayFromNumber(Calendar& c, int32_t dayNumber) {
    c.CurDayNum = dayNumber;
    DayNumToJulian(c);
    JulianToAnnoMundi(c);
    JulianToGregorian(c);
}

}  // namespace veltrin
