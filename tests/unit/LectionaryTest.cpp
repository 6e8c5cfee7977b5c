// The cycle of the Liturgy readings: its rules on the years that exercise them, and the printed
// form.

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "data/Readings.h"
#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/LectionaryCycle.h"
#include "reckoning/Paschalion.h"
#include "reports/ReadingsText.h"

namespace veltrin {
namespace {

int32_t J(int day, int month, int year) {
    return ComputeDayNumber(kJulian, day, month, year);
}

// The winter: with two added weeks or more the Sunday before the Publican reads the 32nd Gospel,
// of Zacchaeus; before the added weeks the autumn count runs on.
TEST(Lectionary, WinterWeeksEndWithZacchaeus) {
    for (int year = 1900; year <= 2100; ++year) {
        const CycleYear c = CycleYearOf(year);
        if (c.winterWeeks == 0) continue;
        if (c.winterWeeks >= 2) {
            ASSERT_EQ(LectionaryPlaceOf(c.pascha - 77).gospelWeek, 32) << year;
        }
        ASSERT_GE(c.winterStart, J(7, 1, year)) << year;
        // Before the added weeks the count goes on from last year's autumn, Luke included.
        const int32_t before = c.winterStart - 1;
        const CyclePlace p = LectionaryPlaceOf(before);
        ASSERT_EQ(p.gospelWeek - p.apostleWeek, CycleYearOf(year - 1).autumnShift) << year;
    }
}

TEST(Lectionary, RulesOnTheYearsThatNeedThem) {
    std::map<int, int> shifts, winters;
    for (int year = 1900; year <= 2100; ++year) {
        const CycleYear c = CycleYearOf(year);
        ++shifts[c.autumnShift];
        ++winters[c.winterWeeks];
        // Luke begins on the Monday after the Sunday after the Exaltation.
        ASSERT_EQ(LectionaryPlaceOf(c.sundayAfterExaltation + 1).gospelWeek, 18) << year;
        const int32_t P = c.pascha;
        ASSERT_EQ(LectionaryPlaceOf(P - 70).gospelWeek, 33);
        ASSERT_EQ(LectionaryPlaceOf(P - 69).gospelWeek, 34);
        ASSERT_EQ(LectionaryPlaceOf(P - 49).apostleWeek, 36);
        ASSERT_TRUE(LectionaryPlaceOf(P - 48).fromPascha);
        ASSERT_TRUE(LectionaryPlaceOf(P + 48).fromPascha);
        ASSERT_EQ(LectionaryPlaceOf(P + 49).gospelWeek, 0);
        ASSERT_EQ(LectionaryPlaceOf(P + 56).matinsGospel, 1);  // All Saints
        // The Apostle never jumps.
        ASSERT_EQ(LectionaryPlaceOf(c.sundayAfterExaltation + 1).apostleWeek,
                  LectionaryPlaceOf(c.sundayAfterExaltation).apostleWeek + 1);
    }
    // Every length of the autumn jump and of the winter weeks occurs in the range.
    for (int shift = -2; shift <= 3; ++shift)
        EXPECT_GT(shifts[shift], 0) << shift;
    for (int weeks = 0; weeks <= 5; ++weeks)
        EXPECT_GT(winters[weeks], 0) << weeks;
}

TEST(Lectionary, SundayGospelsOfMatins) {
    // The first Sunday of Lent 2011 sang the ninth; 2026's the fifth.
    EXPECT_EQ(LectionaryPlaceOf(PaschaOf(2011) - 42).matinsGospel, 9);
    EXPECT_EQ(LectionaryPlaceOf(PaschaOf(2026) - 42).matinsGospel, 5);
    EXPECT_EQ(LectionaryPlaceOf(PaschaOf(2026) - 41).matinsGospel, 0);  // a Monday
    // Every Sunday outside Pascha to Pentecost has one, running on in elevens.
    int previous = 0;
    for (int32_t d = PaschaOf(2025) + 56; d < PaschaOf(2026) - 7; d += 7) {
        const int n = LectionaryPlaceOf(d).matinsGospel;
        ASSERT_GE(n, 1);
        if (previous != 0) {
            ASSERT_EQ(n, previous % 11 + 1);
        }
        previous = n;
    }
}

TEST(Lectionary, PrintedForm) {
    const auto text = [](std::string_view notation) {
        return ReadingsText(ParseReadings(notation));
    };
    EXPECT_EQ(text("Мф 38 10:32-33,37-38;19:27-30"), "Мф., 38 зач., X, 32–33, 37–38; XIX, 27–30.");
    EXPECT_EQ(text("Мф 10 4:25-5:12"), "Мф., 10 зач., IV, 25 – V, 12.");
    EXPECT_EQ(text("Евр 329п 11:24-26,32-12:2"),
              "Евр., 329 зач. (от полу), XI, 24–26, 32 – XII, 2.");
    EXPECT_EQ(text("Ис - 1:1-20 / 1Кор 149 11:23-32"),
              "Ис., I, 1–20. 1 Кор., 149 зач., XI, 23–32.");
    EXPECT_EQ(text("Ин 27 7:37-52;8:12"), "Ин., 27 зач., VII, 37–52; VIII, 12.");
    // What cannot be read is left out; the rest stays.
    EXPECT_EQ(text("Мф x 1:1 / Мф 1 1:1-16 / Мф 2 1:a / / Мф 3"), "Мф., 1 зач., I, 1–16.");
    EXPECT_EQ(text(""), "");
    const LabeledReadings l = ParseLabeledReadings("Вмц.: Еф 233 6:10-17 / Лк 106 21:12-19");
    EXPECT_EQ(l.label, "Вмц.:");
    EXPECT_EQ(l.readings.size(), 2u);
    DayReadings d;
    d.matins = "Ев. 4-е, Лк., 112 зач., XXIV, 1–12.";
    d.hours[2] = "Ис., I, 1–20.";
    d.vespers = "Быт., I, 1–13.";
    d.liturgy = "Еф., 229 зач., V, 8–19.";
    EXPECT_EQ(ReadingsParagraph(d),
              "Утр. – Ев. 4-е, Лк., 112 зач., XXIV, 1–12. На 6-м часе: Ис., I, 1–20. "
              "На веч.: Быт., I, 1–13. Лит. – Еф., 229 зач., V, 8–19.");
    EXPECT_EQ(RomanNumeral(49), "XLIX");
    EXPECT_EQ(RomanNumeral(150), "CL");
}

}  // namespace
}  // namespace veltrin
