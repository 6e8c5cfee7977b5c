#include "data/RedDays.h"

#include <string>

#include "reckoning/Dates.h"

namespace veltrin {

std::vector<bool> RedDaysBetween(Bases& bases, int32_t first, int32_t last) {
    std::vector<bool> red(last >= first ? last - first + 1 : 0, false);
    for (int32_t x = first; x <= last; ++x) {
        // The grid takes a day as red only when its "Red" entry is exactly 1.
        const CivilDate j = JulianDateOf(x);
        const auto& file = MonthFile(bases.BaseFiles, j.month, YearLength(kJulian, j.year));
        if (bases.Ini.ReadIniString(std::to_string(j.day), "Red", file) == "1") red[x - first] = true;
    }
    for (const DatedRow& row : bases.RowsBetween(first, last))
        if (bases.IsRed(row)) red[row.date - first] = true;
    return red;
}

}  // namespace veltrin
