#include <gtest/gtest.h>

#include <functional>

#include "data/YearDates.h"
#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"
#include "unit/TempDataDir.h"

namespace veltrin {
namespace {

using test::TempDataDir;

// Rows of a table file, each with an "about" line and the given extra lines.
std::string Rows(int count, const std::string& extra = "") {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "[" + std::to_string(i) + "]\nabout=row " + std::to_string(i) + "\n" + extra;
    return text;
}

class YearDates : public ::testing::Test {
  protected:
    void Load(int specialRows = 64, int specWdRows = 7) {
        dir.Write("Special.DAT", Rows(specialRows));
        dir.Write("SpecWeekDays.DAT", Rows(specWdRows));
        bases.LoadAll(dir.path());
    }
    // The dates of the rows in a Julian year.
    void Year(int year) {
        year_ = year;
        dates = ResolveYearDates(bases, year);
    }
    int32_t P() const { return PaschaOf(year_); }
    int32_t J(int d, int m) const { return ComputeDayNumber(kJulian, d, m, year_); }
    int32_t Special(int row) const { return dates.dates[kSpecialTable][row - 1]; }
    int32_t SpecWd(int row) const { return dates.dates[kSpecWdTable][row - 1]; }
    // The first year of the range in which `condition` holds; the test fails when there is none.
    int FindYear(const std::function<bool()>& condition) {
        for (int y = 326; y <= 2325; ++y) {
            Year(y);
            if (condition()) return y;
        }
        ADD_FAILURE() << "no year of the range has the coincidence";
        return 0;
    }
    TempDataDir dir;
    Bases bases;
    veltrin::YearDates dates;
    int year_ = 0;
};

TEST_F(YearDates, ShiftToWeekday) {
    const int32_t sunday = ComputeDayNumber(kJulian, 13, 7, 2026);
    ASSERT_EQ(WeekdayOf(sunday), 7);
    EXPECT_EQ(ShiftToWeekday(sunday, 7), sunday + 7);  // never the day itself
    EXPECT_EQ(ShiftToWeekday(sunday, 0), sunday - 7);
    EXPECT_EQ(ShiftToWeekday(sunday, -6), sunday - 1);
    EXPECT_EQ(ShiftToWeekday(sunday + 3, 0), sunday);
}

TEST_F(YearDates, DataDrivenRows) {
    dir.Write("Relocatable.DAT", "[1]\ndays=-7\n[2]\ndays=49\n[3]\nabout=Pascha\n");
    dir.Write("Relocatable1.DAT",
              "[1]\nday=12\nmonth=7\nweekday=7\n[2]\nday=13\nmonth=7\nweekday=7\n[3]\nday="
              "28\nmonth=12\nweekday=7\n");
    dir.Write("Weekdays.DAT", "[1]\ndays=-70\n");
    Load();
    Year(2026);
    const auto& reloc = dates.dates[kRelocTable];
    EXPECT_EQ(reloc[0], P() - 7);
    EXPECT_EQ(reloc[1], P() + 49);
    EXPECT_EQ(reloc[2], P());
    EXPECT_EQ(dates.dates[kWdTable][0], P() - 70);
    const auto& near = dates.dates[kReloc1Table];
    ASSERT_EQ(WeekdayOf(J(13, 7)), 7);  // 13 July 2026 (Julian) is a Sunday
    EXPECT_EQ(near[0], J(13, 7));
    EXPECT_EQ(near[1], J(20, 7));  // an anchor on a Sunday moves a full week
    // Last year's row anchored in late December falls in the first days of this year, and the
    // day asks the year before for it.
    const int32_t lastYears = ResolveYearDates(bases, 2025).dates[kReloc1Table][2];
    EXPECT_EQ(WeekdayOf(lastYears), 7);
    EXPECT_GE(lastYears, ComputeDayNumber(kGregorian, 1, 1, 2026));
    bool found = false;
    for (const DatedRow& r : bases.RowsOn(lastYears))
        found = found || (r.table == kReloc1Table && r.row == 2);
    EXPECT_TRUE(found);
}

TEST_F(YearDates, SundayAfterNativity) {
    Load();
    FindYear([&] { return WeekdayOf(J(25, 12)) == 7; });
    EXPECT_EQ(Special(1), J(26, 12));
    FindYear([&] { return WeekdayOf(J(25, 12)) == 1; });
    EXPECT_EQ(Special(1), J(31, 12));
}

TEST_F(YearDates, MeetingOfTheLordAndItsAfterfeast) {
    Load();
    // On Clean Monday the feast goes to the eve, with no afterfeast or leave-taking.
    FindYear([&] { return J(2, 2) == P() - 48; });
    EXPECT_EQ(Special(3), J(1, 2));
    EXPECT_EQ(Special(2), J(31, 1));
    for (int row = 4; row <= 10; ++row)
        EXPECT_EQ(Special(row), 0) << row;
    // Far from Lent: seven days of afterfeast and the leave-taking on 9 February.
    FindYear([&] { return P() - J(2, 2) >= 64; });
    EXPECT_EQ(Special(3), J(2, 2));
    EXPECT_EQ(Special(2), J(1, 2));
    EXPECT_EQ(Special(10), J(9, 2));
    for (int row = 4; row <= 9; ++row)
        EXPECT_EQ(Special(row), J(2, 2) + row - 3);
    // Each nearer distance ends the afterfeast on its own day before Lent.
    const std::pair<std::pair<int, int>, int> bands[] = {
        {{61, 63}, 58}, {{57, 60}, 54}, {{55, 56}, 52}, {{53, 54}, 50}, {{50, 52}, 49}};
    for (const auto& [band, before] : bands) {
        FindYear([&, band = band] {
            return P() - J(2, 2) >= band.first && P() - J(2, 2) <= band.second;
        });
        const int32_t leaveTaking = P() - before;
        EXPECT_EQ(Special(10), leaveTaking);
        for (int row = 4; row <= 9; ++row)
            EXPECT_EQ(Special(row), J(2, 2) + row - 3 < leaveTaking ? J(2, 2) + row - 3 : 0) << row;
    }
    FindYear([&] { return P() - J(2, 2) == 49; });  // the feast on Forgiveness Sunday
    for (int row = 4; row <= 10; ++row)
        EXPECT_EQ(Special(row), 0) << row;
}

TEST_F(YearDates, FindingsOfTheHeadOfTheForerunner) {
    Load();
    for (const int before : {57, 53, 51, 48}) {
        FindYear([&] { return J(24, 2) == P() - before; });
        EXPECT_EQ(Special(11), J(23, 2)) << before;
        EXPECT_EQ(Special(12), 0);
    }
    FindYear([&] { return P() - J(24, 2) >= 44 && P() - J(24, 2) <= 47; });
    EXPECT_EQ(Special(11), 0);
    EXPECT_EQ(Special(12), J(24, 2));
    FindYear([&] { return P() - J(24, 2) == 60; });
    EXPECT_EQ(Special(11), J(24, 2));
    // The third finding keeps away from the days of Pentecost.
    const std::pair<int, int> moves[] = {{48, -2}, {49, -3}, {50, 1}, {56, -2}, {30, 0}};
    for (const auto& [after, shift] : moves) {
        FindYear([&, after = after] { return J(25, 5) == P() + after; });
        EXPECT_EQ(Special(20), J(25, 5) + shift) << after;
    }
}

TEST_F(YearDates, FortyMartyrsAndAnnunciation) {
    Load();
    FindYear([&] { return J(9, 3) == P() - 25; });
    EXPECT_EQ(Special(13), J(8, 3));
    FindYear([&] { return J(9, 3) == P() - 17; });  // the day of the Great Canon
    EXPECT_EQ(SpecWd(3), J(9, 3));
    EXPECT_EQ(Special(13), J(7, 3));
    FindYear([&] { return J(9, 3) == P() - 15; });
    EXPECT_EQ(Special(13), J(10, 3));
    for (const int before : {18, 16}) {
        FindYear([&] { return J(25, 3) == P() - before; });
        EXPECT_EQ(Special(14), J(23, 3));
        EXPECT_EQ(Special(15), J(26, 3));
    }
    FindYear([&] { return J(25, 3) == P() - 8; });  // Lazarus Saturday
    EXPECT_EQ(Special(14), J(23, 3));
    EXPECT_EQ(Special(15), 0);
    FindYear([&] { return J(25, 3) == P() - 17; });  // the Canon moves to the Tuesday
    EXPECT_EQ(SpecWd(3), P() - 19);
    EXPECT_EQ(Special(14), 0);
    EXPECT_EQ(Special(15), 0);
}

TEST_F(YearDates, LentenSaturdaysAndTheApostlesFast) {
    Load();
    Year(2024);  // no feast on those Saturdays
    EXPECT_EQ(Special(16), P() - 36);
    EXPECT_EQ(Special(17), P() - 29);
    EXPECT_EQ(Special(18), P() - 22);
    EXPECT_EQ(Special(19), ComputeDayNumber(kGregorian, 9, 5, 2024));
    FindYear([&] { return J(9, 3) == P() - 29 || J(24, 2) == P() - 36 || J(25, 3) == P() - 22; });
    const int32_t saturdays[] = {P() - 36, P() - 29, P() - 22};
    for (int i = 0; i < 3; ++i) {
        const bool feast =
            saturdays[i] == J(9, 3) || saturdays[i] == J(24, 2) || saturdays[i] == J(25, 3);
        EXPECT_EQ(Special(16 + i), feast ? 0 : saturdays[i]);
    }
    // The fast runs from the day after its first day to 28 June; row 62 stays empty.
    for (const int year : {2010, 2011, 2038, 2025}) {
        Year(year);
        int32_t expected = P() + 58;
        for (int row = 21; row <= 62; ++row, ++expected)
            EXPECT_EQ(Special(row), expected <= J(28, 6) ? expected : 0) << year << " row " << row;
        EXPECT_EQ(Special(62), 0);
    }
}

TEST_F(YearDates, FathersOfTheCouncils) {
    Load();
    FindYear([&] { return WeekdayOf(J(16, 7)) == 4; });
    EXPECT_EQ(Special(63), J(19, 7));
    FindYear([&] { return WeekdayOf(J(16, 7)) == 3; });
    EXPECT_EQ(Special(63), J(13, 7));
    for (int y = 1900; y <= 1960; ++y) {
        Year(y);
        EXPECT_EQ(WeekdayOf(Special(64)), 7);
        EXPECT_GE(Special(64), J(8, 10));
        EXPECT_LE(Special(64), J(14, 10));
    }
}

TEST_F(YearDates, SpecialTitles) {
    Load();
    FindYear([&] { return P() - 57 == J(2, 2); });
    EXPECT_EQ(SpecWd(1), 0);
    EXPECT_EQ(SpecWd(2), P() - 57);
    FindYear([&] { return P() - 57 != J(2, 2); });
    EXPECT_EQ(SpecWd(1), P() - 57);
    EXPECT_EQ(SpecWd(2), 0);
    // St Demetrius' Saturday and its alternatives.
    FindYear([&] { return WeekdayOf(J(26, 10)) == 6; });
    EXPECT_EQ(SpecWd(4), J(26, 10));
    FindYear([&] { return WeekdayOf(J(22, 10)) == 6; });
    EXPECT_EQ(SpecWd(4), J(15, 10));
    EXPECT_EQ(SpecWd(5), 0);
    FindYear([&] { return WeekdayOf(J(24, 10)) == 6; });
    EXPECT_EQ(SpecWd(4), 0);
    EXPECT_EQ(SpecWd(5), J(24, 10));
    EXPECT_EQ(SpecWd(6), J(17, 10));
    EXPECT_EQ(SpecWd(7), 0);  // row 7 has no rule
}

TEST_F(YearDates, ShortTablesStopQuietly) {
    Load(20, 2);
    Year(2025);
    EXPECT_EQ(Special(19), ComputeDayNumber(kGregorian, 9, 5, 2025));
    EXPECT_NE(Special(20), 0);
    // Without the Great Canon row the Forty Martyrs never move for it.
    FindYear([&] { return J(9, 3) == P() - 17; });
    EXPECT_EQ(Special(13), J(9, 3));

    Load(2);
    Year(2025);
    EXPECT_NE(Special(1), 0);
    EXPECT_EQ(Special(2), 0);  // row 3 is addressed first and is missing
}

}  // namespace
}  // namespace veltrin
