#pragma once
// Where a day stands in the yearly cycle of the Liturgy readings, by the rules of the Russian
// Church: the weeks after Pentecost with the autumn jump of the Gospel to Luke after the Sunday
// after the Exaltation, the winter weeks before the Publican with their added weeks, the weeks of
// the Triodion, and the days counted from Pascha from Lent to Pentecost. A pure function of the day.

#include <cstdint>

namespace veltrin {

struct CyclePlace {
    // Days from Pascha from the first day of Lent to the eve of Pentecost: their readings are
    // those of that day of the Triodion or the Pentecostarion.
    bool fromPascha = false;
    int daysFromPascha = 0;
    // Otherwise the rows of the weeks after Pentecost the Apostle and the Gospel are read from
    // (0 Pentecost, 1 to 32 the weeks after it, 33 to 36 the weeks of the Triodion before Lent);
    // -1 where the cycle gives none.
    int apostleWeek = -1;
    int gospelWeek = -1;
    int weekday = 0;  // 1 Monday ... 7 Sunday
    // The Sunday Gospel of Matins (1 to 11) of a Sunday that sings one; 0 otherwise.
    int matinsGospel = 0;
};

CyclePlace LectionaryPlaceOf(int32_t dayNumber);

// The Sundays and weeks of the cycle the rules hang on, for a Julian year.
struct CycleYear {
    int32_t pascha = 0;
    int32_t pentecost = 0;
    int32_t sundayAfterExaltation = 0;  // 15 to 21 September
    int autumnShift = 0;  // added to the week count for the Gospel after that Sunday
    int32_t winterStart = 0;  // the first day of the added winter weeks (0: none this year)
    int winterWeeks = 0;      // how many weeks were added before the Publican (0 to 5)
};
CycleYear CycleYearOf(int julianYear);

}  // namespace veltrin
