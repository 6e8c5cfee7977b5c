#pragma once
// The constant name and colour tables every view uses.

#include <array>
#include <cstdint>
#include <string_view>

namespace veltrin {

// Appended after a year number to name its style; style s uses entry s - 1.
inline constexpr std::array<std::string_view, 3> StyleNames = {
    " от Сотворения Мира", " от Р.Х. по старому стилю", " от Р.Х. по новому стилю"};

// Monday first, in three blocks of seven: civil names, church names, abbreviations.
// Weekday w (1..7) of block b is entry 7 * b + w - 1.
inline constexpr std::array<std::string_view, 21> WeekdayNames = {
    "Понедельник", "Вторник", "Среда", "Четверг", "Пятница", "Суббота", "Воскресенье",
    "Понедельник", "Вторник", "Среда", "Четверг", "Пятница", "Суббота", "Неделя",
    "Пн.",         "Вт.",     "Ср.",   "Чт.",     "Пт.",     "Сб.",     "Вс."};

// Civil month m (1..12): nominative m - 1, genitive m + 11.
inline constexpr std::array<std::string_view, 24> MonthNames = {
    "Январь",   "Февраль", "Март",   "Апрель",  "Май",      "Июнь",    "Июль",   "Август",
    "Сентябрь", "Октябрь", "Ноябрь", "Декабрь", "января",   "февраля", "марта",  "апреля",
    "мая",      "июня",    "июля",   "августа", "сентября", "октября", "ноября", "декабря"};

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
