// The month grid: the weekday names, the page of the current month and the clicks on it.

#include <QCursor>
#include <QMenu>
#include <QSignalBlocker>

#include "reckoning/DayNumbers.h"
#include "reckoning/UserClick.h"
#include "reports/CalendarSystem.h"
#include "shell/StartTables.h"
#include "ui/main/CellGrid.h"
#include "ui/main/Selector.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::ui {

void frmVeltrin::SetWeekDaysNames() {
    MSFlexGrid1->SuspendPainting();
    const int first = sys_.settings.FirstWeekday;
    SundayPos = WeekdayPosition(first, 7);
    {
        const QSignalBlocker quiet(Combo1[kWeekdaySelector]);
        Combo1[kWeekdaySelector]->clear();
        for (int i = 0; i < 7; ++i) {
            const int w = (first + i - 1) % 7 + 1;
            MSFlexGrid1->At(i, 0).text = QString::fromUtf8(WeekdayNames[14 + w - 1].data());
            Combo1[kWeekdaySelector]->addItem(QString::fromUtf8(WeekdayNames[w - 1].data()));
        }
    }
    const Rgb navy = ColorOf(kOrdinaryTextRole, 1), red = ColorOf(kSundayTextRole, 1);
    CellGrid::Cell& other = MSFlexGrid1->At((7 - SundayPos) % 7, 0);
    other.bold = false;
    other.fore = QColor(navy.red, navy.green, navy.blue);
    CellGrid::Cell& sunday = MSFlexGrid1->At(SundayPos - 1, 0);
    sunday.bold = true;
    sunday.fore = QColor(red.red, red.green, red.blue);
}

void frmVeltrin::MoveSelector(int i, int position) {
    Combo1[i]->setCurrentIndex(position);
    if (focusedSelector_ == i) PrevListIndex = static_cast<int16_t>(Combo1[i]->currentIndex());
}

void frmVeltrin::SetGridCal() {
    if (!initialized_) Form_Initialize();
    const Calendar& c = sys_.calendar;
    const int s = c.CurStyle;
    const StyleDate& r = c.StyleDates[s];
    const auto& red = sys_.bases.RedDays;

    MSFlexGrid1->SuspendPainting();
    MSFlexGrid1->SetBackColor(Role(kBackgroundRole));
    int previousDays = 0;
    if (r.Month >= 2)
        previousDays = r.MonthDays[r.Month - 1];
    else if (r.Year > c.MinYear[s])
        previousDays = r.MonthDays[12];

    const int p = WeekdayPosition(sys_.settings.FirstWeekday, r.MonthFirstWeekday);
    const auto other = [&](int row, int column, int number) {
        CellGrid::Cell& cell = MSFlexGrid1->At(row, column);
        cell.back = Role(kBackgroundRole);
        cell.fore = Role(kAdjacentMonthTextRole);
        cell.bold = false;
        cell.text = number >= 1 ? QString::number(number) : QString();
    };
    for (int row = p - 2; row >= 0; --row)
        other(row, 1, previousDays--);

    int row = p - 1, column = 1, currentRow = row, currentColumn = column;
    const auto advance = [&] {
        if (++row == 7) {
            row = 0;
            ++column;
        }
    };
    for (int d = 1; d <= r.MonthDays[r.Month]; ++d) {
        CellGrid::Cell& cell = MSFlexGrid1->At(row, column);
        const bool redDay = d <= static_cast<int>(red.size()) && red[d - 1];
        cell.back = Role(redDay ? kRedDayBackgroundRole : kBackgroundRole);
        const bool sunday = row + 1 == SundayPos;
        cell.fore = Role(sunday ? kSundayTextRole : kOrdinaryTextRole);
        cell.bold = sunday;
        cell.text = QString::number(d);
        if (d == r.Day) {
            currentRow = row;
            currentColumn = column;
        }
        advance();
    }
    const bool showNext = r.Year < c.MaxYear[s] || r.Month < 12;
    for (int n = 1; column <= 6; ++n) {
        other(row, column, showNext ? n : 0);
        advance();
    }

    CellGrid::Cell& current = MSFlexGrid1->At(currentRow, currentColumn);
    SelRow = static_cast<int16_t>(currentRow);
    SelCol = static_cast<int16_t>(currentColumn);
    SelBackColor = current.back;
    SelForeColor = current.fore;
    SelBold = current.bold;
    current.back = Role(kCurrentDayBackgroundRole);
    current.fore = Role(kCurrentDayTextRole);
    current.bold = true;
    MSFlexGrid1->ResumePainting();

    SelectorLock = true;
    MoveSelector(kStyleSelector, s - 1);
    MoveSelector(kYearSelector, r.Year - c.MinYear[s]);
    MoveSelector(kMonthSelector, r.Month - 1);
    MoveSelector(kWeekSelector, r.WeekOfYear - 1);
    MoveSelector(kWeekdaySelector, WeekdayPosition(sys_.settings.FirstWeekday, c.CurWeekday) - 1);
    SetDatesCal();
    SelectorLock = false;
}

void frmVeltrin::MSFlexGrid1_MouseDown(Qt::MouseButton button, int row, int column) {
    if (button == Qt::RightButton) {
        menu.mnuCalendar->popup(QCursor::pos());
        return;
    }
    if (column == 0) {
        PrevListIndex = static_cast<int16_t>(Combo1[kWeekdaySelector]->currentIndex());
        Combo1[kWeekdaySelector]->setCurrentIndex(row);
        return;
    }
    CellGrid::Cell& cell = MSFlexGrid1->At(row, column);
    if (cell.text.isEmpty()) return;
    if (cell.back == Role(kCurrentDayBackgroundRole)) return;

    MSFlexGrid1->SuspendPainting();
    CellGrid::Cell& highlighted = MSFlexGrid1->At(SelRow, SelCol);
    highlighted.back = SelBackColor;
    highlighted.fore = SelForeColor;
    highlighted.bold = SelBold;
    const int day = cell.text.toInt();
    Calendar& c = sys_.calendar;
    if (cell.fore == Role(kAdjacentMonthTextRole)) {
        // The grid is redrawn by the move; painting resumes there.
        PickDayInAdjacentMonth(c, day, column);
        if (MSFlexGrid1->PaintingSuspended()) MSFlexGrid1->ResumePainting();
        return;
    }
    SelRow = static_cast<int16_t>(row);
    SelCol = static_cast<int16_t>(column);
    SelBackColor = cell.back;
    SelForeColor = cell.fore;
    SelBold = cell.bold;
    cell.back = Role(kCurrentDayBackgroundRole);
    cell.fore = Role(kCurrentDayTextRole);
    cell.bold = true;
    MSFlexGrid1->ResumePainting();

    PickDay(c, day);
    const StyleDate& r = c.Cur();
    SelectorLock = true;
    MoveSelector(kWeekSelector, r.WeekOfYear - 1);
    MoveSelector(kWeekdaySelector, WeekdayPosition(sys_.settings.FirstWeekday, c.CurWeekday) - 1);
    SetDatesCal();
    SelectorLock = false;
}

}  // namespace veltrin::ui
