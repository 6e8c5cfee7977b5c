// The settings reader over a random settings text: lines of key=value.

#include <algorithm>
#include <sstream>
#include <string>

#include "shell/SettingsRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace veltrin;
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    StoredPlacement placement;
    int16_t minYear = kDefaultMinYear, maxYear = kDefaultMaxYear;
    while (std::getline(lines, line)) {
        const size_t eq = line.find('=');
        const std::string key = line.substr(0, eq),
                          value = eq == std::string::npos ? "" : line.substr(eq + 1);
        ReadInteger(value, 0);
        ReadBoolean(value, false);
        ReadSingle(value, 0);
        ReadStyle(value);
        ReadFirstWeekday(value);
        ReadFontSize(value);
        if (key == "MinYear") minYear = ReadYear(value, kDefaultMinYear);
        if (key == "MaxYear") maxYear = ReadYear(value, kDefaultMaxYear);
        if (key == "WindowState") placement.state = value;
        if (key == "Height") placement.height = value;
        if (key == "Width") placement.width = value;
        if (key == "Left") placement.left = value;
        if (key == "Top") placement.top = value;
    }
    const YearRange range = CorrectYearRange(minYear, maxYear, 2026);
    if (range.minYear >= range.maxYear) __builtin_trap();
    const TwipsRect screen{0, 0, 19200, 14400};
    const WindowPlacement p = ResolvePlacement(placement, screen, {screen});
    // The window is laid out at least at its minimum size; its title must be in reach.
    const TwipsRect laidOut{p.left, p.top, std::max(p.width, kMinWindowWidth),
                            std::max(p.height, kMinWindowHeight)};
    if (!IsReachable(laidOut, {screen})) __builtin_trap();
    return 0;
}
