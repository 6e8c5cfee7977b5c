// The month grid as the user meets it: the page painted in its colours, and clicks and keys that
// move the day, turn the page or move within the week.

#include <QApplication>
#include <QTest>

#include "WindowFixture.h"

namespace veltrin::test {
namespace {

const auto kMondayFirst = [](SettingsStore& s) {
    s.Save("FirstWeekday", "1");
    s.Save("Calendar", "3");
};

using MonthGrid = WindowTest;

TEST_F(MonthGrid, PaintsThePageInItsColours) {
    Open({10, 4, 2001}, kMondayFirst);  // Pascha fell on 15 April 2001 in both reckonings
    const auto [row, column] = CellOfDay(15);
    EXPECT_EQ(Cell(row, column).back, Role(kRedDayBackgroundRole));
    EXPECT_EQ(Cell(0, 0).back, QColor(Qt::white));
    // Picked, it shows white on red, and gives its colours back when another day is picked.
    Click(row, column);
    EXPECT_EQ(Cell(row, column).back, Role(kCurrentDayBackgroundRole));
    EXPECT_EQ(Cell(row, column).fore, Role(kCurrentDayTextRole));
    Click(row, column - 1);
    EXPECT_EQ(Cell(row, column).back, Role(kRedDayBackgroundRole));
    EXPECT_EQ(Cell(row, column).fore, Role(kSundayTextRole));
}

TEST_F(MonthGrid, EachDayTellsItsFirstCommemorationAndFast) {
    Open({14, 4, 2001}, kMondayFirst);
    const auto [row, column] = CellOfDay(13);  // Great Friday
    const QString tip = Grid().ToolTipOf(row, column);
    EXPECT_TRUE(tip.endsWith("\nВеликий пост. Воздержание от пищи.")) << tip.toStdString();
    EXPECT_TRUE(Grid().ToolTipOf(0, 0).isEmpty());  // a weekday name
}

TEST_F(MonthGrid, ClickPicksADayOfTheMonth) {
    Open({14, 4, 2001}, kMondayFirst);
    Click(1, 3);  // Tuesday the 10th
    EXPECT_EQ(Cal().CurDayNum, ComputeDayNumber(kGregorian, 10, 4, 2001));
    EXPECT_EQ(Cell(1, 3).back, Role(kCurrentDayBackgroundRole));
    EXPECT_EQ(Cell(5, 3).back, Role(kBackgroundRole));
    EXPECT_EQ(window->Combo1[kWeekdaySelector]->currentIndex(), 1);
    EXPECT_EQ(window->Combo1[kWeekSelector]->currentIndex(), Cal().Cur().WeekOfYear - 1);
    EXPECT_EQ(window->MSFlexGrid2->At(2, 1).text, "10 апреля 2001 ");
}

TEST_F(MonthGrid, ClickOnAGreyDayTurnsThePage) {
    Open({14, 4, 2001}, kMondayFirst);
    Click(5, 1);  // the grey 31 above day 1
    EXPECT_EQ(Cal().CurDayNum, ComputeDayNumber(kGregorian, 31, 3, 2001));
    EXPECT_EQ(window->Combo1[kMonthSelector]->currentIndex(), 2);
    EXPECT_FALSE(Grid().PaintingSuspended());
    EXPECT_EQ(Cell(5, 5).text, "31");
    EXPECT_EQ(Cell(5, 5).back, Role(kCurrentDayBackgroundRole));
}

TEST_F(MonthGrid, WeekdayNameMovesWithinTheWeek) {
    Open({11, 4, 2001}, kMondayFirst);  // a Wednesday
    Click(6, 0);                        // "Вс."
    EXPECT_EQ(Cal().CurDayNum, ComputeDayNumber(kGregorian, 15, 4, 2001));
}

TEST_F(MonthGrid, KeyboardWalksTheDaysAndEnterTurnsThePage) {
    Open({14, 4, 2001}, kMondayFirst);  // Saturday, row 5 of the third column
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->Combo1[kWeekdaySelector]->setFocus();
    QTest::keyClick(window->Combo1[kWeekdaySelector], Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &Grid());
    EXPECT_EQ(std::pair(Grid().FocusRow(), Grid().FocusColumn()), std::pair(5, 3));
    const auto day = [](int d, int m) { return ComputeDayNumber(kGregorian, d, m, 2001); };
    const std::pair<Qt::Key, int32_t> walk[] = {
        {Qt::Key_Down, day(15, 4)}, {Qt::Key_Right, day(22, 4)}, {Qt::Key_Up, day(21, 4)},
        {Qt::Key_Left, day(14, 4)}, {Qt::Key_Left, day(7, 4)},   {Qt::Key_Down, day(8, 4)},
        {Qt::Key_Down, day(9, 4)},  {Qt::Key_Left, day(2, 4)},   {Qt::Key_Up, day(1, 4)},
        {Qt::Key_Left, day(1, 4)},  // the grid's edge
    };
    for (const auto& [key, expected] : walk) {
        QTest::keyClick(&Grid(), key);
        EXPECT_EQ(Cal().CurDayNum, expected) << "after key " << key;
    }
    EXPECT_EQ(window->Combo1[kWeekdaySelector]->currentIndex(), 6);
    // Onto the grey 31 March the focus moves alone; Enter turns the page to it.
    QTest::keyClick(&Grid(), Qt::Key_Up);
    EXPECT_EQ(Cal().CurDayNum, day(1, 4));
    EXPECT_EQ(std::pair(Grid().FocusRow(), Grid().FocusColumn()), std::pair(5, 1));
    QTest::keyClick(&Grid(), Qt::Key_Return);
    EXPECT_EQ(Cal().CurDayNum, day(31, 3));
    EXPECT_EQ(window->Combo1[kMonthSelector]->currentIndex(), 2);
    EXPECT_EQ(std::pair(Grid().FocusRow(), Grid().FocusColumn()), std::pair(5, 5));
}

TEST_F(MonthGrid, IgnoredClicks) {
    Open({14, 4, 2001}, kMondayFirst);
    const int32_t day = Cal().CurDayNum;
    const auto published = window->published;
    Click(5, 3);  // the current day itself
    Click(1, 3, Qt::RightButton);
    EXPECT_EQ(Cal().CurDayNum, day);
    EXPECT_EQ(window->published, published);
    EXPECT_EQ(Cell(5, 3).back, Role(kCurrentDayBackgroundRole));
}

}  // namespace
}  // namespace veltrin::test
