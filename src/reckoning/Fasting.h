#pragma once
// The fasting rule of a day for the laity, as the Russian calendars print it from the Typikon:
// which fast the day belongs to and what it allows at table. A pure function of the day number
// and the rank of the day's highest service.

#include <cstdint>

namespace veltrin {

// The rank of the highest service of the day, from its Typikon signs.
enum class ServiceRank {
    kPlain,          // no sign, or six stichera
    kGreatDoxology,  // c
    kPolyeleos,      // +
    kVigil,          // +)
    kGreatFeast,     // (+)
};

// The fast or fast-free time the day belongs to; kNone: an ordinary day, nothing to say.
enum class FastPeriod {
    kNone,
    kGreatLent,
    kApostles,
    kDormition,
    kNativity,
    kFastDay,     // an ordinary Wednesday or Friday
    kStrictDay,   // the eves of the Nativity and of Theophany, the Beheading, the Exaltation
    kCheesefare,  // the week before Lent: no meat
    kFastFree,    // a week without the Wednesday and Friday fast
    kSvyatki,     // from the Nativity to the eve of Theophany
    kFeastDay,    // Theophany: a feast that lifts the Wednesday and Friday fast
};

// What the day allows at table, from the strictest.
enum class Food {
    kNoFood,
    kDryFood,
    kNoOil,
    kOil,
    kCaviar,
    kFish,
    kNoMeat,
    kNoFast,
};

struct FastingRule {
    FastPeriod period = FastPeriod::kNone;
    Food food = Food::kNoFast;
    bool operator==(const FastingRule&) const = default;
};

FastingRule FastingOf(int32_t dayNumber, ServiceRank highest);

}  // namespace veltrin
