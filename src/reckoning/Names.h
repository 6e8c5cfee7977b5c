#pragma once
// The names every view writes: of the year styles, the weekdays and the months.

#include <array>
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
enum WeekdayNameBlock { kCivilWeekdayNames = 0, kChurchWeekdayNames = 1, kShortWeekdayNames = 2 };
constexpr std::string_view WeekdayName(int block, int weekday) {
    return WeekdayNames[7 * block + weekday - 1];
}

// Civil month m (1..12): nominative m - 1, genitive m + 11.
inline constexpr std::array<std::string_view, 24> MonthNames = {
    "Январь",   "Февраль", "Март",   "Апрель",  "Май",      "Июнь",    "Июль",   "Август",
    "Сентябрь", "Октябрь", "Ноябрь", "Декабрь", "января",   "февраля", "марта",  "апреля",
    "мая",      "июня",    "июля",   "августа", "сентября", "октября", "ноября", "декабря"};
enum GrammaticalCase { kNominative = 1, kGenitive = 2 };
constexpr std::string_view CivilMonthName(int civilMonth, int grammaticalCase) {
    return MonthNames[(grammaticalCase - 1) * 12 + civilMonth - 1];
}

}  // namespace veltrin
