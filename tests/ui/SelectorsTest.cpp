#include <QAction>
#include <QLineEdit>
#include <QTest>

#include <QKeyEvent>
#include <QWheelEvent>

#include "WindowFixture.h"
#include "ui/main/ReportTabs.h"
#include "ui/main/RtfPane.h"
#include "ui/main/StepArrow.h"

namespace veltrin::test {
namespace {

using Selectors = WindowTest;

TEST_F(Selectors, ListsAndDatesOfTheDefaultRange) {
    Open({14, 4, 2001});
    ASSERT_EQ(Cal().CurStyle, kJulian);  // nothing stored: style 2
    auto* years = window->Combo1[kYearSelector];
    auto* months = window->Combo1[kMonthSelector];
    EXPECT_EQ(years->count(), 201);
    EXPECT_EQ(years->currentIndex(), 2001 - 1900);
    EXPECT_EQ(window->Combo1[kWeekSelector]->count(), Cal().Cur().YearWeeks);
    EXPECT_EQ(window->MSFlexGrid2->At(0, 1).text, "1 апреля 7509 ");
    EXPECT_EQ(window->MSFlexGrid2->At(2, 1).text, "14 апреля 2001 ");

    window->ChangeStyle(kAnnoMundi);
    EXPECT_EQ(years->itemText(0), "7408");
    EXPECT_EQ(months->itemText(0), "(1) Сентябрь");
    EXPECT_EQ(months->currentIndex(), 7);  // 1 April 7509 is in the eighth month
}

// Whatever selector has the focus and however the program moved the selectors, a step in any
// selector moves the day by that selector's own step.
TEST_F(Selectors, EverySelectorStepsFromItsOwnPosition) {
    Open({7, 12, 2026});  // a Monday
    const auto expectOneStep = [&](const char* after) {
        for (const int kind : {kWeekSelector, kWeekdaySelector}) {
            ui::Selector* s = window->Combo1[kind];
            const int32_t before = Cal().CurDayNum;
            const int position = s->currentIndex();
            const int step = position + 1 < s->count() ? 1 : -1;
            s->setCurrentIndex(position + step);
            EXPECT_EQ(Cal().CurDayNum - before, step * (kind == kWeekSelector ? 7 : 1))
                << after << ", selector " << kind;
            s->setCurrentIndex(position);
            EXPECT_EQ(Cal().CurDayNum, before) << after;
        }
    };
    // The wheel over a selector that has no focus.
    window->Combo1_GotFocus(kWeekdaySelector);
    const int32_t day = Cal().CurDayNum;
    QWheelEvent notch(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window->Combo1[kWeekSelector], &notch);
    EXPECT_EQ(std::abs(Cal().CurDayNum - day), 7);
    window->Combo1_GotFocus(kMonthSelector);
    const int32_t week = Cal().CurDayNum;
    QApplication::sendEvent(window->Combo1[kWeekdaySelector], &notch);
    EXPECT_EQ(std::abs(Cal().CurDayNum - week), 1);
    // A click on a weekday of the grid, then Down in the focused week selector.
    Open({7, 12, 2026});
    window->Combo1_GotFocus(kWeekSelector);
    Click(3, 0);  // "Ср." with the week from Sunday
    ASSERT_EQ(Cal().CurDayNum, ComputeDayNumber(kGregorian, 9, 12, 2026));
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(window->Combo1[kWeekSelector], &down);
    EXPECT_EQ(Cal().CurDayNum, ComputeDayNumber(kGregorian, 16, 12, 2026));
    // Every move of the program: grid clicks, arrows, "Сегодня", a change of style.
    Click(1, 2);
    expectOneStep("a click on a day");
    window->Label2[kWeekdaySelector]->Step();
    expectOneStep("an arrow");
    window->Label1[kMonthSelector]->Step();
    expectOneStep("the month arrow");
    window->cbToday->click();
    expectOneStep("today");
    window->menu.mnuCal[2]->trigger();
    expectOneStep("a change of style");
}

TEST_F(Selectors, RefusedStyleChoiceIsSetBack) {
    Open({14, 4, 2001});
    // The last day of the range in style 2 is 13 January 2101 in style 3.
    Choose(kYearSelector, window->Combo1[kYearSelector]->count() - 1);
    Choose(kMonthSelector, 11);
    Click(window->Page().CurrentRow(), window->Page().CurrentColumn());  // nothing: current
    const auto [row, column] = CellOfDay(31);
    ASSERT_GE(row, 0);
    Click(row, column);
    ASSERT_EQ(Cal().CurDayNum, Cal().MaxDay[kJulian]);
    const int beeps = window->beeps;
    Choose(kStyleSelector, 2);
    EXPECT_EQ(window->beeps, beeps + 1);
    EXPECT_EQ(Cal().CurStyle, kJulian);
    EXPECT_EQ(window->Combo1[kStyleSelector]->currentIndex(), 1);
    // The menu refuses the same way and keeps its tick on style 2.
    window->menu.mnuCal[3]->trigger();
    EXPECT_EQ(window->beeps, beeps + 2);
    EXPECT_FALSE(window->menu.mnuCal[3]->isChecked());
    EXPECT_TRUE(window->menu.mnuCal[2]->isChecked());
}

TEST_F(Selectors, ArrowsStepOncePerPressButNotWithTheRightButton) {
    Open({14, 4, 2001});
    const int32_t day = Cal().CurDayNum;
    QWidget* forward = window->Label2[kWeekdaySelector];
    QTest::mousePress(forward, Qt::RightButton);
    QTest::mouseRelease(forward, Qt::RightButton);
    EXPECT_EQ(Cal().CurDayNum, day);
    QTest::mouseDClick(forward, Qt::LeftButton);
    EXPECT_EQ(Cal().CurDayNum, day + 1);  // the double click's own press
}

TEST_F(Selectors, TodayKeepsTheStyle) {
    Open({14, 4, 2001});
    window->ChangeStyle(kAnnoMundi);
    Choose(kYearSelector, 0);
    ASSERT_NE(Cal().CurDayNum, ComputeDayNumber(kGregorian, 14, 4, 2001));
    window->cbToday->click();
    EXPECT_EQ(Cal().CurDayNum, ComputeDayNumber(kGregorian, 14, 4, 2001));
    EXPECT_EQ(Cal().CurStyle, kAnnoMundi);
    EXPECT_EQ(window->Combo1[kYearSelector]->currentIndex(), 7509 - 7408);
}

using Views = WindowTest;

TEST_F(Views, TabsBuildTheirViewOnceWhenShown) {
    Open({14, 4, 2001});
    EXPECT_EQ(window->published[kWeekTab], 0);
    EXPECT_FALSE(window->SSTab1->Pane(kAbbreviationsTab)->PlainText().isEmpty());
    window->menu.mnuTab[kWeekTab]->trigger();
    window->menu.mnuTab[kWeekTab]->trigger();  // the tab already shown changes nothing
    EXPECT_EQ(window->SSTab1->CurrentTab(), kWeekTab);
    EXPECT_EQ(window->published[kWeekTab], 1);
    // Clicking a tab ticks its menu item alone.
    window->SSTab1->SetCurrentTab(kMonthTab);
    for (int t = 0; t < 7; ++t)
        EXPECT_EQ(window->menu.mnuTab[t]->isChecked(), t == kMonthTab) << t;
}

TEST_F(Views, SelectionTabTakesTheSelectedText) {
    Open({14, 4, 2001});
    auto* strFind = window->SSTab1->strFind;
    strFind->setText("прежний");
    window->menu.mnuTab[kWeekTab]->trigger();
    window->menu.mnuTab[kSelectionTab]->trigger();
    EXPECT_EQ(strFind->text(), "прежний");  // nothing selected

    window->menu.mnuTab[kDayTab]->trigger();
    ui::RtfPane* day = window->SSTab1->Pane(kDayTab);
    QTextCursor cursor = day->document()->find("апреля");
    ASSERT_FALSE(cursor.isNull());
    day->setTextCursor(cursor);
    window->menu.mnuTab[kSelectionTab]->trigger();
    EXPECT_EQ(strFind->text(), "апреля");
    EXPECT_EQ(window->published[kSelectionTab], 0);  // built on request only
}

TEST_F(Views, StyleMenuAndDatesGridSwitchTheStyle) {
    Open({14, 4, 2001});
    window->menu.mnuCal[kAnnoMundi]->trigger();
    EXPECT_EQ(Cal().CurStyle, kAnnoMundi);
    EXPECT_EQ(Grid().BackColor(), QColor(255, 255, 192));
    EXPECT_EQ(window->Combo1[kStyleSelector]->currentIndex(), 0);
    // A click on a row of the dates grid switches to its style; the right button does not.
    window->MSFlexGrid2_MouseDown(Qt::LeftButton, 2);
    EXPECT_EQ(Cal().CurStyle, kGregorian);
    for (int s = 1; s <= 3; ++s)
        EXPECT_EQ(window->menu.mnuCal[s]->isChecked(), s == kGregorian) << s;
    window->MSFlexGrid2_MouseDown(Qt::RightButton, 0);
    EXPECT_EQ(Cal().CurStyle, kGregorian);
}

}  // namespace
}  // namespace veltrin::test
