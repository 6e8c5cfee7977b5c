#pragma once
// The range of years the calendar shows, in Anno Domini years.

#include <cstdint>

namespace veltrin {

inline constexpr int16_t kDefaultMinYear = 1900;
inline constexpr int16_t kDefaultMaxYear = 2100;
// The widest range the Paschalion tables of the program are trusted for.
inline constexpr int16_t kWidestMinYear = 325;
inline constexpr int16_t kWidestMaxYear = 2325;

struct YearRange {
    int16_t minYear = kDefaultMinYear;
    int16_t maxYear = kDefaultMaxYear;
};

}  // namespace veltrin
