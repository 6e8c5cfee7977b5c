#pragma once
// What the reckoning asks of the rest of the program while it recomputes: the yearly dates of the
// movable tables, the red days of the month, the window's selectors and grid, the visible report,
// the beep. A headless run leaves any of them as the no-op below.

#include <cstdint>

namespace veltrin {

class CalendarHost {
  public:
    virtual ~CalendarHost() = default;
    virtual void ResolveYearDates() {}
    virtual void MarkRedDays() {}
    virtual void SetWeeks() {}
    virtual void SetYearsMonths() {}
    virtual void SetGridCal() {}
    virtual void RefreshView() {}
    virtual void Beep() {}
    // The style menu: only the item of `style` carries the check mark.
    virtual void CheckStyleMenu(int16_t /*style*/) {}
    // A refused selector choice: put selector `kind` back at list position `position`.
    virtual void SetSelectorPosition(int16_t /*kind*/, int16_t /*position*/) {}
};

}  // namespace veltrin
