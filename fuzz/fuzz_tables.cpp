// The section reader, the six table loaders and the dates of the rows over random file contents.

#include "FuzzDataDir.h"
#include "data/RedDays.h"
#include "reckoning/Calculate.h"
#include "reckoning/UserClick.h"
#include "reports/CalendarSystem.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veltrin;
    fuzz::WriteFiles(data, size,
                     {"Relocatable.DAT", "Relocatable1.DAT", "Special.DAT", "Weekdays.DAT",
                      "Weekdays1.DAT", "SpecWeekDays.DAT", "January.DAT"});
    CalendarSystem sys;
    sys.SetRange(325, 2325);
    sys.LoadData(fuzz::Directory());
    const int year = 325 + (size > 0 ? data[0] * 8 : 0);
    Calendar& c = sys.calendar;
    for (int style = kAnnoMundi; style <= kGregorian; ++style) {
        GoToDate(c, style, 1, 1, style == kAnnoMundi ? year + kAnnoMundiOffset : year);
        StepForward(c, kMonthSelector);
        RedDaysBetween(sys.bases, c.Cur().YearFirstDay, c.Cur().YearLastDay);
    }
    return 0;
}
