// The data set over the years 1900 to 2100, as the program shows it.

#include <gtest/gtest.h>

#include <set>

#include "data/RedDays.h"
#include "datacheck/ShippedData.h"
#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"
#include "reports/CalendarSystem.h"

namespace veltrin::datacheck {
namespace {

class DataYears : public ::testing::Test {
  protected:
    void SetUp() override { sys.LoadData(DataDir()); }
    bool HasTitle(int32_t day) const {
        for (const DatedRow& r : sys.bases.RowsOn(day))
            if (r.table >= kWdTable && !sys.bases.Title(r).Text.empty()) return true;
        return false;
    }
    bool IsRed(int32_t day) const {
        return sys.reports.WeekLine(kJulian, day).red || sys.reports.DayEntries(day).red;
    }
    CalendarSystem sys;
};

TEST_F(DataYears, SundaysOfTheMovableCycleHaveTitles) {
    for (int year = 1900; year <= 2100; ++year) {
        const int32_t pascha = PaschaOf(year);
        for (int offset = -70; offset <= 63; offset += 7)
            EXPECT_TRUE(HasTitle(pascha + offset)) << year << " Pascha " << offset;
    }
}

TEST_F(DataYears, GreatMovableFeastsAreRed) {
    for (int year = 1900; year <= 2100; ++year) {
        const int32_t pascha = PaschaOf(year);
        for (const int offset : {-7, 0, 39, 49})
            EXPECT_TRUE(IsRed(pascha + offset)) << year << " " << offset;
        // The month grid agrees.
        if (year % 25 == 0) {
            EXPECT_TRUE(RedDaysBetween(sys.bases, pascha + 39, pascha + 39)[0]) << year;
        }
    }
}

// No day shows the same text twice, whatever falls together in its year.
TEST_F(DataYears, NoTextTwiceOnADay) {
    const int32_t first = ComputeDayNumber(kJulian, 1, 1, 1900);
    const int32_t last = ComputeDayNumber(kJulian, 31, 12, 2100);
    for (int32_t d = first; d <= last; ++d) {
        const std::string entries = sys.reports.DayEntries(d).text;
        std::set<std::string> seen;
        size_t start = 0;
        for (size_t end; (end = entries.find("\\par\r\n", start)) != std::string::npos;
             start = end + 6) {
            std::string item = entries.substr(start, end - start);
            if (item.size() <= 12) continue;  // the empty line between groups
            item = item.substr(12);           // the sign
            const CivilDate j = JulianDateOf(d);
            EXPECT_TRUE(seen.insert(item).second)
                << "twice on " << j.day << "." << j.month << "." << j.year << ": " << item;
        }
    }
}

}  // namespace
}  // namespace veltrin::datacheck
