#include "shell/StartSettings.h"

namespace veltrin {

YearRange ReadStartSettings(const SettingsStore& store, Settings& settings, int currentYear) {
    settings.FirstWeekday = ReadFirstWeekday(store.Get("FirstWeekday", "7"));
    settings.FontName = store.Get("FontName", "System");
    if (settings.FontName.empty()) settings.FontName = "System";
    settings.FontSize = ReadFontSize(store.Get("FontSize", "10"));
    settings.FontBold = false;
    settings.FontItalic = false;
    settings.ShowIndiction = ReadBoolean(store.Get("ShowIndiction", "False"), false);
    settings.ShowAllStyles = ReadBoolean(store.Get("ShowAllStyles", "False"), false);
    settings.LastDir = store.Get("LastDir", "");
    const int16_t minYear = ReadYear(store.Get("MinYear", "1900"), kDefaultMinYear);
    const int16_t maxYear = ReadYear(store.Get("MaxYear", "2100"), kDefaultMaxYear);
    return CorrectYearRange(minYear, maxYear, currentYear);
}

int16_t ReadStoredStyle(const SettingsStore& store) {
    return ReadStyle(store.Get("Calendar", "2"));
}

}  // namespace veltrin
