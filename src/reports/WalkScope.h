#pragma once
// A walk of a report through the days of a period: the calendar state is saved on entry and
// restored on exit, with the busy pointer shown in between, whatever way the walk ends.

#include "reports/Reports.h"

namespace veltrin {

class WalkScope {
  public:
    explicit WalkScope(Reports& reports, bool busy = true);
    ~WalkScope();
    WalkScope(const WalkScope&) = delete;
    WalkScope& operator=(const WalkScope&) = delete;
    void RestoreNow();

  private:
    Reports& reports_;
    bool busy_;
    bool restored_ = false;
};

}  // namespace veltrin
