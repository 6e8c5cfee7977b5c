// The report tabs, the view menu and the switch of the year style.

#include <QAction>
#include <QLineEdit>

#include "reckoning/Calculate.h"
#include "reports/CalendarSystem.h"
#include "ui/main/PaneText.h"
#include "ui/main/ReportTabs.h"
#include "ui/main/RtfPane.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::ui {

void frmVeltrin::mnuTab_Click(int tab) {
    for (int t = 0; t < 7; ++t)
        menu.mnuTab[t]->setChecked(t == tab);
    SSTab1->SetCurrentTab(tab);
}

void frmVeltrin::SSTab1_Click(int tab, int previous) {
    if (tab == kSelectionTab) {
        const QTextCursor selection = SSTab1->Pane(previous)->textCursor();
        if (selection.hasSelection()) SSTab1->strFind->setText(SearchTextOf(selection));
        SSTab1->strFind->setFocus();
    }
    for (int t = 0; t < 7; ++t)
        menu.mnuTab[t]->setChecked(t == tab);
    sys_.RefreshView();
}

void frmVeltrin::ChangeStyle(int style) {
    Calendar& c = sys_.calendar;
    if (c.CurDayNum < c.MinDay[style] || c.CurDayNum > c.MaxDay[style]) {
        Beep();
        return;
    }
    c.CurStyle = static_cast<int16_t>(style);
    RecalcAfterStyleChange(c);
    SetGridCal();
    sys_.RefreshView();
}

void frmVeltrin::mnuCal_Click(int style) {
    ChangeStyle(style);
    // A checkable item ticks itself when chosen; only the current style keeps the tick.
    CheckStyleMenu(sys_.calendar.CurStyle);
}

}  // namespace veltrin::ui
