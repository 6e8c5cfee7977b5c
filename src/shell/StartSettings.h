#pragma once
// The settings that start-up reads, in the order it reads them, and what the exit writes back.

#include "reckoning/YearRange.h"
#include "reports/Settings.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsRules.h"

namespace veltrin {

// FirstWeekday, FontName, FontSize, ShowIndiction, ShowAllStyles, LastDir into `settings` (the
// font is never bold or italic at start), and the year range corrected for `currentYear`.
YearRange ReadStartSettings(const SettingsStorage& store, Settings& settings, int currentYear);

// The stored year style, read once today's date is known.
int16_t ReadStoredStyle(const SettingsStorage& store);

// Every value of the settings, the style and the year range, as the exit stores them.
void SaveSettings(SettingsStorage& store, const Settings& settings, int style, YearRange range);

// The window's stored placement, and the placement the exit stores: the size and position only
// for a normal window.
StoredPlacement ReadStoredPlacement(const SettingsStorage& store);
void SavePlacement(SettingsStorage& store, int16_t state, const TwipsRect& normalGeometry);

}  // namespace veltrin
