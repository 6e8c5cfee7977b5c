// The selectors and their step arrows, the dates in the three year styles, and "Сегодня".

#include <QCursor>
#include <QMenu>
#include <QSignalBlocker>

#include "reckoning/Names.h"
#include "reckoning/Paschalion.h"
#include "reckoning/UserClick.h"
#include "reports/CalendarSystem.h"
#include "ui/main/CellGrid.h"
#include "ui/main/Selector.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::ui {

void frmVeltrin::SetYearsMonths() {
    if (!initialized_) Form_Initialize();
    const Calendar& c = sys_.calendar;
    const int s = c.CurStyle;
    Selector* years = Combo1[kYearSelector];
    const int a = years->count() > 0 ? years->itemText(0).toInt() : 0;
    const int b = years->count() > 0 ? years->itemText(years->count() - 1).toInt() : 0;
    if (a == c.MinYear[s] && b == c.MaxYear[s]) return;

    SetBusy(true);
    {
        const QSignalBlocker quietYears(years);
        years->clear();
        QStringList list;
        for (int y = c.MinYear[s]; y <= c.MaxYear[s]; ++y)
            list << QString::number(y);
        years->addItems(list);
    }
    {
        Selector* months = Combo1[kMonthSelector];
        const QSignalBlocker quietMonths(months);
        months->clear();
        for (int m = 1; m <= 12; ++m) {
            const int civil = CivilMonth(s, m);
            months->addItem(QString("(%1) %2").arg(m).arg(
                QString::fromUtf8(CivilMonthName(civil, kNominative).data())));
        }
    }
    SetBusy(false);
}

void frmVeltrin::SetWeeks() {
    if (!initialized_) Form_Initialize();
    const Calendar& c = sys_.calendar;
    SetBusy(true);
    Selector* weeks = Combo1[kWeekSelector];
    {
        const QSignalBlocker quiet(weeks);
        weeks->clear();
        const int count = c.Pascha.PaschaWeek + 6 + c.Pascha.YearEndPentWeek;
        QStringList list;
        for (int w = 1; w <= count; ++w)
            list << QString::fromStdString(WeekName(c.Pascha, w));
        weeks->addItems(list);
    }
    SetBusy(false);
}

void frmVeltrin::SetDatesCal() {
    MSFlexGrid2->SuspendPainting();
    for (int s = 1; s <= 3; ++s) {
        const StyleDate& r = sys_.calendar.StyleDates[s];
        MSFlexGrid2->At(s - 1, 1).text =
            QString::fromStdString(Reports::DateText(s, {r.Day, r.Month, r.Year}) + " ");
    }
    MSFlexGrid2->ResumePainting();
}

void frmVeltrin::Combo1_GotFocus(int i) {
    // Every selector keeps its own remembered position, whichever has the focus.
    PrevListIndex[i] = static_cast<int16_t>(Combo1[i]->currentIndex());
}

void frmVeltrin::Combo1_Click(int i) {
    if (SelectorLock) return;
    const int position = Combo1[i]->currentIndex();
    if (position < 0) return;
    if (position != PrevListIndex[i]) SelectorChanged(sys_.calendar, i, position, PrevListIndex[i]);
    PrevListIndex[i] = static_cast<int16_t>(Combo1[i]->currentIndex());
}

void frmVeltrin::MSFlexGrid2_MouseDown(Qt::MouseButton button, int row) {
    if (button == Qt::RightButton) {
        menu.mnuCalendar->popup(QCursor::pos());
        return;
    }
    const int s = row + 1;
    if (s != sys_.calendar.CurStyle) ChangeStyle(s);
}

void frmVeltrin::GoToday() {
    veltrin::GoToday(sys_.calendar);
}

}  // namespace veltrin::ui
