#pragma once
// The settings that start-up reads, in the order it reads them.

#include "shell/Settings.h"
#include "shell/SettingsRules.h"
#include "shell/SettingsStore.h"

namespace veltrin {

// FirstWeekday, FontName, FontSize, ShowIndiction, ShowAllStyles, LastDir into `settings` (the
// font is never bold or italic at start), and the year range corrected for `currentYear`.
YearRange ReadStartSettings(const SettingsStore& store, Settings& settings, int currentYear);

// The stored year style, read once today's date is known.
int16_t ReadStoredStyle(const SettingsStore& store);

}  // namespace veltrin
