#include <gtest/gtest.h>

#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/UserClick.h"
#include "unit/RecordingHost.h"

namespace veltrin {
namespace {

using Calls = std::vector<std::string>;

class Navigation : public ::testing::Test {
  protected:
    void SetUp() override {
        c.host = &host;
        SetYearRange(c, 1900, 2100);
    }
    // Stands on a day of a style with everything computed; the calls made so far are forgotten.
    void GoTo(int style, int day, int month, int year) {
        GoToDate(c, style, day, month, year);
        host.calls.clear();
    }
    std::string Date() const {
        const StyleDate& r = c.Cur();
        return std::to_string(r.Day) + "." + std::to_string(r.Month) + "." + std::to_string(r.Year);
    }
    Calendar c;
    test::RecordingHost host;
};

// The range in each style: from its first day of 1900 (7408) to its last of 2100 (7608).
TEST_F(Navigation, RangeBounds) {
    EXPECT_EQ(c.MinDay[kAnnoMundi], ComputeDayNumber(kJulian, 1, 9, 1899));
    EXPECT_EQ(c.MaxDay[kAnnoMundi], ComputeDayNumber(kJulian, 31, 8, 2100));
    EXPECT_EQ(c.MinDay[kGregorian], ComputeDayNumber(kGregorian, 1, 1, 1900));
    EXPECT_EQ(c.MaxDay[kJulian], ComputeDayNumber(kJulian, 31, 12, 2100));
}

TEST_F(Navigation, DaysAndWeeksInsideAndAcrossTheYear) {
    GoTo(kGregorian, 30, 12, 2025);
    StepForward(c, kWeekdaySelector);  // inside the year: no year recomputation
    EXPECT_EQ(Date(), "31.12.2025");
    EXPECT_EQ(host.calls, (Calls{"SetGridCal", "RefreshView"}));
    host.calls.clear();
    StepForward(c, kWeekdaySelector);
    EXPECT_EQ(Date(), "1.1.2026");
    EXPECT_EQ(host.calls, (Calls{"SetWeeks", "SetGridCal", "RefreshView"}));
    EXPECT_EQ(c.Cur().YearFirstDay, ComputeDayNumber(kGregorian, 1, 1, 2026));
    // Into another month of the same year.
    GoTo(kGregorian, 28, 1, 2026);
    StepForward(c, kWeekSelector);
    EXPECT_EQ(Date(), "4.2.2026");
    EXPECT_EQ(host.calls, (Calls{"SetGridCal", "RefreshView"}));
    // The Anno Mundi year turns on 1 September.
    GoTo(kAnnoMundi, 31, 12, 7533);  // 31 August
    const int16_t weeks = c.Cur().YearWeeks;
    StepForward(c, kWeekdaySelector);
    EXPECT_EQ(Date(), "1.1.7534");
    EXPECT_EQ(c.StyleDates[kJulian].Month, 9);
    EXPECT_GT(weeks, 0);
    EXPECT_EQ(c.Cur().WeekOfYear, 1);
}

TEST_F(Navigation, MonthAndYearStepsClampTheDay) {
    GoTo(kJulian, 31, 1, 2025);
    StepForward(c, kMonthSelector);
    EXPECT_EQ(Date(), "28.2.2025");
    GoTo(kJulian, 31, 1, 2024);
    StepForward(c, kMonthSelector);
    EXPECT_EQ(Date(), "29.2.2024");
    StepForward(c, kYearSelector);
    EXPECT_EQ(Date(), "28.2.2025");
    GoTo(kGregorian, 31, 12, 2025);
    StepForward(c, kMonthSelector);
    EXPECT_EQ(Date(), "31.1.2026");
    StepBack(c, kMonthSelector);
    EXPECT_EQ(Date(), "31.12.2025");
}

// At both ends of the range, in every style, every step outward is refused with one beep and
// leaves the day as it was; the window is refreshed all the same.
TEST_F(Navigation, RefusalsAtTheEndsOfTheRange) {
    for (int style = kAnnoMundi; style <= kGregorian; ++style) {
        for (const bool atStart : {true, false}) {
            const int year = atStart ? c.MinYear[style] : c.MaxYear[style];
            for (const int kind :
                 {kYearSelector, kMonthSelector, kWeekSelector, kWeekdaySelector}) {
                GoTo(style, atStart ? 1 : 31, atStart ? 1 : 12, year);
                const int32_t before = c.CurDayNum;
                if (atStart)
                    StepBack(c, kind);
                else
                    StepForward(c, kind);
                EXPECT_EQ(c.CurDayNum, before) << style << " " << kind;
                EXPECT_EQ(host.calls, (Calls{"Beep", "SetGridCal", "RefreshView"}))
                    << style << " " << kind;
            }
            // A choice in the week selector that leaves the range is set back.
            GoTo(style, atStart ? 1 : 31, atStart ? 1 : 12, year);
            const int32_t before = c.CurDayNum;
            SelectorChanged(c, kWeekSelector, atStart ? 0 : 5, atStart ? 1 : 4);
            EXPECT_EQ(c.CurDayNum, before);
            EXPECT_EQ(host.calls,
                      (Calls{"Beep", "SetSelectorPosition 3 " + std::to_string(atStart ? 1 : 4),
                             "SetGridCal", "RefreshView"}));
        }
    }
}

TEST_F(Navigation, StyleSwitches) {
    GoTo(kJulian, 25, 12, 2100);
    EXPECT_EQ(c.CurDayNum, 2488442);
    StepForward(c, kStyleSelector);  // to the Gregorian style: past its last day
    EXPECT_EQ(c.CurStyle, kJulian);
    StepBack(c, kStyleSelector);  // to Anno Mundi: past 31 August 2100
    EXPECT_EQ(c.CurStyle, kJulian);
    EXPECT_EQ(host.calls,
              (Calls{"Beep", "SetGridCal", "RefreshView", "Beep", "SetGridCal", "RefreshView"}));
    host.calls.clear();
    SelectorChanged(c, kStyleSelector, 2, 1);
    EXPECT_EQ(host.calls, (Calls{"Beep", "SetSelectorPosition 0 1", "SetGridCal", "RefreshView"}));

    GoTo(kJulian, 1, 9, 2025);
    StepBack(c, kStyleSelector);
    EXPECT_EQ(c.CurStyle, kAnnoMundi);
    EXPECT_EQ(c.Cur().Year, 7534);
    EXPECT_EQ(c.Cur().Month, 1);
    EXPECT_EQ(c.Cur().YearFirstDay, c.CurDayNum);  // the Anno Mundi year begins that day
    StepBack(c, kStyleSelector);                   // 1 wraps to 3
    EXPECT_EQ(c.CurStyle, kGregorian);
    EXPECT_EQ(Date(), "14.9.2025");
}

TEST_F(Navigation, SelectorsAndPicks) {
    GoTo(kGregorian, 10, 6, 2025);  // a Tuesday
    const int16_t weekday = c.CurWeekday;
    SelectorChanged(c, kWeekSelector, 13, 10);
    EXPECT_EQ(Date(), "1.7.2025");
    EXPECT_EQ(c.CurWeekday, weekday);
    SelectorChanged(c, kWeekdaySelector, 0, 2);  // inside the current week only
    EXPECT_EQ(Date(), "29.6.2025");
    SelectorChanged(c, kYearSelector, 0, 125);
    EXPECT_EQ(Date(), "29.6.1900");
    SelectorChanged(c, kMonthSelector, 1, 5);
    EXPECT_EQ(Date(), "28.2.1900");  // 1900 is a common Gregorian year

    GoTo(kGregorian, 15, 1, 2025);
    PickDay(c, 3);
    EXPECT_EQ(Date(), "3.1.2025");
    EXPECT_EQ(host.calls, Calls{"RefreshView"});
    PickDayInAdjacentMonth(c, 30, 1);
    EXPECT_EQ(Date(), "30.12.2024");
    PickDayInAdjacentMonth(c, 2, 6);
    EXPECT_EQ(Date(), "2.1.2025");
    PickDayInAdjacentMonth(c, 1, 6);
    EXPECT_EQ(Date(), "1.2.2025");
}

TEST_F(Navigation, TodayAndStart) {
    c.today = [] { return CivilDate{7, 1, 2026}; };
    StartCalendar(c, kJulian);
    EXPECT_EQ(c.CurStyle, kJulian);
    EXPECT_EQ(Date(), "25.12.2025");
    EXPECT_EQ(c.CurDayNum, ComputeDayNumber(kGregorian, 7, 1, 2026));
    StepBack(c, kYearSelector);
    host.calls.clear();
    GoToday(c);
    EXPECT_EQ(Date(), "25.12.2025");
    EXPECT_EQ(host.calls, (Calls{"SetWeeks", "SetGridCal", "RefreshView"}));
}

}  // namespace
}  // namespace veltrin
