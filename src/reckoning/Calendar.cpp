#include "reckoning/Calendar.h"

#include <ctime>

#include "reckoning/DayNumbers.h"

namespace veltrin {

CalendarHost Calendar::noHost;

CivilDate SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

namespace {
constexpr std::array<int16_t, 13> kCivilMonthDays = {0,  31, 28, 31, 30, 31, 30,
                                                     31, 31, 30, 31, 30, 31};
constexpr int kFebruaryCivil = 2;
constexpr int kFebruaryAnnoMundi = 6;

// The Anno Mundi year begins with September: its month m is civil month ((m + 7) mod 12) + 1.
constexpr int CivilMonthOfAnnoMundi(int m) {
    return (m + 7) % 12 + 1;
}
}  // namespace

Calendar::Calendar() {
    for (int s = kAnnoMundi; s <= kGregorian; ++s) {
        StyleDate& r = StyleDates[s];
        r.FebIndex = s == kAnnoMundi ? kFebruaryAnnoMundi : kFebruaryCivil;
        for (int m = 1; m <= 12; ++m)
            r.MonthDays[m] = kCivilMonthDays[s == kAnnoMundi ? CivilMonthOfAnnoMundi(m) : m];
    }
    SavedStyleDates = StyleDates;
}

void SetYearRange(Calendar& c, int minYear, int maxYear) {
    c.MinYear[kJulian] = c.MinYear[kGregorian] = static_cast<int16_t>(minYear);
    c.MaxYear[kJulian] = c.MaxYear[kGregorian] = static_cast<int16_t>(maxYear);
    c.MinYear[kAnnoMundi] = static_cast<int16_t>(minYear + kAnnoMundiOffset);
    c.MaxYear[kAnnoMundi] = static_cast<int16_t>(maxYear + kAnnoMundiOffset);
    for (int s = kAnnoMundi; s <= kGregorian; ++s) {
        c.MinDay[s] = ComputeDayNumber(s, 1, 1, c.MinYear[s]);
        c.MaxDay[s] = ComputeDayNumber(s, 31, 12, c.MaxYear[s]);
    }
}

void SaveCalendarState(Calendar& c) {
    c.SavedStyleDates = c.StyleDates;
    c.SavedPaschaBlock = c.Pascha;
    c.SavedDayNum = c.CurDayNum;
    c.SavedWeekday = c.CurWeekday;
}

void RestoreCalendarState(Calendar& c) {
    c.StyleDates = c.SavedStyleDates;
    c.Pascha = c.SavedPaschaBlock;
    c.CurDayNum = c.SavedDayNum;
    c.CurWeekday = c.SavedWeekday;
}

}  // namespace veltrin
