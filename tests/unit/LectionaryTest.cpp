// The cycle of the Liturgy readings: its rules on the years that exercise them, a second plainly
// written count that must agree with it every day of 1900 to 2100, and the printed form.

#include <gtest/gtest.h>

#include <map>

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

// The Gospel rows of a whole year counted the way the service books describe it: walk the days
// from last year's Pentecost, count the weeks on each Monday, turn to Luke after the Sunday after
// the Exaltation, and in the winter take the added weeks one after the other.
std::map<int32_t, std::pair<int, int>> CountedRows(int year) {
    std::map<int32_t, std::pair<int, int>> rows;  // day -> apostle row, gospel row
    int autumn = 0;
    for (int y = year - 1; y <= year; ++y) {
        const int32_t pentecost = PaschaOf(y) + 49;
        int32_t exaltationSunday = J(15, 9, y);
        while (WeekdayOf(exaltationSunday) != 7)
            ++exaltationSunday;
        int week = 0;
        int weekThen = 0;
        for (int32_t d = pentecost; d <= J(31, 12, y); ++d) {
            if (d > pentecost && WeekdayOf(d) == 1) ++week;
            if (d == exaltationSunday) weekThen = week;
            rows[d] = {week, week};
        }
        const int shift = 17 - weekThen;
        for (int32_t d = exaltationSunday + 1; d <= J(31, 12, y); ++d)
            rows[d].second += shift;
        if (shift < 0) {
            for (int32_t d = exaltationSunday - 6; d <= exaltationSunday; ++d)
                rows[d].second = 11;
            if (shift == -2)
                for (int32_t d = exaltationSunday - 13; d <= exaltationSunday - 7; ++d)
                    rows[d].second = 10;
        }
        if (y == year - 1) autumn = shift;
    }
    // January to the Publican: the count goes on from last year's Pentecost.
    const int32_t pentecost = PaschaOf(year - 1) + 49;
    int week = 0;
    for (int32_t d = pentecost + 1; d < J(1, 1, year); ++d)
        if (WeekdayOf(d) == 1) ++week;
    const int32_t publican = PaschaOf(year) - 70;
    for (int32_t d = J(1, 1, year); d < publican; ++d) {
        if (WeekdayOf(d) == 1) ++week;
        rows[d] = {week, week + autumn};
    }
    // The added winter weeks, from after the Sunday after Theophany (from 7 January when
    // Theophany is a Sunday or a Monday).
    const int32_t theophany = J(6, 1, year);
    int32_t sundayAfter = theophany + 1;
    while (WeekdayOf(sundayAfter) != 7)
        ++sundayAfter;
    const bool early = WeekdayOf(theophany) == 7 || WeekdayOf(theophany) == 1;
    const int added = std::min(5, static_cast<int>((publican - sundayAfter) / 7) + (early ? 1 : 0));
    if (added > 0) {
        static const std::vector<int> weekdays[6] = {
            {}, {33}, {32, 33}, {31, 32, 33}, {30, 31, 32, 33}, {30, 31, 17, 32, 33}};
        static const std::vector<int> sundays[6] = {
            {}, {}, {32}, {31, 32}, {30, 31, 32}, {30, 31, 17, 32}};
        size_t nextWeekday = 0, nextSunday = 0;
        for (int32_t d = early ? J(7, 1, year) : sundayAfter + 1; d < publican; ++d) {
            int row = -1;
            if (WeekdayOf(d) == 7) {
                if (nextSunday < sundays[added].size()) row = sundays[added][nextSunday++];
                ++nextWeekday;
            } else if (nextWeekday < weekdays[added].size()) {
                row = weekdays[added][nextWeekday];
            }
            rows[d] = {row, row};
        }
    }
    return rows;
}

TEST(Lectionary, SecondCountAgreesEveryDay) {
    for (int year = 1900; year <= 2100; ++year) {
        for (const auto& [day, rows] : CountedRows(year)) {
            if (JulianDateOf(day).year != year) continue;
            const CyclePlace p = LectionaryPlaceOf(day);
            if (p.fromPascha) continue;
            const int b = static_cast<int>(day - PaschaOf(year));
            if (b >= -70 && b < 49) continue;  // the Triodion has rows of its own
            ASSERT_EQ(p.apostleWeek, rows.first) << year << " day " << day;
            ASSERT_EQ(p.gospelWeek, rows.second) << year << " day " << day;
        }
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
    const auto text = [](std::string_view notation) { return ReadingsText(ParseReadings(notation)); };
    EXPECT_EQ(text("Мф 38 10:32-33,37-38;19:27-30"),
              "Мф., 38 зач., X, 32–33, 37–38; XIX, 27–30.");
    EXPECT_EQ(text("Мф 10 4:25-5:12"), "Мф., 10 зач., IV, 25 – V, 12.");
    EXPECT_EQ(text("Евр 329п 11:24-26,32-12:2"),
              "Евр., 329 зач. (от полу), XI, 24–26, 32 – XII, 2.");
    EXPECT_EQ(text("Ис - 1:1-20 / 1Кор 149 11:23-32"), "Ис., I, 1–20. 1 Кор., 149 зач., XI, 23–32.");
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
