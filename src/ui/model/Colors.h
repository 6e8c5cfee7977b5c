#pragma once
// The colours of the month grid and the dates grid, by role and year style.

#include <array>
#include <cstdint>

namespace veltrin {

struct Rgb {
    uint8_t red, green, blue;
};

// Seven roles times three styles: the colour of role r in style s is entry 3 * r + s - 1.
enum ColorRole {
    kBackgroundRole = 0,
    kRedDayBackgroundRole = 1,
    kCurrentDayBackgroundRole = 2,
    kAdjacentMonthTextRole = 3,
    kOrdinaryTextRole = 4,
    kSundayTextRole = 5,
    kCurrentDayTextRole = 6,
};
inline constexpr std::array<Rgb, 21> Colors = {{
    {255, 255, 192}, {255, 255, 255}, {192, 255, 255},  // grid and ordinary days
    {255, 192, 255}, {255, 192, 255}, {255, 192, 255},  // red days
    {255, 0, 0},     {255, 0, 0},     {255, 0, 0},      // the current day
    {160, 160, 160}, {160, 160, 160}, {160, 160, 160},  // days of the neighbouring months
    {0, 0, 128},     {0, 0, 128},     {0, 0, 128},      // ordinary text
    {255, 0, 0},     {255, 0, 0},     {255, 0, 0},      // the Sunday row
    {255, 255, 255}, {255, 255, 255}, {255, 255, 255},  // text of the current day
}};

constexpr Rgb ColorOf(ColorRole role, int style) {
    return Colors[3 * role + style - 1];
}

}  // namespace veltrin
