#include "reckoning/Fasting.h"

#include <algorithm>

#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"

namespace veltrin {

namespace {

enum Weekday { kMonday = 1, kTuesday, kWednesday, kThursday, kFriday, kSaturday, kSunday };

// Days from Pascha of the movable days the rule looks at.
constexpr int kPublicanSunday = -70;
constexpr int kMeatfareSunday = -56;
constexpr int kCleanMonday = -48;
constexpr int kForgivenessSunday = -49;
constexpr int kGreatCanonThursday = -17;
constexpr int kLazarusSaturday = -8;
constexpr int kPalmSunday = -7;
constexpr int kHolyThursday = -3;
constexpr int kGreatFriday = -2;
constexpr int kGreatSaturday = -1;
constexpr int kThomasSunday = 7;
constexpr int kMidPentecost = 24;
constexpr int kPaschaLeaveTaking = 38;
constexpr int kApostlesFastStart = 57;

bool Between(int value, int first, int last) {
    return value >= first && value <= last;
}

// A date in month-day form, to compare Julian dates of one year.
constexpr int MonthDay(int month, int day) {
    return month * 100 + day;
}

Food Relaxed(Food food, Food atLeast) {
    return std::max(food, atLeast);
}

// A service of the day lifts the weekday's rule within a fast: how far depends on the fast.
Food WithService(Food food, ServiceRank rank, Food forDoxology, Food forPolyeleos,
                 Food forVigil) {
    switch (rank) {
        case ServiceRank::kGreatDoxology:
            return Relaxed(food, forDoxology);
        case ServiceRank::kPolyeleos:
            return Relaxed(food, forPolyeleos);
        case ServiceRank::kVigil:
        case ServiceRank::kGreatFeast:
            return Relaxed(food, forVigil);
        default:
            return food;
    }
}

// `greatCanon`: the day of the Great Canon, from Pascha.
FastingRule GreatLent(int b, int weekday, int monthDay, ServiceRank rank, int greatCanon) {
    const bool annunciation = monthDay == MonthDay(3, 25);
    FastingRule r{FastPeriod::kGreatLent, Food::kDryFood};
    if (b >= kPalmSunday) {  // Palm Sunday and Holy Week
        if (b == kPalmSunday) return {r.period, Food::kFish};
        if (b == kGreatFriday) return {r.period, Food::kNoFood};
        if (b == kGreatSaturday) return {r.period, annunciation ? Food::kOil : Food::kDryFood};
        if (annunciation) return {r.period, Food::kFish};
        return {r.period, b == kHolyThursday ? Food::kOil : Food::kDryFood};
    }
    // The Annunciation and the Meeting of the Lord give fish wherever they fall in Lent.
    if (annunciation || rank == ServiceRank::kGreatFeast) return {r.period, Food::kFish};
    if (b == kLazarusSaturday) return {r.period, Food::kCaviar};
    if (weekday == kSaturday || weekday == kSunday) return {r.period, Food::kOil};
    // The first week, the strictest.
    if (b == kCleanMonday) return {r.period, Food::kNoFood};
    if (b < kCleanMonday + 4) return {r.period, Food::kDryFood};
    if (b == kCleanMonday + 4) return {r.period, Food::kNoOil};
    r.food = weekday == kTuesday || weekday == kThursday ? Food::kNoOil : Food::kDryFood;
    if (b == greatCanon) r.food = Food::kOil;  // for the labour of the night's Canon
    return {r.period, WithService(r.food, rank, r.food, Food::kOil, Food::kOil)};
}

FastingRule Apostles(int weekday, int monthDay, ServiceRank rank) {
    Food food = Food::kFish;
    if (weekday == kMonday) food = Food::kNoOil;
    if (weekday == kWednesday || weekday == kFriday) food = Food::kDryFood;
    const bool midweek = weekday == kWednesday || weekday == kFriday;
    food = WithService(food, rank, Food::kOil, midweek ? Food::kOil : Food::kFish, Food::kFish);
    if (monthDay == MonthDay(6, 24)) food = Food::kFish;  // the Nativity of the Forerunner
    return {FastPeriod::kApostles, food};
}

FastingRule Dormition(int weekday, int monthDay, ServiceRank rank) {
    if (monthDay == MonthDay(8, 6)) return {FastPeriod::kDormition, Food::kFish};
    Food food = Food::kDryFood;
    if (weekday == kTuesday || weekday == kThursday) food = Food::kNoOil;
    if (weekday == kSaturday || weekday == kSunday) food = Food::kOil;
    return {FastPeriod::kDormition, WithService(food, rank, Food::kOil, Food::kOil, Food::kOil)};
}

FastingRule Nativity(int weekday, int monthDay, ServiceRank rank) {
    const bool midweek = weekday == kWednesday || weekday == kFriday;
    const bool weekend = weekday == kSaturday || weekday == kSunday;
    Food food = midweek ? Food::kDryFood : weekday == kMonday ? Food::kNoOil : Food::kFish;
    // After St Nicholas the Tuesdays and Thursdays lose their fish; from the forefeast of the
    // Nativity the Saturdays and Sundays as well.
    const bool afterNicholas = monthDay > MonthDay(12, 6);
    const bool forefeast = monthDay >= MonthDay(12, 20);
    if (afterNicholas && !weekend && food == Food::kFish) food = Food::kOil;
    if (forefeast && weekend) food = Food::kOil;
    const Food best = forefeast ? Food::kOil : Food::kFish;
    food = WithService(food, rank, Food::kOil, midweek ? Food::kOil : best, best);
    if (monthDay == MonthDay(11, 21)) food = Food::kFish;  // the Entry into the Temple
    return {FastPeriod::kNativity, food};
}

// An ordinary Wednesday or Friday.
FastingRule FastDay(int b, ServiceRank rank) {
    // From Thomas Sunday to Pentecost the Wednesday and Friday allow fish.
    if (Between(b, kThomasSunday, kPentecostOffset) || b == kMidPentecost ||
        b == kPaschaLeaveTaking)
        return {FastPeriod::kFastDay, Food::kFish};
    return {FastPeriod::kFastDay,
            WithService(Food::kNoOil, rank, Food::kOil, Food::kFish, Food::kFish)};
}

}  // namespace

FastingRule FastingOf(int32_t dayNumber, ServiceRank rank) {
    const CivilDate j = JulianDateOf(dayNumber);
    const int md = MonthDay(j.month, j.day);
    const int weekday = WeekdayOf(dayNumber);
    const bool midweek = weekday == kWednesday || weekday == kFriday;
    const int b = dayNumber - PaschaOf(j.year);
    const int32_t apostlesEnd = ComputeDayNumber(kJulian, 28, 6, j.year);

    // The one-day fasts, whatever the weekday.
    if (md == MonthDay(1, 5) || md == MonthDay(8, 29) || md == MonthDay(9, 14) ||
        md == MonthDay(12, 24))
        return {FastPeriod::kStrictDay, Food::kOil};
    if (md >= MonthDay(12, 25) || md <= MonthDay(1, 4))
        return midweek ? FastingRule{FastPeriod::kSvyatki, Food::kNoFast} : FastingRule{};
    if (md == MonthDay(1, 6))
        return midweek ? FastingRule{FastPeriod::kFeastDay, Food::kNoFast} : FastingRule{};

    if (Between(b, kPublicanSunday + 1, kPublicanSunday + 6))
        return midweek ? FastingRule{FastPeriod::kFastFree, Food::kNoFast} : FastingRule{};
    if (Between(b, kMeatfareSunday + 1, kForgivenessSunday))
        return {FastPeriod::kCheesefare, Food::kNoMeat};
    if (Between(b, kCleanMonday, kGreatSaturday)) {
        // The Great Canon moves to the Tuesday when the Annunciation takes its Thursday.
        const int annunciation = ComputeDayNumber(kJulian, 25, 3, j.year) - PaschaOf(j.year);
        const int canon = annunciation == kGreatCanonThursday ? kGreatCanonThursday - 2
                                                              : kGreatCanonThursday;
        return GreatLent(b, weekday, md, rank, canon);
    }
    if (Between(b, 1, 6) || Between(b, kPentecostOffset + 1, kPentecostOffset + 6))
        return midweek ? FastingRule{FastPeriod::kFastFree, Food::kNoFast} : FastingRule{};
    if (b >= kApostlesFastStart && dayNumber <= apostlesEnd) return Apostles(weekday, md, rank);
    if (Between(md, MonthDay(8, 1), MonthDay(8, 14))) return Dormition(weekday, md, rank);
    if (Between(md, MonthDay(11, 15), MonthDay(12, 23))) return Nativity(weekday, md, rank);
    if (midweek) return FastDay(b, rank);
    return {};
}

}  // namespace veltrin
