// The fasting rule of the day, period by period, and swept over the years 1900 to 2100.

#include <gtest/gtest.h>

#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Fasting.h"
#include "reckoning/Paschalion.h"
#include "reports/FastingText.h"

namespace veltrin {
namespace {

using R = ServiceRank;

int32_t J(int day, int month, int year) {
    return ComputeDayNumber(kJulian, day, month, year);
}
std::string Line(int32_t day, R rank = R::kPlain) {
    return FastingText(FastingOf(day, rank));
}
// The first Julian year from 1900 on in which `condition` holds of its Pascha.
template <typename Condition>
int YearWhere(Condition condition) {
    for (int y = 1900; y <= 2100; ++y)
        if (condition(y, PaschaOf(y))) return y;
    ADD_FAILURE() << "no such year";
    return 1900;
}

TEST(Fasting, GreatLentDayByDay) {
    const int32_t P = PaschaOf(2025);  // Julian 7 April; the Annunciation is two weeks before
    EXPECT_EQ(Line(P - 48), "Великий пост. Воздержание от пищи.");
    EXPECT_EQ(Line(P - 47), "Великий пост. Сухоядение.");
    EXPECT_EQ(Line(P - 44), "Великий пост. Пища без растительного масла.");
    EXPECT_EQ(Line(P - 43), "Великий пост. Пища с растительным маслом.");  // Saturday
    EXPECT_EQ(Line(P - 40), "Великий пост. Пища без растительного масла.");
    EXPECT_EQ(Line(P - 40, R::kPolyeleos), "Великий пост. Пища с растительным маслом.");
    EXPECT_EQ(Line(P - 47, R::kPolyeleos), "Великий пост. Сухоядение.");   // not in week one
    EXPECT_EQ(Line(P - 17), "Великий пост. Пища с растительным маслом.");  // the Great Canon
    EXPECT_EQ(Line(P - 8), "Великий пост. Разрешается икра.");
    EXPECT_EQ(Line(P - 7), "Великий пост. Разрешается рыба.");
    EXPECT_EQ(Line(P - 6), "Великий пост. Сухоядение.");
    EXPECT_EQ(Line(P - 2), "Великий пост. Воздержание от пищи.");
    EXPECT_EQ(Line(P - 1), "Великий пост. Сухоядение.");
    EXPECT_EQ(Line(J(25, 3, 2025)), "Великий пост. Разрешается рыба.");
    // The Annunciation in Holy Week, on Great Friday and on Great Saturday.
    int y = YearWhere([](int year, int32_t p) { return J(25, 3, year) == p - 4; });
    EXPECT_EQ(Line(J(25, 3, y)), "Великий пост. Разрешается рыба.");
    y = YearWhere([](int year, int32_t p) { return J(25, 3, year) == p - 2; });
    EXPECT_EQ(Line(J(25, 3, y)), "Великий пост. Воздержание от пищи.");
    y = YearWhere([](int year, int32_t p) { return J(25, 3, year) == p - 1; });
    EXPECT_EQ(Line(J(25, 3, y)), "Великий пост. Пища с растительным маслом.");
    // The Annunciation on the Thursday of the Canon moves the Canon's oil to the Tuesday.
    y = YearWhere([](int year, int32_t p) { return J(25, 3, year) == p - 17; });
    EXPECT_EQ(Line(PaschaOf(y) - 19), "Великий пост. Пища с растительным маслом.");
}

TEST(Fasting, TheWeeksWithoutFast) {
    const int32_t P = PaschaOf(2025);
    EXPECT_EQ(Line(P - 67), "Сплошная седмица. Поста нет.");  // Wednesday after the Publican
    EXPECT_EQ(Line(P - 68), "");                              // a Tuesday: nothing to say
    EXPECT_EQ(Line(P - 53), "Сырная седмица. Мясо исключается.");
    EXPECT_EQ(Line(P + 5), "Сплошная седмица. Поста нет.");      // Bright Friday
    EXPECT_EQ(Line(P + 54), "Сплошная седмица. Поста нет.");     // the Friday after Pentecost
    EXPECT_EQ(Line(P + 10), "Постный день. Разрешается рыба.");  // Wednesday of Thomas week
    // Svyatki and Theophany on a Wednesday or Friday.
    for (int32_t d = J(25, 12, 2024); d <= J(4, 1, 2025); ++d) {
        const int w = WeekdayOf(d);
        EXPECT_EQ(Line(d, R::kGreatFeast), w == 3 || w == 5 ? "Святки. Поста нет." : "");
    }
    {
        const int year = YearWhere([](int yr, int32_t) { return WeekdayOf(J(6, 1, yr)) == 3; });
        EXPECT_EQ(Line(J(6, 1, year), R::kGreatFeast), "Поста нет.");
    }
}

TEST(Fasting, OneDayFastsAndOrdinaryWednesdays) {
    for (const auto& [day, month] : {std::pair{24, 12}, {5, 1}, {29, 8}, {14, 9}}) {
        for (int year = 2020; year < 2027; ++year)  // every weekday, Sunday included
            EXPECT_EQ(Line(J(day, month, year), R::kGreatFeast),
                      "Строгий пост. Пища с растительным маслом.")
                << day << "." << month << "." << year;
    }
    const int32_t wednesday = J(24, 10, 2024);  // a Wednesday of no fast
    ASSERT_EQ(WeekdayOf(wednesday), 3);
    EXPECT_EQ(Line(wednesday), "Постный день. Пища без растительного масла.");
    EXPECT_EQ(Line(wednesday, R::kGreatDoxology), "Постный день. Пища с растительным маслом.");
    EXPECT_EQ(Line(wednesday, R::kPolyeleos), "Постный день. Разрешается рыба.");
    EXPECT_EQ(Line(wednesday + 1), "");
}

TEST(Fasting, ApostlesDormitionAndNativity) {
    const int32_t P = PaschaOf(2024);  // a late Pascha: a short fast
    const int32_t start = P + 57;
    ASSERT_EQ(WeekdayOf(start), 1);
    EXPECT_EQ(Line(start), "Петров пост. Пища без растительного масла.");
    EXPECT_EQ(Line(start + 1), "Петров пост. Разрешается рыба.");
    EXPECT_EQ(Line(start + 2), "Петров пост. Сухоядение.");
    EXPECT_EQ(Line(start + 2, R::kPolyeleos), "Петров пост. Пища с растительным маслом.");
    EXPECT_EQ(Line(start + 2, R::kVigil), "Петров пост. Разрешается рыба.");
    EXPECT_EQ(Line(J(24, 6, 2024)), "Петров пост. Разрешается рыба.");
    // Dormition fast of 2024: 1 August (Julian) was a Wednesday.
    ASSERT_EQ(WeekdayOf(J(1, 8, 2024)), 3);
    EXPECT_EQ(Line(J(1, 8, 2024)), "Успенский пост. Сухоядение.");
    EXPECT_EQ(Line(J(1, 8, 2024), R::kPolyeleos), "Успенский пост. Пища с растительным маслом.");
    EXPECT_EQ(Line(J(2, 8, 2024)), "Успенский пост. Пища без растительного масла.");
    EXPECT_EQ(Line(J(6, 8, 2024), R::kGreatFeast), "Успенский пост. Разрешается рыба.");
    EXPECT_EQ(Line(J(15, 8, 2025), R::kGreatFeast), "");  // a Thursday after the fast
    EXPECT_EQ(Line(J(15, 8, 2024), R::kGreatFeast), "Постный день. Разрешается рыба.");
    // Nativity fast of 2024: before St Nicholas, after him, from the forefeast.
    ASSERT_EQ(WeekdayOf(J(20, 11, 2024)), 2);
    EXPECT_EQ(Line(J(20, 11, 2024)), "Рождественский (Филиппов) пост. Разрешается рыба.");
    EXPECT_EQ(Line(J(19, 11, 2024)),
              "Рождественский (Филиппов) пост. Пища без растительного масла.");
    EXPECT_EQ(Line(J(11, 12, 2024)), "Рождественский (Филиппов) пост. Пища с растительным маслом.");
    EXPECT_EQ(Line(J(22, 12, 2024)), "Рождественский (Филиппов) пост. Пища с растительным маслом.");
    EXPECT_EQ(Line(J(20, 12, 2024), R::kVigil),
              "Рождественский (Филиппов) пост. Пища с растительным маслом.");
    EXPECT_EQ(Line(J(21, 11, 2024), R::kGreatFeast),
              "Рождественский (Филиппов) пост. Разрешается рыба.");
}

// Every year of the range: each fast where it belongs, and no fast where none is kept.
TEST(Fasting, SweepOverTheRange) {
    for (int year = 1900; year <= 2100; ++year) {
        const int32_t P = PaschaOf(year);
        for (int b = -48; b <= -1; ++b)
            ASSERT_EQ(FastingOf(P + b, R::kGreatFeast).period, FastPeriod::kGreatLent) << year;
        for (const int b : {-69, -64, 1, 6, 50, 55})
            ASSERT_NE(FastingOf(P + b, R::kPlain).food, Food::kDryFood) << year << " " << b;
        for (int b = -69; b <= -64; ++b)
            ASSERT_EQ(FastingOf(P + b, R::kPlain).food, Food::kNoFast) << year;
        // The Apostles' fast: from the Monday after All Saints to 28 June, nothing else.
        int days = 0;
        for (int32_t d = P + 50; d <= J(30, 6, year); ++d)
            days += FastingOf(d, R::kPlain).period == FastPeriod::kApostles;
        ASSERT_EQ(days, J(28, 6, year) - (P + 57) + 1) << year;
        ASSERT_EQ(FastingOf(P + 56, R::kPlain).period, FastPeriod::kNone);
        ASSERT_NE(FastingOf(J(29, 6, year), R::kGreatFeast).period, FastPeriod::kApostles);
        // The Dormition and Nativity fasts on their dates.
        ASSERT_EQ(FastingOf(J(31, 7, year), R::kPlain).period == FastPeriod::kDormition, false);
        ASSERT_EQ(FastingOf(J(1, 8, year), R::kPlain).period, FastPeriod::kDormition);
        ASSERT_EQ(FastingOf(J(14, 8, year), R::kPlain).period, FastPeriod::kDormition);
        ASSERT_EQ(FastingOf(J(15, 11, year), R::kPlain).period, FastPeriod::kNativity);
        ASSERT_EQ(FastingOf(J(23, 12, year), R::kPlain).period, FastPeriod::kNativity);
        ASSERT_NE(FastingOf(J(14, 11, year), R::kPlain).period, FastPeriod::kNativity);
    }
}

}  // namespace
}  // namespace veltrin
