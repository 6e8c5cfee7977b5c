// Every view's builder over a random data directory, with the JSON and iCalendar forms of the
// days; the search text is the input's last part.

#include "FuzzDataDir.h"
#include "reckoning/Calculate.h"
#include "reports/CalendarEvents.h"
#include "reports/CalendarSystem.h"
#include "reports/Icalendar.h"
#include "reports/JsonReport.h"
#include "reports/RtfReader.h"

namespace {
class AnyTab : public veltrin::ReportPanes {
  public:
    int tab = 0;
    int VisibleTab() override { return tab; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veltrin;
    fuzz::WriteFiles(
        data, size,
        {"December.DAT", "January.DAT", "February28.DAT", "Relocatable.DAT", "Relocatable1.DAT",
         "Special.DAT", "Weekdays.DAT", "Weekdays1.DAT", "SpecWeekDays.DAT", "Lectionary.DAT",
         "search"});
    CalendarSystem sys;
    AnyTab panes;
    sys.reports.panes = &panes;
    sys.LoadData(fuzz::Directory());
    sys.settings.ShowIndiction = size > 1 && (data[1] & 1);
    sys.settings.ShowAllStyles = size > 1 && (data[1] & 2);
    sys.reports.WholeWord = size > 1 && (data[1] & 4);
    Calendar& c = sys.calendar;
    const int style = 1 + (size > 2 ? data[2] % 3 : 0);
    GoToDate(c, style, 1, 1, (style == kAnnoMundi ? 7408 : 1900) + (size > 3 ? data[3] % 200 : 0));
    for (int tab = kDayTab; tab <= kMainFeastsTab; ++tab) {
        panes.tab = tab;
        sys.RefreshView();
        (void)ParseRtf(sys.reports.Document(tab)).PlainText();
    }
    const StyleDate& r = c.Cur();
    (void)JsonReport(sys.reports, "month", style, r.MonthFirstDay, r.MonthLastDay, {});
    (void)WriteIcalendar(CalendarEvents(sys.reports, style, r.YearFirstDay, r.YearLastDay,
                                        {true, true, true}, {}),
                         "fuzz", "20260101T000000Z");
    std::string search;
    std::ifstream(fuzz::Directory() / "search", std::ios::binary) >> search;
    sys.reports.BuildSelection(search.empty() ? "а" : search);
    (void)ParseRtf(sys.reports.Document(kSelectionTab)).PlainText();
    return 0;
}
