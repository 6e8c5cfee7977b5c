#include "ui/model/MonthPage.h"

#include "data/RedDays.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Names.h"

namespace veltrin {

namespace {
constexpr int kSunday = 7;
}

MonthPage MonthPage::Of(const Calendar& c, Bases& bases, int firstWeekday) {
    MonthPage page;
    const int s = c.CurStyle;
    const StyleDate& r = c.StyleDates[s];
    page.sundayRow_ = WeekdayPosition(firstWeekday, kSunday) - 1;
    for (int row = 0; row < kRows; ++row) {
        MonthCell& name = page.cells_[row][0];
        const int weekday = (firstWeekday + row - 1) % 7 + 1;
        name.text = std::string(WeekdayName(kShortWeekdayNames, weekday));
        const bool sunday = row == page.sundayRow_;
        name.fore = sunday ? kSundayTextRole : kOrdinaryTextRole;
        name.bold = sunday;
        name.whiteBack = true;
    }

    // The days of the previous month above day 1; none before the first month of the range.
    int previousDays = 0;
    if (r.Month >= 2)
        previousDays = r.MonthDays[r.Month - 1];
    else if (r.Year > c.MinYear[s])
        previousDays = r.MonthDays[12];
    const int p = WeekdayPosition(firstWeekday, r.MonthFirstWeekday);
    const auto adjacent = [&](int row, int column, int number, int32_t dayNumber) {
        MonthCell& cell = page.cells_[row][column];
        cell.fore = kAdjacentMonthTextRole;
        if (number < 1) return;
        cell.text = std::to_string(number);
        cell.day = number;
        cell.dayNumber = dayNumber;
        cell.adjacent = true;
    };
    for (int row = p - 2, before = 1; row >= 0; --row, ++before)
        adjacent(row, 1, previousDays--, r.MonthFirstDay - before);

    const std::vector<bool> red = RedDaysBetween(bases, r.MonthFirstDay, r.MonthLastDay);
    int row = p - 1, column = 1;
    const auto advance = [&] {
        if (++row == kRows) {
            row = 0;
            ++column;
        }
    };
    for (int d = 1; d <= r.MonthDays[r.Month]; ++d) {
        MonthCell& cell = page.cells_[row][column];
        cell.text = std::to_string(d);
        cell.day = d;
        cell.dayNumber = r.MonthFirstDay + d - 1;
        const bool sunday = row == page.sundayRow_;
        const bool redDay = d <= static_cast<int>(red.size()) && red[d - 1];
        cell.back = redDay ? kRedDayBackgroundRole : kBackgroundRole;
        cell.fore = sunday ? kSundayTextRole : kOrdinaryTextRole;
        cell.bold = sunday;
        if (d == r.Day) {
            page.currentRow_ = row;
            page.currentColumn_ = column;
            cell.back = kCurrentDayBackgroundRole;
            cell.fore = kCurrentDayTextRole;
            cell.bold = true;
        }
        advance();
    }
    // The days of the next month; none after the last month of the range.
    const bool showNext = r.Year < c.MaxYear[s] || r.Month < 12;
    for (int n = 1; column < kColumns; ++n) {
        adjacent(row, column, showNext ? n : 0, r.MonthLastDay + n);
        advance();
    }
    return page;
}

CellAction MonthPage::ActionAt(int row, int column) const {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return CellAction::kNothing;
    if (column == 0) return CellAction::kPickWeekday;
    const MonthCell& cell = cells_[row][column];
    if (cell.day == 0) return CellAction::kNothing;
    if (cell.adjacent) return CellAction::kPickAdjacentDay;
    if (row == currentRow_ && column == currentColumn_) return CellAction::kNothing;
    return CellAction::kPickDay;
}

bool MonthPage::FindDay(int day, int& row, int& column) const {
    for (int c = 1; c < kColumns; ++c)
        for (int r = 0; r < kRows; ++r)
            if (cells_[r][c].day == day && !cells_[r][c].adjacent) {
                row = r;
                column = c;
                return true;
            }
    return false;
}

}  // namespace veltrin
