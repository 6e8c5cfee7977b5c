// The page of the month grid: where the days stand, their colours, and what a click asks for.

#include <gtest/gtest.h>

#include "reckoning/Calculate.h"
#include "ui/model/MonthPage.h"
#include "unit/TempDataDir.h"

namespace veltrin {
namespace {

class MonthPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // 1 April 2001 (Julian 19 March) is red by its month file, so is Pascha by its row.
        dir.Write("March.DAT", "[19]\nRed=1\n[20]\nred=0\n");
        dir.Write("Relocatable.DAT", "[1]\nabout=Pascha\nred=1\n");
        bases.LoadAll(dir.path());
        SetYearRange(calendar, 1900, 2100);
    }
    MonthPage PageOn(int day, int month, int year, int firstWeekday) {
        GoToDate(calendar, kGregorian, day, month, year);
        return MonthPage::Of(calendar, bases, firstWeekday);
    }
    std::vector<std::string> Column(const MonthPage& page, int column) {
        std::vector<std::string> texts;
        for (int r = 0; r < MonthPage::kRows; ++r)
            texts.push_back(page.At(r, column).text);
        return texts;
    }

    test::TempDataDir dir;
    Bases bases;
    Calendar calendar;
};

TEST_F(MonthPageTest, MondayFirstPageOfApril2001) {
    const MonthPage page = PageOn(14, 4, 2001, 1);
    using V = std::vector<std::string>;
    EXPECT_EQ(Column(page, 0), (V{"Пн.", "Вт.", "Ср.", "Чт.", "Пт.", "Сб.", "Вс."}));
    EXPECT_TRUE(page.At(6, 0).bold);
    EXPECT_EQ(Column(page, 1), (V{"26", "27", "28", "29", "30", "31", "1"}));
    for (int r = 0; r < 6; ++r)
        EXPECT_TRUE(page.At(r, 1).adjacent && page.At(r, 1).fore == kAdjacentMonthTextRole);
    // Day 1 is a red Sunday.
    EXPECT_EQ(page.At(6, 1).fore, kSundayTextRole);
    EXPECT_EQ(page.At(6, 1).back, kRedDayBackgroundRole);
    EXPECT_EQ(Column(page, 6), (V{"30", "1", "2", "3", "4", "5", "6"}));
    EXPECT_FALSE(page.At(0, 6).adjacent);
    EXPECT_TRUE(page.At(1, 6).adjacent);
    // Today, Saturday the 14th, is the current day.
    EXPECT_EQ(page.At(5, 3).back, kCurrentDayBackgroundRole);
    EXPECT_EQ(page.CurrentRow(), 5);
    EXPECT_EQ(page.CurrentColumn(), 3);
    // Pascha, 15 April, is red by its movable row; the 2nd has "red=0" and stays plain.
    EXPECT_EQ(page.At(6, 3).back, kRedDayBackgroundRole);
    EXPECT_EQ(page.At(0, 2).back, kBackgroundRole);
}

TEST_F(MonthPageTest, SundayFirstAndShortFebruary) {
    MonthPage page = PageOn(14, 4, 2001, 7);
    EXPECT_EQ(page.At(0, 1).text, "1");
    EXPECT_TRUE(page.At(0, 2).bold);  // Sundays stand out
    EXPECT_FALSE(page.At(1, 2).bold);
    page = PageOn(10, 2, 2009, 7);  // 1 February 2009 was a Sunday
    EXPECT_EQ(page.At(0, 1).text, "1");
    EXPECT_EQ(page.At(6, 4).text, "28");
    EXPECT_EQ(Column(page, 5), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_TRUE(page.At(6, 6).adjacent);
}

TEST_F(MonthPageTest, NoNeighbourDaysOutsideTheRange) {
    MonthPage page = PageOn(1, 1, 1900, 7);
    // 1 January 1900 was a Monday: the Sunday cell above it is empty.
    EXPECT_EQ(page.At(1, 1).text, "1");
    EXPECT_TRUE(page.At(0, 1).text.empty());
    EXPECT_EQ(page.ActionAt(0, 1), CellAction::kNothing);
    page = PageOn(1, 12, 2100, 7);
    EXPECT_EQ(page.At(5, 5).text, "31");
    EXPECT_TRUE(page.At(6, 5).text.empty());
    EXPECT_EQ(page.ActionAt(6, 6), CellAction::kNothing);
}

TEST_F(MonthPageTest, WhatAClickAsksFor) {
    const MonthPage page = PageOn(14, 4, 2001, 1);
    EXPECT_EQ(page.ActionAt(3, 0), CellAction::kPickWeekday);
    EXPECT_EQ(page.ActionAt(5, 3), CellAction::kNothing);  // the current day
    EXPECT_EQ(page.ActionAt(1, 3), CellAction::kPickDay);
    EXPECT_EQ(page.At(1, 3).day, 10);
    EXPECT_EQ(page.ActionAt(5, 1), CellAction::kPickAdjacentDay);
    EXPECT_EQ(page.At(5, 1).day, 31);
    EXPECT_EQ(page.ActionAt(7, 1), CellAction::kNothing);
    int row = 0, column = 0;
    ASSERT_TRUE(page.FindDay(30, row, column));
    EXPECT_EQ(row * 10 + column, 6);  // Monday the 30th, row 0 of column 6
}

}  // namespace
}  // namespace veltrin
