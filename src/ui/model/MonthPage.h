#pragma once
// The page of the month grid as a model: seven rows of weekdays, the weekday names in column 0
// and up to six weeks in columns 1 to 6, each cell with its day and the colour roles it is shown
// in. The grid only paints it; a click asks it what was clicked. No user-interface code.

#include <array>
#include <cstdint>
#include <string>

#include "data/Bases.h"
#include "reckoning/Calendar.h"
#include "ui/model/Colors.h"

namespace veltrin {

struct MonthCell {
    std::string text;  // the weekday name, the day number, or empty
    int day = 0;       // the day of the month; 0 for a weekday name or an empty cell
    int32_t dayNumber = 0;  // the day it stands for, 0 for none
    bool adjacent = false;  // a day of the previous or the next month
    ColorRole back = kBackgroundRole;
    bool whiteBack = false;  // the weekday names stand on white, not on the style's colour
    ColorRole fore = kOrdinaryTextRole;
    bool bold = false;
};

// What a click on a cell asks for.
enum class CellAction {
    kNothing,         // an empty cell or the current day
    kPickWeekday,     // a weekday name: the weekday selector moves to its row
    kPickDay,         // a day of the month shown
    kPickAdjacentDay  // a grey day of a neighbouring month
};

class MonthPage {
  public:
    static constexpr int kRows = 7;
    static constexpr int kColumns = 7;

    // The page of the current month of the calendar, its weeks beginning on `firstWeekday`;
    // the red days come from the tables.
    static MonthPage Of(const Calendar& calendar, Bases& bases, int firstWeekday);

    const MonthCell& At(int row, int column) const { return cells_[row][column]; }
    CellAction ActionAt(int row, int column) const;
    // Row and column of the current day.
    int CurrentRow() const { return currentRow_; }
    int CurrentColumn() const { return currentColumn_; }
    // The cell of a day of the month shown.
    bool FindDay(int day, int& row, int& column) const;
    // Row of Sunday, counted from 0.
    int SundayRow() const { return sundayRow_; }

  private:
    std::array<std::array<MonthCell, kColumns>, kRows> cells_;
    int currentRow_ = 0, currentColumn_ = 1;
    int sundayRow_ = 0;
};

}  // namespace veltrin
