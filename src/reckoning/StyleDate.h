#pragma once
// One date in one year style, with the year, month and week data derived from it.

#include <array>
#include <cstdint>

namespace veltrin {

// Year styles: the index of every per-style array.
enum Style : int16_t {
    kAnnoMundi = 1,  // years from the Creation, months counted from September
    kJulian = 2,
    kGregorian = 3,
};

// Distance between the Anno Mundi and the Julian year for January to August;
// September to December add one more.
inline constexpr int kAnnoMundiOffset = 5508;
// February is month 6 of the Anno Mundi year.
inline constexpr int16_t kAnnoMundiFebruary = 6;

struct StyleDate {
    int16_t Year = 0;
    int16_t FebIndex = 2;                    // month number of February in this style
    std::array<int16_t, 13> MonthDays = {};  // indexed by this style's month, 1..12
    int32_t YearFirstDay = 0;
    int32_t YearLastDay = 0;
    int16_t YearFirstWeekday = 0;
    int16_t YearDays = 0;
    int16_t YearWeeks = 0;
    int16_t Month = 1;
    int32_t MonthFirstDay = 0;
    int32_t MonthLastDay = 0;
    int16_t MonthFirstWeekday = 0;
    int16_t WeekOfYear = 0;
    int32_t WeekFirstDay = 0;
    int32_t WeekLastDay = 0;
    int16_t Day = 1;  // day of the month; briefly a day of the year inside a conversion
};

}  // namespace veltrin
