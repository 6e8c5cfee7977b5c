#pragma once
// The whole calendar without its window: settings, data bases, calendar state and reports, wired
// so that the reckoning's recomputations reach the data bases and the reports. The window (or a
// test) plugs in as `window` for the calls that concern it.

#include <filesystem>

#include "data/Bases.h"
#include "reckoning/Calendar.h"
#include "reckoning/YearRange.h"
#include "reports/Reports.h"
#include "reports/Settings.h"

namespace veltrin {

class CalendarSystem : public CalendarHost {
  public:
    CalendarSystem();
    CalendarSystem(const CalendarSystem&) = delete;
    CalendarSystem& operator=(const CalendarSystem&) = delete;

    Settings settings;
    Bases bases;
    Calendar calendar;
    Reports reports{calendar, bases, settings};
    CalendarHost* window = nullptr;

    // Loads the tables from the data directory and sets the year range (Anno Domini years).
    void LoadData(const std::filesystem::path& dataDirectory);
    void SetRange(int minYear, int maxYear);
    // Today in the Gregorian style, then the stored style.
    void Start(int storedStyle);

    void SetWeeks() override;
    void SetYearsMonths() override;
    void SetGridCal() override;
    void RefreshView() override;
    void Beep() override;
    void CheckStyleMenu(int16_t style) override;
    void SetSelectorPosition(int16_t kind, int16_t position) override;
};

}  // namespace veltrin
