#pragma once
// What the reckoning asks of the window while it recomputes: the selectors and the grid, the
// visible report, the beep. A headless run leaves any of them as the no-op below.

#include <cstdint>

namespace veltrin {

class CalendarHost {
  public:
    virtual ~CalendarHost() = default;
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
