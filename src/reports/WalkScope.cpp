#include "reports/WalkScope.h"

namespace veltrin {

WalkScope::WalkScope(Reports& reports, bool busy) : reports_(reports), busy_(busy) {
    if (busy_) reports_.panes->SetBusy(true);
    SaveCalendarState(reports_.calendar_);
}

void WalkScope::RestoreNow() {
    if (restored_) return;
    restored_ = true;
    RestoreCalendarState(reports_.calendar_);
    if (busy_) reports_.panes->SetBusy(false);
}

WalkScope::~WalkScope() {
    RestoreNow();
}

}  // namespace veltrin
