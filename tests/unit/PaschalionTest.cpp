#include <gtest/gtest.h>

#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"
#include "reckoning/StyleConversions.h"

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

// A calendar standing on a day of a style, with its year data computed.
Calendar At(int style, int day, int month, int year) {
    Calendar c;
    SetYearRange(c, 325, 2325);
    GoToDate(c, style, day, month, year);
    return c;
}

std::string GregorianOf(int32_t day) {
    Calendar c;
    SetDayFromNumber(c, day);
    const StyleDate& g = c.StyleDates[kGregorian];
    return std::to_string(g.Day) + "." + std::to_string(g.Month);
}

TEST(Paschalion, KnownYears) {
    Calendar c;
    c.CurStyle = kGregorian;
    const std::pair<int, const char*> known[] = {{2000, "30.4"}, {2001, "15.4"}, {2002, "5.5"},
                                                 {2010, "4.4"},  {2011, "24.4"}, {2013, "5.5"},
                                                 {2024, "5.5"},  {2025, "20.4"}};
    for (const auto& [year, date] : known)
        EXPECT_EQ(GregorianOf(ComputePascha(c, year)), date) << year;
    EXPECT_EQ(ComputePascha(c, 2010), ComputeDayNumber(kJulian, 22, 3, 2010));  // the earliest
    c.CurStyle = kAnnoMundi;
    const int32_t am = ComputePascha(c, 7509);
    EXPECT_EQ(c.Pascha.PaschaYear, 2001);
    c.CurStyle = kJulian;
    EXPECT_EQ(am, ComputePascha(c, 2001));
}

TEST(Paschalion, EveryYearOfTheWidestRange) {
    Calendar c;
    for (int year = 325; year <= 2325; ++year) {
        const int32_t p = ComputePascha(c, year);
        ASSERT_EQ(p, PaschaByComputus(year)) << year;
        ASSERT_EQ(WeekdayOf(p), 7) << year;
        ASSERT_GE(p, ComputeDayNumber(kJulian, 22, 3, year));
        ASSERT_LE(p, ComputeDayNumber(kJulian, 25, 4, year));
    }
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
            Calendar c = At(style, 1, 1, year);
            const StyleDate& r = c.Cur();
            const PaschaBlock& p = c.Pascha;
            ASSERT_EQ(r.YearWeeks, p.PaschaWeek + 6 + p.YearEndPentWeek) << style << " " << year;
            ASSERT_EQ(WeekName(c, p.PaschaWeek), "Светлая седмица");
            ASSERT_EQ(WeekName(c, p.PaschaWeek - 10), "О мытаре и фарисее");
            // After Pentecost the list counts on without a gap to the year's end.
            int previous = 0;
            for (int w = p.PaschaWeek + 7; w <= r.YearWeeks; ++w) {
                const int n = Number(WeekName(c, w));
                ASSERT_EQ(n, previous == 0 ? 1 : previous + 1);
                previous = n;
            }
            ASSERT_EQ(previous, p.YearEndPentWeek);
            // The first week of the year continues the count from last year's Pentecost.
            ASSERT_EQ(Number(WeekName(c, 1)), p.YearStartPentWeek);
            // Each day names its own week: a weekday phrase carries the week's number.
            const int32_t first = r.YearFirstDay, last = r.YearLastDay;
            for (int32_t d = first; d <= last; d += 3) {
                Calendar day = c;
                SetWalkDay(day, d);
                const int w = WeekNumber(first, r.YearFirstWeekday, d);
                ASSERT_GE(w, 1);
                ASSERT_LE(w, r.YearWeeks);
                if (day.CurWeekday == 7 || w == p.PaschaWeek - 8 || w == p.PaschaWeek - 9 ||
                    w == p.PaschaWeek - 10 || w == p.PaschaWeek - 1 || w == p.PaschaWeek)
                    continue;
                ASSERT_EQ(Number(DayWeekPhrase(c, w, day.CurWeekday)), Number(WeekName(c, w)))
                    << style << " " << year << " week " << w;
            }
        }
    }
}

TEST(Paschalion, DayPhrases) {
    Calendar c = At(kJulian, 1, 1, 2025);
    const int P = c.Pascha.PaschaWeek;
    EXPECT_EQ(DayWeekPhrase(c, P - 7, 1), "1-ой седмицы Великого поста.");
    EXPECT_EQ(DayWeekPhrase(c, P - 1, 3), "Страстной седмицы.");
    EXPECT_EQ(DayWeekPhrase(c, P, 7), "1-я по Пасхе.");
    EXPECT_EQ(DayWeekPhrase(c, P + 2, 7), "3-я по Пасхе.");
    EXPECT_EQ(DayWeekPhrase(c, P + 8, 7), "1-я по Пятидесятнице.");
    EXPECT_EQ(DayWeekPhrase(c, P - 6, 7), "1-я Великого поста.");
    // A Monday of Cheesefare week is still counted after Pentecost.
    EXPECT_NE(DayWeekPhrase(c, P - 8, 1).find("по Пятидесятнице"), std::string::npos);
}

TEST(Paschalion, Tones) {
    Calendar c = At(kJulian, 1, 6, 2025);
    const int32_t P = c.Pascha.PaschaDay;
    for (int b = -7; b <= 6; ++b)
        EXPECT_EQ(ToneOfDay(c, P + b), 0) << b;
    for (int b = 49; b <= 55; ++b)
        EXPECT_EQ(ToneOfDay(c, P + b), 0) << b;
    EXPECT_EQ(ToneOfDay(c, P + 7), 1);   // Thomas Sunday
    EXPECT_EQ(ToneOfDay(c, P + 56), 8);  // All Saints
    EXPECT_EQ(ToneOfDay(c, P + 63), 1);
    EXPECT_NE(ToneOfDay(c, P - 8), 0);  // Lazarus Saturday, counted from last year's Pascha
    const int32_t fromLastYear = P - 8 - c.Pascha.PrevPaschaDay - 7;
    EXPECT_EQ(ToneOfDay(c, P - 8),
              (fromLastYear / 7 + 1) % 8 == 0 ? 8 : (fromLastYear / 7 + 1) % 8);
}

TEST(Paschalion, Indiction) {
    EXPECT_EQ(IndictionYear(7509).yearInCycle, 61);
    EXPECT_EQ(IndictionYear(7509).cycle, 15);
    EXPECT_EQ(IndictionYear(7448).yearInCycle, 532);
    EXPECT_EQ(IndictionYear(7448).cycle, 14);
    EXPECT_EQ(IndictionYear(7449).yearInCycle, 1);
    EXPECT_EQ(IndictionYear(7449).cycle, 15);
    EXPECT_EQ(IndictionText(IndictionYear(7449)), "1-й год 15-го индиктиона");
}

}  // namespace
}  // namespace veltrin
