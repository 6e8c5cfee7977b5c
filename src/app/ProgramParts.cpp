#include "app/ProgramParts.h"

#include "reports/CalendarSystem.h"
#include "shell/StartSettings.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin {

ProgramParts::ProgramParts(SettingsStorage& store, Options o)
    : system_(std::make_unique<CalendarSystem>()) {
    CalendarSystem& sys = *system_;
    if (o.today) sys.calendar.today = o.today;
    tempFiles_ = MakeTempFiles(o.tempDirectory);
    for (size_t t = 0; t < tempFiles_.size(); ++t)
        sys.reports.TempFiles[t] = tempFiles_[t];
    sys.LoadData(o.dataDirectory);

    const YearRange range = ReadStartSettings(store, sys.settings, sys.calendar.today().year);
    sys.SetRange(range.minYear, range.maxYear);

    window_ = o.makeWindow ? o.makeWindow(sys, store, tempFiles_, o.end)
                           : std::make_unique<ui::frmVeltrin>(sys, store, tempFiles_, o.end);
    sys.window = window_.get();
    sys.reports.panes = window_.get();
    // The window initialises itself when the calendar first refers to it.
    sys.Start(ReadStoredStyle(store));
    window_->SetGridCal();
    sys.RefreshView();
}

ProgramParts::~ProgramParts() {
    system_->window = nullptr;
    system_->reports.panes = nullptr;
    window_.reset();
    DeleteTempFiles(tempFiles_);
}

}  // namespace veltrin
