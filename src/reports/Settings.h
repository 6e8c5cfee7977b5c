#pragma once
// The user's settings as the program holds them between start-up and exit.

#include <cstdint>
#include <string>

namespace veltrin {

struct Settings {
    int16_t FirstWeekday = 7;  // 7: weeks of the month grid begin on Sunday; 1: on Monday
    std::string FontName = "System";
    int16_t FontSize = 10;
    bool FontBold = false;
    bool FontItalic = false;
    bool ShowIndiction = false;
    bool ShowAllStyles = false;
    bool ShowFasting = true;   // the fasting line of each day
    bool ShowReadings = true;  // the Scripture readings of each day
    std::string LastDir;
};

}  // namespace veltrin
