#pragma once
// The readings of the day as the Russian calendars print them:
//   "Утр. – Ев. 4-е, Лк., 112 зач., XXIV, 1–12. Лит. – Еф., 229 зач., V, 8–19. Лк., 71 зач., ..."

#include <string>

#include "data/Readings.h"

namespace veltrin {

// "Мф., 38 зач., X, 32–33, 37–38; XIX, 27–30."
std::string ReadingText(const Reading& reading);
// The readings one after another, each ending in a full stop.
std::string ReadingsText(const std::vector<Reading>& readings);
// "XIX"
std::string RomanNumeral(int n);

// The pieces of the day's readings, in the order they are printed.
struct DayReadings {
    std::string matins;    // the Gospel of Matins, its "Ев. N-е, " included
    std::string hours[4];  // the first, third, sixth and ninth hours
    std::string vespers;
    std::string liturgy;  // the Liturgy, the commemorations' readings with their labels
};
std::string ReadingsParagraph(const DayReadings& readings);

}  // namespace veltrin
