// The arithmetic of the calendars: day numbers, the three year styles, the Paschalion, the weeks
// of the church year, the tones and the indiction.

#include <gtest/gtest.h>

#include "reckoning/Calculate.h"
#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"

namespace veltrin {
namespace {

// Pascha by the Julian computus as the astronomers write it (a different route from the program's).
int32_t PaschaByComputus(int year) {
    const int a = year % 4, b = year % 7, c = year % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    const int month = (d + e + 114) / 31;
    const int day = (d + e + 114) % 31 + 1;
    return ComputeDayNumber(kJulian, day, month, year);
}

std::string Text(const CivilDate& d) {
    return std::to_string(d.day) + "." + std::to_string(d.month) + "." + std::to_string(d.year);
}

TEST(DayNumbers, KnownDaysAndWeeks) {
    EXPECT_EQ(ComputeDayNumber(kGregorian, 1, 1, 2000), 2451545);
    EXPECT_EQ(WeekdayOf(2451545), 6);  // a Saturday
    EXPECT_EQ(ComputeDayNumber(kJulian, 1, 1, 1), 1721424);
    EXPECT_EQ(ComputeDayNumber(kAnnoMundi, 1, 1, 7509), 2451802);  // 1 September 2000 Julian
    // The Gregorian century correction in February of 1900 and 2100, not of 2000.
    EXPECT_EQ(ComputeDayNumber(kGregorian, 1, 3, 1900) - ComputeDayNumber(kGregorian, 28, 2, 1900),
              1);
    EXPECT_EQ(ComputeDayNumber(kGregorian, 1, 3, 2000) - ComputeDayNumber(kGregorian, 28, 2, 2000),
              2);
    EXPECT_EQ(WeekdayPosition(7, 6), 7);
    EXPECT_EQ(WeekdayPosition(1, 7), 7);
    // A year that begins on a Saturday: its first Sunday opens week 2.
    EXPECT_EQ(WeekNumber(2451545, 6, 2451545), 1);
    EXPECT_EQ(WeekNumber(2451545, 6, 2451546), 2);
}

TEST(Dates, EdgeDays) {
    const int32_t nativity = 2451917;  // 7 January 2001
    EXPECT_EQ(Text(GregorianDateOf(nativity)), "7.1.2001");
    EXPECT_EQ(Text(JulianDateOf(nativity)), "25.12.2000");
    EXPECT_EQ(Text(AnnoMundiDateOf(nativity)), "25.4.7509");
    EXPECT_EQ(Text(GregorianDateOf(ComputeDayNumber(kJulian, 29, 2, 1900))), "13.3.1900");
    EXPECT_EQ(Text(GregorianDateOf(ComputeDayNumber(kJulian, 29, 2, 2100))), "14.3.2100");
    EXPECT_EQ(Text(JulianDateOf(ComputeDayNumber(kJulian, 31, 12, 2000))), "31.12.2000");
    const StyleDate r = StyleDateOf(kAnnoMundi, nativity);
    EXPECT_EQ(r.YearFirstDay, ComputeDayNumber(kJulian, 1, 9, 2000));
    EXPECT_EQ(r.MonthDays[6], 28);        // February 2001
    EXPECT_EQ(r.WeekFirstDay, nativity);  // a Sunday opens its week
    EXPECT_EQ(StyleDateOf(kJulian, nativity + 1).WeekFirstDay, nativity);
}

// Every day of the widest range goes there and back in every style, and the days follow on.
TEST(Dates, RoundTripsOverTheWholeRange) {
    const int32_t first = ComputeDayNumber(kJulian, 1, 1, 325);
    const int32_t last = ComputeDayNumber(kJulian, 31, 12, 2325);
    CivilDate previous = JulianDateOf(first - 1);
    for (int32_t d = first; d <= last; ++d) {
        for (int s = kAnnoMundi; s <= kGregorian; ++s) {
            const CivilDate r = DateOf(s, d);
            ASSERT_GE(r.day, 1);
            ASSERT_LE(r.day, MonthLength(s, r.month, r.year)) << d << " style " << s;
            ASSERT_EQ(ComputeDayNumber(s, r.day, r.month, r.year), d) << "style " << s;
        }
        const CivilDate j = JulianDateOf(d), am = AnnoMundiDateOf(d);
        ASSERT_EQ(am.year, j.year + (j.month >= 9 ? 5509 : 5508));  // the year turns on 1 Sept
        ASSERT_TRUE(j.day == previous.day + 1 || j.day == 1) << d;
        previous = j;
    }
}

TEST(Paschalion, EveryYearOfTheWidestRange) {
    EXPECT_EQ(Text(GregorianDateOf(PaschaOf(2001))), "15.4.2001");
    EXPECT_EQ(Text(GregorianDateOf(PaschaOf(2025))), "20.4.2025");
    EXPECT_EQ(PaschaOf(2010), ComputeDayNumber(kJulian, 22, 3, 2010));  // the earliest
    for (int year = 325; year <= 2325; ++year) {
        const int32_t p = PaschaOf(year);
        ASSERT_EQ(p, PaschaByComputus(year)) << year;
        ASSERT_EQ(WeekdayOf(p), 7) << year;
    }
    EXPECT_EQ(PaschalionOf(kAnnoMundi, 7509).PaschaDay, PaschaOf(2001));
}

// The number at the front of a week name or phrase.
int Number(const std::string& text) {
    return std::atoi(text.c_str());
}

// Week list and day phrases agree, for every year of the range in every style.
TEST(Paschalion, WeekListOfEveryYear) {
    for (int style = kAnnoMundi; style <= kGregorian; ++style) {
        for (int ad = 326; ad <= 2324; ++ad) {
            const int year = style == kAnnoMundi ? ad + kAnnoMundiOffset : ad;
            const int32_t firstDay = ComputeDayNumber(style, 1, 1, year);
            const StyleDate r = StyleDateOf(style, firstDay);
            const PaschaBlock p = PaschalionOf(style, year);
            ASSERT_EQ(r.YearWeeks, p.PaschaWeek + 6 + p.YearEndPentWeek) << style << " " << year;
            ASSERT_EQ(WeekName(p, p.PaschaWeek), "Светлая седмица");
            ASSERT_EQ(WeekName(p, p.PaschaWeek - 10), "О мытаре и фарисее");
            // After Pentecost the list counts on without a gap to the year's end.
            int previous = 0;
            for (int w = p.PaschaWeek + 7; w <= r.YearWeeks; ++w) {
                const int n = Number(WeekName(p, w));
                ASSERT_EQ(n, previous == 0 ? 1 : previous + 1);
                previous = n;
            }
            ASSERT_EQ(previous, p.YearEndPentWeek);
            // The first week of the year continues the count from last year's Pentecost.
            ASSERT_EQ(Number(WeekName(p, 1)), p.YearStartPentWeek);
            // Each weekday names its own week.
            for (int32_t d = r.YearFirstDay; d <= r.YearLastDay; d += 3) {
                const int w = StyleDateOf(style, d).WeekOfYear;
                const int weekday = WeekdayOf(d);
                if (weekday == 7 || w == p.PaschaWeek - 8 || w == p.PaschaWeek - 9 ||
                    w == p.PaschaWeek - 10 || w == p.PaschaWeek - 1 || w == p.PaschaWeek)
                    continue;
                ASSERT_EQ(Number(DayWeekPhrase(p, w, weekday)), Number(WeekName(p, w)))
                    << style << " " << year << " week " << w;
            }
        }
    }
}

TEST(Paschalion, DayPhrases) {
    const PaschaBlock p = PaschalionOf(kJulian, 2025);
    const int P = p.PaschaWeek;
    EXPECT_EQ(DayWeekPhrase(p, P - 7, 1), "1-ой седмицы Великого поста.");
    EXPECT_EQ(DayWeekPhrase(p, P, 7), "1-я по Пасхе.");
    EXPECT_EQ(DayWeekPhrase(p, P + 8, 7), "1-я по Пятидесятнице.");
    // A Monday of Cheesefare week is still counted after Pentecost.
    EXPECT_NE(DayWeekPhrase(p, P - 8, 1).find("по Пятидесятнице"), std::string::npos);
}

TEST(Paschalion, Tones) {
    const int32_t P = PaschaOf(2025);
    for (int b = -7; b <= 6; ++b)
        EXPECT_EQ(ToneOf(P + b), 0) << b;
    for (int b = 49; b <= 55; ++b)
        EXPECT_EQ(ToneOf(P + b), 0) << b;
    EXPECT_EQ(ToneOf(P + 7), 1);   // Thomas Sunday
    EXPECT_EQ(ToneOf(P + 56), 8);  // All Saints
    EXPECT_EQ(ToneOf(P + 63), 1);
    // Before Pascha the tones run on from last year's: the week of the Publican in 2025.
    const int32_t weeksSince = (P - 70 - PaschaOf(2024) - 7) / 7;
    EXPECT_EQ(ToneOf(P - 70), (weeksSince + 1) % 8 == 0 ? 8 : (weeksSince + 1) % 8);
    // The tone of a week is the tone of its Sunday.
    for (int32_t d = P + 56; d < P + 63; ++d)
        EXPECT_EQ(ToneOf(d), 8);
}

TEST(Paschalion, Indiction) {
    EXPECT_EQ(IndictionYear(7509).yearInCycle, 61);
    EXPECT_EQ(IndictionYear(7509).cycle, 15);
    EXPECT_EQ(IndictionYear(7448).yearInCycle, 532);
    EXPECT_EQ(IndictionYear(7448).cycle, 14);
    EXPECT_EQ(IndictionText(IndictionYear(7449)), "1-й год 15-го индиктиона");
}

}  // namespace
}  // namespace veltrin
