#include "reckoning/DayNumbers.h"

#include "reckoning/StyleDate.h"

namespace veltrin {

namespace {
constexpr int kDaysPerWeek = 7;
// Day number of the epoch of the month-shifted count below (0 March, 1 B.C., Julian).
constexpr int32_t kDayNumberEpoch = 1720995;
// 30.6 days a month and 365.25 days a year, scaled to exact integers.
constexpr int kMonthTenths = 306;
constexpr int kFourYears = 1461;
}  // namespace

int32_t ComputeDayNumber(int style, int day, int month, int year) {
    int m = month;
    int y = year;
    int e = day;
    if (style == kAnnoMundi) {
        // September to December belong to the Julian year before the January of the same AM year.
        if (month > 4) {
            m = month - 4;
            y = year - kAnnoMundiOffset;
        } else {
            m = month + 8;
            y = year - kAnnoMundiOffset - 1;
        }
    } else if (style != kJulian) {
        // Gregorian: the days the Julian calendar has gained by the century rule.
        e = year / 400 - year / 100 + day + 2;
        if (year % 400 != 0 && year % 100 == 0 && month < 3) e += 1;
    }
    // Count months from March, so that February, with its leap day, ends the year.
    if (m < 3) {
        m += 13;
        y -= 1;
    } else {
        m += 1;
    }
    return kMonthTenths * m / 10 + kFourYears * y / 4 + e + kDayNumberEpoch;
}

int16_t WeekdayOf(int32_t dayNumber) {
    return static_cast<int16_t>(dayNumber % kDaysPerWeek + 1);
}

int16_t WeekNumber(int32_t startDay, int startWeekday, int32_t day) {
    const int32_t n = startWeekday % kDaysPerWeek + day - startDay + 1;
    return static_cast<int16_t>(n / kDaysPerWeek + (n % kDaysPerWeek != 0 ? 1 : 0));
}

int16_t WeekdayPosition(int firstWeekday, int weekday) {
    return static_cast<int16_t>((weekday - (firstWeekday - 1) % kDaysPerWeek + 13) % kDaysPerWeek +
                                1);
}

bool IsLeapYear(int style, int year) {
    if (style == kAnnoMundi || style == kJulian) return year % 4 == 0;
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

}  // namespace veltrin
