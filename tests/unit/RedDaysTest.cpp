// The red days of the month grid: a month file's "Red=1", or a red movable row on the day.

#include <gtest/gtest.h>

#include "data/RedDays.h"
#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"
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
        bases.LoadAll(dir.path());
    }
    // The red days of a month of a style, by their number in the month.
    std::vector<int> Red(int style, int month, int year) {
        const int32_t first = ComputeDayNumber(style, 1, month, year);
        const int32_t last = first + MonthLength(style, month, year) - 1;
        const std::vector<bool> red = RedDaysBetween(bases, first, last);
        EXPECT_EQ(red.size(), static_cast<size_t>(last - first + 1));
        std::vector<int> days;
        for (size_t i = 0; i < red.size(); ++i)
            if (red[i]) days.push_back(static_cast<int>(i) + 1);
        return days;
    }
    test::TempDataDir dir;
    Bases bases;
};

TEST_F(RedDays, MonthFileMarksAreRedOnlyWithTheValueOne) {
    EXPECT_EQ(Red(kJulian, 12, 2025), std::vector<int>{25});  // "yes" and "" are not 1
    EXPECT_EQ(Red(kJulian, 1, 2025), (std::vector<int>{1, 6}));
}

TEST_F(RedDays, GregorianDaysTakeTheMarkOfTheirJulianDate) {
    // 7 January is Julian 25 December, 14 and 19 January are Julian 1 and 6 January.
    EXPECT_EQ(Red(kGregorian, 1, 2026), (std::vector<int>{7, 14, 19}));
}

TEST_F(RedDays, RedMovableRowsAndTheAnnoMundiMonths) {
    EXPECT_EQ(Red(kJulian, 4, 2025), std::vector<int>{7});  // Pascha 2025 is Julian 7 April
    // Anno Mundi month 2 of 7534 is October 2025: St Demetrius' Saturday is red.
    const std::vector<int> october = Red(kAnnoMundi, 2, 7534);
    ASSERT_EQ(october.size(), 1u);
    const int32_t saturday = ComputeDayNumber(kJulian, october[0], 10, 2025);
    EXPECT_EQ(WeekdayOf(saturday), 6);
    EXPECT_LT(october[0], 27);
    EXPECT_GE(october[0], 15);
}

}  // namespace
}  // namespace veltrin
