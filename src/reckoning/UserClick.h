#pragma once
// The user's moves of the current day: the step arrows and the five selectors of the main window,
// and clicks on the days of the month grid.

#include <cstdint>

#include "reckoning/Calendar.h"

namespace veltrin {

// Selector kinds, the index of each selector and of its pair of step arrows.
enum SelectorKind : int16_t {
    kStyleSelector = 0,
    kYearSelector = 1,
    kMonthSelector = 2,
    kWeekSelector = 3,
    kWeekdaySelector = 4,
};

void StepBack(Calendar& c, int kind);
void StepForward(Calendar& c, int kind);
void SelectorChanged(Calendar& c, int kind, int newPosition, int oldPosition);
void PickDay(Calendar& c, int day);
void PickDayInAdjacentMonth(Calendar& c, int day, int column);

// Makes today (from the calendar's clock) the current day; the window's "Сегодня".
void GoToday(Calendar& c);

// The first current day at start-up: today in the Gregorian style, then the stored style.
void StartCalendar(Calendar& c, int storedStyle);

}  // namespace veltrin
