#include "reports/CalendarSystem.h"

#include "reckoning/UserClick.h"

namespace veltrin {

CalendarSystem::CalendarSystem() {
    calendar.host = this;
    SetRange(kDefaultMinYear, kDefaultMaxYear);
}

void CalendarSystem::LoadData(const std::filesystem::path& dataDirectory) {
    bases.LoadAll(dataDirectory);
}

void CalendarSystem::SetRange(int minYear, int maxYear) {
    SetYearRange(calendar, minYear, maxYear);
}

void CalendarSystem::Start(int storedStyle) {
    StartCalendar(calendar, storedStyle);
}

void CalendarSystem::RefreshView() {
    reports.RefreshView();
}

void CalendarSystem::SetWeeks() {
    if (window) window->SetWeeks();
}
void CalendarSystem::SetYearsMonths() {
    if (window) window->SetYearsMonths();
}
void CalendarSystem::SetGridCal() {
    if (window) window->SetGridCal();
}
void CalendarSystem::Beep() {
    if (window) window->Beep();
}
void CalendarSystem::CheckStyleMenu(int16_t style) {
    if (window) window->CheckStyleMenu(style);
}
void CalendarSystem::SetSelectorPosition(int16_t kind, int16_t position) {
    if (window) window->SetSelectorPosition(kind, position);
}

}  // namespace veltrin
