// The data set over the years 1900 to 2100, as the program shows it.

#include <gtest/gtest.h>

#include <set>

#include "data/RedDays.h"
#include "datacheck/ShippedData.h"
#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reports/CalendarSystem.h"

namespace veltrin::datacheck {
namespace {

class DataYears : public ::testing::Test {
  protected:
    void SetUp() override {
        sys.LoadData(DataDir());
        sys.SetRange(1899, 2101);
    }
    void Year(int year) { GoToDate(sys.calendar, kJulian, 1, 6, year); }
    bool HasTitle(int32_t day) const {
        for (const TitleRow& row : sys.bases.Wd)
            if (row.Date == day && !row.Text.empty()) return true;
        for (const auto* table : {&sys.bases.Wd1, &sys.bases.SpecWd})
            for (const TitleRow& row : *table)
                if ((row.Date == day || row.DatePrev == day) && !row.Text.empty()) return true;
        return false;
    }
    bool IsRed(int32_t day) {
        Calendar& c = sys.calendar;
        SaveCalendarState(c);
        SetWalkDay(c, day);
        sys.reports.RedDay = false;
        sys.reports.WeekLine();
        sys.reports.DayEntries();
        const bool red = sys.reports.RedDay;
        RestoreCalendarState(c);
        return red;
    }
    CalendarSystem sys;
};

TEST_F(DataYears, SundaysOfTheMovableCycleHaveTitles) {
    for (int year = 1900; year <= 2100; ++year) {
        Year(year);
        const int32_t pascha = sys.calendar.Pascha.PaschaDay;
        for (int offset = -70; offset <= 63; offset += 7)
            EXPECT_TRUE(HasTitle(pascha + offset)) << year << " Pascha " << offset;
    }
}

TEST_F(DataYears, GreatMovableFeastsAreRed) {
    for (int year = 1900; year <= 2100; ++year) {
        Year(year);
        const int32_t pascha = sys.calendar.Pascha.PaschaDay;
        for (const int offset : {-7, 0, 39, 49})
            EXPECT_TRUE(IsRed(pascha + offset)) << year << " " << offset;
        // The month grid agrees.
        if (year % 25 == 0) {
            Calendar& c = sys.calendar;
            SetWalkDay(c, pascha + 39);
            ComputeMonthData(c);
            EXPECT_TRUE(sys.bases.RedDays[c.Cur().Day - 1]) << year;
        }
    }
}

// No day shows the same text twice, whatever falls together in its year.
TEST_F(DataYears, NoTextTwiceOnADay) {
    for (int year = 1900; year <= 2100; ++year) {
        Year(year);
        Calendar& c = sys.calendar;
        SaveCalendarState(c);
        const int32_t first = c.Cur().YearFirstDay, last = c.Cur().YearLastDay;
        for (int32_t d = first; d <= last; ++d) {
            SetWalkDay(c, d);
            const std::string entries = sys.reports.DayEntries();
            std::set<std::string> seen;
            size_t start = 0;
            for (size_t end; (end = entries.find("\\par\r\n", start)) != std::string::npos;
                 start = end + 6) {
                std::string item = entries.substr(start, end - start);
                if (item.size() <= 12) continue;  // the empty line between groups
                item = item.substr(12);           // the sign
                EXPECT_TRUE(seen.insert(item).second)
                    << "twice on " << c.StyleDates[kJulian].Day << "."
                    << c.StyleDates[kJulian].Month << "." << year << ": " << item;
            }
        }
        RestoreCalendarState(c);
    }
}

}  // namespace
}  // namespace veltrin::datacheck
