#include <gtest/gtest.h>

#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/UserClick.h"
#include "reports/CalendarSystem.h"
#include "unit/RecordingHost.h"
#include "unit/TempDataDir.h"

namespace veltrin {
namespace {

class RedDays : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.Write("December.DAT",
                  "[25]\nRed=1\n0=Рождество.\n[26]\nred=yes\n1=Собор.\n[27]\nRED=\n1=Стефан.\n");
        dir.Write("January.DAT", "[1]\nred=1\n[6]\nred=1\n[7]\nred=0\n");
        dir.Write("Relocatable.DAT", "[1]\nabout=Pascha\nred=1\n[2]\nabout=not red\ndays=1\n");
        dir.Write("SpecWeekDays.DAT",
                  "[1]\nabout=1\n[2]\nabout=2\n[3]\nabout=3\n[4]\nabout=Demetrius\nred=1\n[5]"
                  "\nabout=5\n[6]\nabout=6\n");
        sys.LoadData(dir.path());
        sys.window = &host;
    }
    void Month(int style, int month, int year) { GoToDate(sys.calendar, style, 1, month, year); }
    std::vector<int> Red() const {
        std::vector<int> days;
        for (size_t i = 0; i < sys.bases.RedDays.size(); ++i)
            if (sys.bases.RedDays[i]) days.push_back(static_cast<int>(i) + 1);
        return days;
    }
    test::TempDataDir dir;
    CalendarSystem sys;
    test::RecordingHost host;
};

TEST_F(RedDays, MonthFileMarksAreRedOnlyWithTheValueOne) {
    Month(kJulian, 12, 2025);
    EXPECT_EQ(sys.bases.RedDays.size(), 31u);
    EXPECT_EQ(Red(), std::vector<int>{25});  // "yes" and an empty value are not 1
    Month(kJulian, 1, 2025);
    EXPECT_EQ(Red(), (std::vector<int>{1, 6}));
}

TEST_F(RedDays, GregorianDaysTakeTheMarkOfTheirJulianDate) {
    Month(kGregorian, 1, 2026);
    const int32_t before = sys.calendar.CurDayNum;
    // 7 January is Julian 25 December, 14 and 19 January are Julian 1 and 6 January.
    EXPECT_EQ(Red(), (std::vector<int>{7, 14, 19}));
    EXPECT_EQ(sys.calendar.CurDayNum, before);
    EXPECT_EQ(sys.calendar.StyleDates[kJulian].Month, 12);  // the walk left the day as it was
}

TEST_F(RedDays, RedMovableRowsAndTheAnnoMundiMonths) {
    Month(kJulian, 4, 2025);  // Pascha 2025 is Julian 7 April
    EXPECT_EQ(Red(), std::vector<int>{7});
    // Anno Mundi month 2 is October; St Demetrius' Saturday is red, and nothing beeps.
    Month(kAnnoMundi, 2, 7534);
    const int32_t demetrius = sys.bases.SpecWd[3].DatePrev;
    ASSERT_NE(demetrius, 0);
    EXPECT_EQ(Red(),
              std::vector<int>{static_cast<int>(demetrius - sys.calendar.Cur().MonthFirstDay + 1)});
    host.calls.clear();
    StepForward(sys.calendar, kMonthSelector);
    StepBack(sys.calendar, kMonthSelector);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "Beep"), 0);
    // A row that does not occur marks nothing.
    sys.bases.SpecWd[3].Date = sys.bases.SpecWd[3].DatePrev = 0;
    ComputeMonthData(sys.calendar);
    EXPECT_TRUE(Red().empty());
}

}  // namespace
}  // namespace veltrin
