#include "WindowFixture.h"

namespace veltrin::test {
namespace {

const auto kMondayFirst = [](SettingsStore& s) {
    s.Save("FirstWeekday", "1");
    s.Save("Calendar", "3");
};
const auto kSundayFirst = [](SettingsStore& s) {
    s.Save("FirstWeekday", "7");
    s.Save("Calendar", "3");
};

std::vector<QString> Texts(std::initializer_list<const char*> list) {
    std::vector<QString> v;
    for (const char* s : list)
        v.push_back(s);
    return v;
}

using MonthGrid = WindowTest;

TEST_F(MonthGrid, MondayFirstPageOfApril2001) {
    Open({14, 4, 2001}, kMondayFirst);
    EXPECT_EQ(Column(0), Texts({"Пн.", "Вт.", "Ср.", "Чт.", "Пт.", "Сб.", "Вс."}));
    EXPECT_TRUE(Cell(6, 0).bold);
    EXPECT_EQ(Cell(6, 0).fore, Role(kSundayTextRole));
    EXPECT_FALSE(Cell(0, 0).bold);
    EXPECT_EQ(Column(1), Texts({"26", "27", "28", "29", "30", "31", "1"}));
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(Cell(r, 1).fore, Role(kAdjacentMonthTextRole)) << r;
    // Day 1 is a Sunday: red bold text.
    EXPECT_EQ(Cell(6, 1).fore, Role(kSundayTextRole));
    EXPECT_TRUE(Cell(6, 1).bold);
    EXPECT_EQ(Column(6), Texts({"30", "1", "2", "3", "4", "5", "6"}));
    EXPECT_EQ(Cell(0, 6).fore, Role(kOrdinaryTextRole));
    EXPECT_EQ(Cell(1, 6).fore, Role(kAdjacentMonthTextRole));
    EXPECT_FALSE(Cell(1, 6).bold);
    // Today, Saturday the 14th, is highlighted.
    EXPECT_EQ(Cell(5, 3).text, "14");
    EXPECT_EQ(Cell(5, 3).back, Role(kCurrentDayBackgroundRole));
    EXPECT_EQ(Cell(5, 3).fore, Role(kCurrentDayTextRole));
    EXPECT_TRUE(Cell(5, 3).bold);
    EXPECT_EQ(window->SelRow, 5);
    EXPECT_EQ(window->SelCol, 3);
    EXPECT_FALSE(window->SelBold);
    EXPECT_EQ(Grid().BackColor(), Role(kBackgroundRole));
}

TEST_F(MonthGrid, SundayFirstPageOfApril2001) {
    Open({14, 4, 2001}, kSundayFirst);
    EXPECT_EQ(Column(0), Texts({"Вс.", "Пн.", "Вт.", "Ср.", "Чт.", "Пт.", "Сб."}));
    EXPECT_TRUE(Cell(0, 0).bold);
    EXPECT_FALSE(Cell(6, 0).bold);
    EXPECT_EQ(Cell(0, 1).text, "1");
    EXPECT_EQ(Column(5), Texts({"29", "30", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(Column(6), Texts({"6", "7", "8", "9", "10", "11", "12"}));
    EXPECT_EQ(Cell(2, 5).fore, Role(kAdjacentMonthTextRole));
    // The Sunday row is red and bold, the other rows are not.
    EXPECT_TRUE(Cell(0, 2).bold);
    EXPECT_FALSE(Cell(1, 2).bold);
}

TEST_F(MonthGrid, FebruaryOnTheFirstWeekdayFillsFourColumns) {
    Open({10, 2, 2009}, kSundayFirst);  // 1 February 2009 was a Sunday
    EXPECT_EQ(Cell(0, 1).text, "1");
    EXPECT_EQ(Cell(6, 4).text, "28");
    EXPECT_EQ(Cell(6, 4).fore, Role(kOrdinaryTextRole));
    EXPECT_EQ(Column(5), Texts({"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(Cell(6, 6).text, "14");
    EXPECT_EQ(Cell(6, 6).fore, Role(kAdjacentMonthTextRole));
}

TEST_F(MonthGrid, RedSundayAndItsHighlight) {
    Open({10, 4, 2001}, kSundayFirst);  // Pascha fell on 15 April 2001 in both reckonings
    ASSERT_GE(sys->bases.RedDays.size(), 15u);
    ASSERT_TRUE(sys->bases.RedDays[14]);
    EXPECT_EQ(Cell(0, 3).text, "15");
    EXPECT_EQ(Cell(0, 3).back, Role(kRedDayBackgroundRole));
    EXPECT_EQ(Cell(0, 3).fore, Role(kSundayTextRole));
    EXPECT_TRUE(Cell(0, 3).bold);
    // Picked, it shows white bold on red, and gives its colours back when another day is picked.
    Click(0, 3);
    EXPECT_EQ(Cell(0, 3).back, Role(kCurrentDayBackgroundRole));
    EXPECT_EQ(Cell(0, 3).fore, Role(kCurrentDayTextRole));
    Click(1, 3);
    EXPECT_EQ(Cell(0, 3).back, Role(kRedDayBackgroundRole));
    EXPECT_EQ(Cell(0, 3).fore, Role(kSundayTextRole));
    EXPECT_TRUE(Cell(0, 3).bold);
}

TEST_F(MonthGrid, NeighbourMonthsOutsideTheRangeStayEmpty) {
    Open({14, 4, 2001}, kSundayFirst);
    Choose(kYearSelector, 0);
    Choose(kMonthSelector, 0);
    ASSERT_EQ(Cal().Cur().Year, 1900);
    ASSERT_EQ(Cal().Cur().Month, 1);
    // 1 January 1900 was a Monday: the Sunday cell above it is empty and ignores clicks.
    EXPECT_EQ(Cell(1, 1).text, "1");
    EXPECT_TRUE(Cell(0, 1).text.isEmpty());
    const int32_t day = Cal().CurDayNum;
    Click(0, 1);
    EXPECT_EQ(Cal().CurDayNum, day);

    Choose(kYearSelector, window->Combo1[kYearSelector]->count() - 1);
    Choose(kMonthSelector, 11);
    ASSERT_EQ(Cal().Cur().Year, 2100);
    EXPECT_TRUE(Cell(6, 6).text.isEmpty());
    EXPECT_TRUE(Cell(6, 5).text.isEmpty());  // 31 December 2100 is a Friday, row 5 of column 5
    EXPECT_EQ(Cell(5, 5).text, "31");
}

TEST_F(MonthGrid, ClickPicksADayOfTheMonth) {
    Open({14, 4, 2001}, kMondayFirst);
    const auto before = Cell(1, 3);  // Tuesday the 10th, not yet highlighted
    ASSERT_EQ(before.text, "10");
    Click(1, 3);
    EXPECT_EQ(Cal().CurDayNum, ComputeDayNumber(kGregorian, 10, 4, 2001));
    EXPECT_EQ(Cell(1, 3).back, Role(kCurrentDayBackgroundRole));
    EXPECT_EQ(window->SelBackColor, before.back);
    // The 14th has its own colours again.
    EXPECT_EQ(Cell(5, 3).back, Role(kBackgroundRole));
    EXPECT_EQ(Cell(5, 3).fore, Role(kOrdinaryTextRole));
    EXPECT_FALSE(Cell(5, 3).bold);
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
    // March 2001 began on a Thursday; the 31st is a Saturday in column 5, highlighted.
    EXPECT_EQ(Cell(5, 5).text, "31");
    EXPECT_EQ(Cell(5, 5).back, Role(kCurrentDayBackgroundRole));

    const auto next = CellOfDay(1);
    ASSERT_GE(next.first, 0);
    // The grey 1 after the last day of March.
    int row = -1, column = -1;
    for (int c = 5; c <= 6 && row < 0; ++c)
        for (int r = 0; r < 7; ++r)
            if (Cell(r, c).text == "1" && Cell(r, c).fore == Role(kAdjacentMonthTextRole)) {
                row = r;
                column = c;
                break;
            }
    ASSERT_GE(row, 0);
    Click(row, column);
    EXPECT_EQ(Cal().CurDayNum, ComputeDayNumber(kGregorian, 1, 4, 2001));
}

TEST_F(MonthGrid, WeekdayNameMovesWithinTheWeek) {
    Open({11, 4, 2001}, kMondayFirst);  // a Wednesday
    Click(6, 0);                        // "Вс."
    EXPECT_EQ(Cal().CurDayNum, ComputeDayNumber(kGregorian, 15, 4, 2001));
    Open({11, 4, 2001}, kSundayFirst);
    Click(0, 0);
    EXPECT_EQ(Cal().CurDayNum, ComputeDayNumber(kGregorian, 8, 4, 2001));
}

TEST_F(MonthGrid, IgnoredClicks) {
    Open({14, 4, 2001}, kMondayFirst);
    const int32_t day = Cal().CurDayNum;
    const auto published = window->published;
    Click(5, 3);  // the highlighted day itself
    Click(1, 3, Qt::RightButton);
    EXPECT_EQ(Cal().CurDayNum, day);
    EXPECT_EQ(window->published, published);
    EXPECT_EQ(Cell(5, 3).back, Role(kCurrentDayBackgroundRole));
    EXPECT_FALSE(Grid().PaintingSuspended());
}

}  // namespace
}  // namespace veltrin::test
