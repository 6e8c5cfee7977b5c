#include <gtest/gtest.h>

#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/StyleConversions.h"

namespace veltrin {
namespace {

TEST(DayNumbers, KnownDays) {
    EXPECT_EQ(ComputeDayNumber(kGregorian, 1, 1, 2000), 2451545);
    EXPECT_EQ(WeekdayOf(2451545), 6);  // a Saturday
    EXPECT_EQ(ComputeDayNumber(kJulian, 1, 1, 1), 1721424);
    EXPECT_EQ(ComputeDayNumber(kAnnoMundi, 1, 1, 7509), 2451802);  // 1 September 2000 Julian
    EXPECT_EQ(ComputeDayNumber(kJulian, 1, 9, 2000), 2451802);
    // The Gregorian century correction in January and February of 1900 and 2100, not of 2000.
    EXPECT_EQ(ComputeDayNumber(kGregorian, 1, 3, 1900) - ComputeDayNumber(kGregorian, 28, 2, 1900),
              1);
    EXPECT_EQ(ComputeDayNumber(kGregorian, 1, 3, 2100) - ComputeDayNumber(kGregorian, 28, 2, 2100),
              1);
    EXPECT_EQ(ComputeDayNumber(kGregorian, 1, 3, 2000) - ComputeDayNumber(kGregorian, 28, 2, 2000),
              2);
}

TEST(DayNumbers, WeekArithmetic) {
    EXPECT_EQ(WeekdayPosition(7, 7), 1);
    EXPECT_EQ(WeekdayPosition(7, 1), 2);
    EXPECT_EQ(WeekdayPosition(7, 6), 7);
    EXPECT_EQ(WeekdayPosition(1, 1), 1);
    EXPECT_EQ(WeekdayPosition(1, 7), 7);
    // A year that begins on a Saturday: its first Sunday opens week 2.
    EXPECT_EQ(WeekNumber(2451545, 6, 2451545), 1);
    EXPECT_EQ(WeekNumber(2451545, 6, 2451546), 2);
    EXPECT_EQ(WeekNumber(2451546, 7, 2451552), 1);
    EXPECT_EQ(WeekNumber(2451546, 7, 2451553), 2);
}

struct Date {
    int year, month, day;
};

Date Record(const Calendar& c, int style) {
    const StyleDate& r = c.StyleDates[style];
    return {r.Year, r.Month, r.Day};
}

TEST(StyleConversions, EdgeDays) {
    Calendar c;
    SetDayFromNumber(c, 2451917);  // 7 January 2001
    EXPECT_EQ(Record(c, kGregorian).day, 7);
    EXPECT_EQ(Record(c, kJulian).year, 2000);
    EXPECT_EQ(Record(c, kJulian).month, 12);
    EXPECT_EQ(Record(c, kJulian).day, 25);
    EXPECT_EQ(Record(c, kAnnoMundi).year, 7509);
    EXPECT_EQ(Record(c, kAnnoMundi).month, 4);

    const auto gregorianOf = [&](int d, int m, int y) {
        SetDayFromNumber(c, ComputeDayNumber(kJulian, d, m, y));
        return Record(c, kGregorian);
    };
    Date g = gregorianOf(29, 2, 1900);
    EXPECT_EQ(g.month * 100 + g.day, 313);
    g = gregorianOf(1, 3, 1900);
    EXPECT_EQ(g.month * 100 + g.day, 314);
    g = gregorianOf(29, 2, 2100);
    EXPECT_EQ(g.month * 100 + g.day, 314);

    // The last day of a Julian leap year is day 366.
    SetDayFromNumber(c, ComputeDayNumber(kJulian, 31, 12, 2000));
    EXPECT_EQ(Record(c, kJulian).month, 12);
    EXPECT_EQ(Record(c, kJulian).day, 31);
    EXPECT_EQ(c.StyleDates[kJulian].YearDays, 366);
}

// Every day of the widest range goes there and back in every style.
TEST(StyleConversions, RoundTripsOverTheWholeRange) {
    Calendar c;
    const int32_t first = ComputeDayNumber(kJulian, 1, 1, 325);
    const int32_t last = ComputeDayNumber(kJulian, 31, 12, 2325);
    Date prevJulian{0, 0, 0};
    for (int32_t d = first; d <= last; ++d) {
        SetDayFromNumber(c, d);
        for (int s = kAnnoMundi; s <= kGregorian; ++s) {
            const Date r = Record(c, s);
            ASSERT_GE(r.day, 1);
            ASSERT_LE(r.day, c.StyleDates[s].MonthDays[r.month]) << d << " style " << s;
            ASSERT_EQ(ComputeDayNumber(s, r.day, r.month, r.year), d) << "style " << s;
        }
        // The Anno Mundi year turns on 1 September.
        const Date j = Record(c, kJulian), am = Record(c, kAnnoMundi);
        ASSERT_EQ(am.year, j.year + (j.month >= 9 ? 5509 : 5508));
        // Going back from Anno Mundi gives the same Julian date.
        Calendar back;
        back.StyleDates[kAnnoMundi] = c.StyleDates[kAnnoMundi];
        AnnoMundiToJulian(back);
        ASSERT_EQ(Record(back, kJulian).year, j.year);
        ASSERT_EQ(Record(back, kJulian).month, j.month);
        ASSERT_EQ(Record(back, kJulian).day, j.day);
        if (prevJulian.year != 0 && j.day != 1) {
            ASSERT_EQ(j.day, prevJulian.day + 1);
        }
        prevJulian = j;
    }
}

}  // namespace
}  // namespace veltrin
