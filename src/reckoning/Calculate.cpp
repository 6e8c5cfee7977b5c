#include "reckoning/Calculate.h"

#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"
#include "reckoning/StyleConversions.h"

namespace veltrin {

void ComputeCurDayNum(Calendar& c) {
    const StyleDate& r = c.Cur();
    c.CurDayNum = ComputeDayNumber(c.CurStyle, r.Day, r.Month, r.Year);
    c.CurWeekday = WeekdayOf(c.CurDayNum);
}

void ClampDay(Calendar& c) {
    StyleDate& r = c.Cur();
    if (r.Day > r.MonthDays[r.Month]) r.Day = r.MonthDays[r.Month];
}

void ComputeMonthData(Calendar& c) {
    StyleDate& r = c.Cur();
    r.MonthFirstDay = c.CurDayNum - r.Day + 1;
    r.MonthLastDay = r.MonthFirstDay + r.MonthDays[r.Month] - 1;
    r.MonthFirstWeekday = WeekdayOf(r.MonthFirstDay);
}

void ComputeWeekData(Calendar& c) {
    StyleDate& r = c.Cur();
    const int p = WeekdayPosition(7, c.CurWeekday);
    r.WeekFirstDay = c.CurDayNum - p + 1;
    r.WeekLastDay = r.WeekFirstDay + 6;
    r.WeekOfYear = WeekNumber(r.YearFirstDay, r.YearFirstWeekday, c.CurDayNum);
}

void SyncOtherStyles(Calendar& c) {
    switch (c.CurStyle) {
        case kAnnoMundi:
            AnnoMundiToJulian(c);
            JulianToGregorian(c);
            break;
        case kJulian:
            JulianToAnnoMundi(c);
            JulianToGregorian(c);
            break;
        default:
            DayNumToJulian(c);
            JulianToAnnoMundi(c);
            break;
    }
}

void ComputeYearData(Calendar& c) {
    StyleDate& r = c.Cur();
    r.YearFirstDay = ComputeYearStart(c, c.CurStyle, c.CurDayNum, r.Month, r.Day);
    r.YearFirstWeekday = WeekdayOf(r.YearFirstDay);
    r.YearLastDay = r.YearDays + r.YearFirstDay - 1;
    r.YearWeeks = WeekNumber(r.YearFirstDay, r.YearFirstWeekday, r.YearLastDay);
    r.WeekOfYear = WeekNumber(r.YearFirstDay, r.YearFirstWeekday, c.CurDayNum);
    c.Pascha = PaschalionOf(c.CurStyle, r.Year);
}

void RecalcAfterDayChange(Calendar& c) {
    ComputeCurDayNum(c);
    ComputeWeekData(c);
    SyncOtherStyles(c);
}

void RecalcAfterMonthChange(Calendar& c) {
    ClampDay(c);
    ComputeCurDayNum(c);
    ComputeMonthData(c);
    ComputeWeekData(c);
    SyncOtherStyles(c);
}

void RecalcAfterYearChange(Calendar& c) {
    SetMonthDays(c, c.CurStyle);
    ClampDay(c);
    ComputeCurDayNum(c);
    ComputeYearData(c);
    ComputeMonthData(c);
    ComputeWeekData(c);
    SyncOtherStyles(c);
    c.host->SetWeeks();
}

void RecalcAfterStyleChange(Calendar& c) {
    ComputeYearData(c);
    ComputeMonthData(c);
    ComputeWeekData(c);
    c.host->SetYearsMonths();
    c.host->SetWeeks();
    c.host->CheckStyleMenu(c.CurStyle);
}

namespace {
void MoveByDayCount(Calendar& c, int32_t k) {
    StyleDate& r = c.Cur();
    const int32_t d = c.CurDayNum + k;
    if (d < r.YearFirstDay || d > r.YearLastDay) {
        SetDayFromNumber(c, d);
        RecalcAfterYearChange(c);
        return;
    }
    const int32_t m = r.Day + k;
    if (m >= 1 && m <= r.MonthDays[r.Month]) {
        r.Day = static_cast<int16_t>(m);
        RecalcAfterDayChange(c);
        return;
    }
    r.Day = static_cast<int16_t>(k - r.YearFirstDay + c.CurDayNum + 1);  // day of the year
    SplitDayOfYear(c, c.CurStyle);
    RecalcAfterMonthChange(c);
}
}  // namespace

void MoveByDays(Calendar& c, int n) {
    MoveByDayCount(c, n);
}
void MoveByWeeks(Calendar& c, int n) {
    MoveByDayCount(c, 7 * n);
}

void GoToDate(Calendar& c, int style, int day, int month, int year) {
    c.CurStyle = static_cast<int16_t>(style);
    StyleDate& r = c.Cur();
    r.Day = static_cast<int16_t>(day);
    r.Month = static_cast<int16_t>(month);
    r.Year = static_cast<int16_t>(year);
    RecalcAfterYearChange(c);
}

}  // namespace veltrin
