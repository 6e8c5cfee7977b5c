#include "reckoning/Dates.h"

#include "reckoning/DayNumbers.h"

namespace veltrin {

namespace {

constexpr int kCommonYear = 365;
constexpr int kLeapYear = 366;
constexpr int kFebruary = 2;
// Day number of 31 December 0 (Julian): day k of the count below is k days after it.
constexpr int32_t kJulianYearZeroEnd = 1721423;
constexpr int kFourYears = 1461;
constexpr int kMonthsBeforeSeptember = 8;

constexpr int kCivilMonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

int MonthLength(int style, int month, int year) {
    const int civil = CivilMonth(style, month);
    if (civil == kFebruary && IsLeapYear(style, year)) return 29;
    return kCivilMonthDays[civil];
}

int YearLength(int style, int year) {
    return IsLeapYear(style, year) ? kLeapYear : kCommonYear;
}

namespace {
// The date `rest` days after 1 January of a civil year.
CivilDate DateInYear(int style, int year, int32_t rest) {
    int month = 1;
    while (rest >= MonthLength(style, month, year)) {
        rest -= MonthLength(style, month, year);
        ++month;
    }
    return {static_cast<int>(rest) + 1, month, year};
}
}  // namespace

CivilDate JulianDateOf(int32_t dayNumber) {
    // Four-year blocks of the Julian calendar, the leap year last in each.
    const int32_t k = dayNumber - kJulianYearZeroEnd - 1;  // days since 1 January 1
    int32_t block = k / kFourYears;
    int32_t rest = k % kFourYears;
    if (rest < 0) {
        rest += kFourYears;
        --block;
    }
    int year = static_cast<int>(4 * block) + 1;
    while (rest >= YearLength(kJulian, year)) {
        rest -= YearLength(kJulian, year);
        ++year;
    }
    return DateInYear(kJulian, year, rest);
}

CivilDate GregorianDateOf(int32_t dayNumber) {
    // Start from the Julian year and step to the Gregorian date by counting days from 1 January.
    int year = JulianDateOf(dayNumber).year + 1;
    while (ComputeDayNumber(kGregorian, 1, 1, year) > dayNumber)
        --year;
    return DateInYear(kGregorian, year, dayNumber - ComputeDayNumber(kGregorian, 1, 1, year));
}

CivilDate AnnoMundiDateOf(int32_t dayNumber) {
    const CivilDate j = JulianDateOf(dayNumber);
    if (j.month > kMonthsBeforeSeptember)
        return {j.day, j.month - kMonthsBeforeSeptember, j.year + kAnnoMundiOffset + 1};
    return {j.day, j.month + 12 - kMonthsBeforeSeptember, j.year + kAnnoMundiOffset};
}

CivilDate DateOf(int style, int32_t dayNumber) {
    if (style == kAnnoMundi) return AnnoMundiDateOf(dayNumber);
    if (style == kJulian) return JulianDateOf(dayNumber);
    return GregorianDateOf(dayNumber);
}

StyleDate StyleDateOf(int style, int32_t dayNumber) {
    const CivilDate d = DateOf(style, dayNumber);
    StyleDate r;
    r.FebIndex = style == kAnnoMundi ? kAnnoMundiFebruary : static_cast<int16_t>(kFebruary);
    r.Year = static_cast<int16_t>(d.year);
    for (int m = 1; m <= 12; ++m)
        r.MonthDays[m] = static_cast<int16_t>(MonthLength(style, m, d.year));
    r.YearDays = static_cast<int16_t>(YearLength(style, d.year));
    r.YearFirstDay = ComputeDayNumber(style, 1, 1, d.year);
    r.YearLastDay = r.YearFirstDay + r.YearDays - 1;
    r.YearFirstWeekday = WeekdayOf(r.YearFirstDay);
    r.YearWeeks = WeekNumber(r.YearFirstDay, r.YearFirstWeekday, r.YearLastDay);
    r.Month = static_cast<int16_t>(d.month);
    r.Day = static_cast<int16_t>(d.day);
    r.MonthFirstDay = dayNumber - d.day + 1;
    r.MonthLastDay = r.MonthFirstDay + r.MonthDays[d.month] - 1;
    r.MonthFirstWeekday = WeekdayOf(r.MonthFirstDay);
    r.WeekOfYear = WeekNumber(r.YearFirstDay, r.YearFirstWeekday, dayNumber);
    r.WeekFirstDay = dayNumber - WeekdayPosition(7, WeekdayOf(dayNumber)) + 1;
    r.WeekLastDay = r.WeekFirstDay + 6;
    return r;
}

}  // namespace veltrin
