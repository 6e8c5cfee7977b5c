#include "data/RedDays.h"

#include <string>

#include "reckoning/StyleConversions.h"

namespace veltrin {

namespace {

// The month grid takes a day as red only when its "Red" entry is exactly 1.
bool MonthFileMarksRed(Bases& bases, int julianMonth, int julianYearDays, int day) {
    return bases.Ini.ReadIniString(std::to_string(day), "Red",
                                   MonthFile(bases.BaseFiles, julianMonth, julianYearDays)) == "1";
}

template <typename Row>
void MarkRows(const std::vector<Row>& rows, bool hasPrevious, int32_t first, int32_t last,
              std::vector<bool>& red) {
    for (const Row& row : rows) {
        if (!row.Red) continue;
        for (const int32_t date : {row.Date, hasPrevious ? row.DatePrev : 0})
            if (date != 0 && date >= first && date <= last) red[date - first] = true;
    }
}

}  // namespace

void MarkRedDays(Bases& bases, Calendar& calendar) {
    const StyleDate& r = calendar.Cur();
    const int n = r.MonthDays[r.Month];
    const int32_t first = r.MonthFirstDay;
    const int32_t last = r.MonthLastDay;
    std::vector<bool> red(n > 0 ? n : 0, false);

    if (calendar.CurStyle == kGregorian) {
        // Each Gregorian day takes its mark from its own Julian date.
        SaveCalendarState(calendar);
        int k = 0;
        for (int32_t x = first; x <= last && k < n; ++x, ++k) {
            calendar.CurDayNum = x;
            DayNumToJulian(calendar);
            const StyleDate& j = calendar.StyleDates[kJulian];
            if (MonthFileMarksRed(bases, j.Month, j.YearDays, j.Day)) red[k] = true;
        }
        RestoreCalendarState(calendar);
    } else {
        // Anno Mundi and Julian days are Julian dates; the Anno Mundi month counts from September.
        const int civilMonth = calendar.CurStyle == kAnnoMundi ? (r.Month + 7) % 12 + 1 : r.Month;
        for (int d = 1; d <= n; ++d)
            if (MonthFileMarksRed(bases, civilMonth, r.YearDays, d)) red[d - 1] = true;
    }

    MarkRows(bases.Reloc, false, first, last, red);
    MarkRows(bases.Reloc1, true, first, last, red);
    MarkRows(bases.Special, true, first, last, red);
    MarkRows(bases.Wd, false, first, last, red);
    MarkRows(bases.Wd1, true, first, last, red);
    MarkRows(bases.SpecWd, true, first, last, red);
    bases.RedDays = std::move(red);
}

}  // namespace veltrin
