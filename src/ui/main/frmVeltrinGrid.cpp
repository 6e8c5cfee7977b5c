// The month grid: the page of the current month painted from its model, and the clicks on it.

#include <QCursor>
#include <QMenu>
#include <QSignalBlocker>

#include "reckoning/DayNumbers.h"
#include "reckoning/Names.h"
#include "reckoning/UserClick.h"
#include "reports/CalendarSystem.h"
#include "ui/main/CellGrid.h"
#include "ui/main/Selector.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::ui {

void frmVeltrin::SetWeekDaysNames() {
    const int first = sys_.settings.FirstWeekday;
    const QSignalBlocker quiet(Combo1[kWeekdaySelector]);
    Combo1[kWeekdaySelector]->clear();
    for (int i = 0; i < 7; ++i) {
        const int w = (first + i - 1) % 7 + 1;
        Combo1[kWeekdaySelector]->addItem(
            QString::fromUtf8(WeekdayName(kCivilWeekdayNames, w).data()));
    }
}

void frmVeltrin::MoveSelector(int i, int position) {
    Combo1[i]->setCurrentIndex(position);
    PrevListIndex[i] = static_cast<int16_t>(Combo1[i]->currentIndex());
}

void frmVeltrin::PaintMonthPage() {
    page_ = MonthPage::Of(sys_.calendar, sys_.bases, sys_.settings.FirstWeekday);
    MSFlexGrid1->SuspendPainting();
    MSFlexGrid1->SetBackColor(Role(kBackgroundRole));
    for (int row = 0; row < MonthPage::kRows; ++row) {
        for (int column = 0; column < MonthPage::kColumns; ++column) {
            const MonthCell& m = page_.At(row, column);
            CellGrid::Cell& cell = MSFlexGrid1->At(row, column);
            cell.text = QString::fromStdString(m.text);
            cell.back = m.whiteBack ? QColor(Qt::white) : Role(m.back);
            cell.fore = Role(m.fore);
            cell.bold = m.bold;
        }
    }
    MSFlexGrid1->SetFocusCell(page_.CurrentRow(), page_.CurrentColumn());
    MSFlexGrid1->ResumePainting();
}

void frmVeltrin::SetDaySelectors() {
    const Calendar& c = sys_.calendar;
    SelectorLock = true;
    MoveSelector(kWeekSelector, c.Cur().WeekOfYear - 1);
    MoveSelector(kWeekdaySelector, WeekdayPosition(sys_.settings.FirstWeekday, c.CurWeekday) - 1);
    SetDatesCal();
    SelectorLock = false;
}

void frmVeltrin::SetGridCal() {
    if (!initialized_) Form_Initialize();
    const Calendar& c = sys_.calendar;
    const int s = c.CurStyle;
    PaintMonthPage();
    SelectorLock = true;
    MoveSelector(kStyleSelector, s - 1);
    MoveSelector(kYearSelector, c.Cur().Year - c.MinYear[s]);
    MoveSelector(kMonthSelector, c.Cur().Month - 1);
    SelectorLock = false;
    SetDaySelectors();
}

void frmVeltrin::MSFlexGrid1_MouseDown(Qt::MouseButton button, int row, int column) {
    if (button == Qt::RightButton) {
        menu.mnuCalendar->popup(QCursor::pos());
        return;
    }
    Calendar& c = sys_.calendar;
    switch (page_.ActionAt(row, column)) {
        case CellAction::kNothing:
            return;
        case CellAction::kPickWeekday:
            Combo1[kWeekdaySelector]->setCurrentIndex(row);
            return;
        case CellAction::kPickAdjacentDay:
            // The move redraws the grid and the selectors.
            PickDayInAdjacentMonth(c, page_.At(row, column).day, column);
            return;
        case CellAction::kPickDay:
            PickDay(c, page_.At(row, column).day);
            PaintMonthPage();
            SetDaySelectors();
            return;
    }
}

void frmVeltrin::MSFlexGrid1_FocusMoved(int row, int column) {
    // A day of the month is picked as the focus reaches it; a grey day waits for Enter.
    if (page_.ActionAt(row, column) == CellAction::kPickDay)
        MSFlexGrid1_MouseDown(Qt::LeftButton, row, column);
}

void frmVeltrin::MSFlexGrid1_Activated(int row, int column) {
    MSFlexGrid1_MouseDown(Qt::LeftButton, row, column);
}

}  // namespace veltrin::ui
