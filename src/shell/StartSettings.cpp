#include "shell/StartSettings.h"

namespace veltrin {

YearRange ReadStartSettings(const SettingsStorage& store, Settings& settings, int currentYear) {
    settings.FirstWeekday = ReadFirstWeekday(store.Get(key::FirstWeekday));
    settings.FontName = store.Get(key::FontName);
    if (settings.FontName.empty()) settings.FontName = key::FontName.fallback;
    settings.FontSize = ReadFontSize(store.Get(key::FontSize));
    settings.FontBold = false;
    settings.FontItalic = false;
    settings.ShowIndiction = ReadBoolean(store.Get(key::ShowIndiction), false);
    settings.ShowAllStyles = ReadBoolean(store.Get(key::ShowAllStyles), false);
    settings.ShowFasting = ReadBoolean(store.Get(key::ShowFasting), true);
    settings.ShowReadings = ReadBoolean(store.Get(key::ShowReadings), true);
    settings.LastDir = store.Get(key::LastDir);
    const int16_t minYear = ReadYear(store.Get(key::MinYear), kDefaultMinYear);
    const int16_t maxYear = ReadYear(store.Get(key::MaxYear), kDefaultMaxYear);
    return CorrectYearRange(minYear, maxYear, currentYear);
}

int16_t ReadStoredStyle(const SettingsStorage& store) {
    return ReadStyle(store.Get(key::Calendar));
}

void SaveSettings(SettingsStorage& store, const Settings& settings, int style, YearRange range) {
    store.Save(key::Calendar, std::to_string(style));
    store.Save(key::FirstWeekday, std::to_string(settings.FirstWeekday));
    store.Save(key::FontName, settings.FontName);
    store.Save(key::FontSize, std::to_string(settings.FontSize));
    store.Save(key::FontBold, BooleanText(settings.FontBold));
    store.Save(key::FontItalic, BooleanText(settings.FontItalic));
    store.Save(key::ShowIndiction, BooleanText(settings.ShowIndiction));
    store.Save(key::ShowAllStyles, BooleanText(settings.ShowAllStyles));
    store.Save(key::ShowFasting, BooleanText(settings.ShowFasting));
    store.Save(key::ShowReadings, BooleanText(settings.ShowReadings));
    store.Save(key::LastDir, settings.LastDir);
    store.Save(key::MinYear, std::to_string(range.minYear));
    store.Save(key::MaxYear, std::to_string(range.maxYear));
}

StoredPlacement ReadStoredPlacement(const SettingsStorage& store) {
    StoredPlacement stored;
    stored.state = store.Get(key::WindowState);
    stored.height = store.Get(key::Height);
    stored.width = store.Get(key::Width);
    stored.left = store.Get(key::Left);
    stored.top = store.Get(key::Top);
    return stored;
}

void SavePlacement(SettingsStorage& store, int16_t state, const TwipsRect& normalGeometry) {
    store.Save(key::WindowState, std::to_string(state));
    if (state != kNormalWindow) return;
    store.Save(key::Left, NumberText(normalGeometry.left));
    store.Save(key::Top, NumberText(normalGeometry.top));
    store.Save(key::Height, NumberText(normalGeometry.height));
    store.Save(key::Width, NumberText(normalGeometry.width));
}

}  // namespace veltrin
