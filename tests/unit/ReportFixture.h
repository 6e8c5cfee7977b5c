#pragma once
// A small calendar of its own for the report tests: a few days of month files and movable rows.

#include <gtest/gtest.h>

#include "data/Cp1251.h"
#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"
#include "reports/CalendarSystem.h"
#include "reports/ReportFormat.h"
#include "reports/RtfReader.h"
#include "unit/RecordingHost.h"
#include "unit/TempDataDir.h"

namespace veltrin::test {

// Panes that remember what they were given, with a tab the test chooses.
class RecordingPanes : public ReportPanes {
  public:
    int tab = kDayTab;
    std::vector<int> published;
    int VisibleTab() override { return tab; }
    void Publish(int t, const std::string&) override { published.push_back(t); }
};

class ReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.Write("December.DAT",
                  "[25]\nred=1\n0={1}РОЖДЕСТВО ГОСПОДА БОГА И СПАСА НАШЕГО ИИСУСА ХРИСТА.\n"
                  "1=Поклонение волхвов.\n[31]\n0=Отдание праздника Рождества Христова.\n1=Прп. "
                  "Мелании Римляныни.\n");
        dir.Write("January.DAT",
                  "[1]\nred=1\n0={1}ОБРЕЗАНИЕ ГОСПОДНЕ.\n1={2}Свт. Василия Великого, архиеп. "
                  "Кесарии Каппадокийской.\n"
                  "[2]\n1={2}Прп. Серафима Саровского, чудотворца.\n3=Иконы Божией Матери, "
                  "именуемой «Умиление».\n"
                  "4=Предпразднство Богоявления.\n[6]\nred=1\n0={1}КРЕЩЕНИЕ ГОСПОДА БОГА И СПАСА "
                  "НАШЕГО ИИСУСА ХРИСТА.\n");
        dir.Write("April.DAT", "[7]\n1=Мч. Калиопия.\n2=Прп. Даниила Переяславского.\n");
        dir.Write("Relocatable.DAT",
                  "[1]\nabout=Pascha\nred=1\n0={1}СВЕТЛОЕ ХРИСТОВО ВОСКРЕСЕНИЕ.\n4=Светлая седмица "
                  "сплошная.\n"
                  "[2]\nabout=Palm Sunday\ndays=-7\nred=1\n0={1}ВХОД ГОСПОДЕНЬ В "
                  "ИЕРУСАЛИМ.\n11=Перед святыми дня.\n"
                  "[3]\nabout=a day of January 2025\ndays=" +
                      std::to_string(ComputeDayNumber(kJulian, 2, 1, 2025) - PaschaOf(2025)) +
                      "\n0=Память переходящая.\n");
        dir.Write("Relocatable1.DAT",
                  "[1]\nabout=Fathers\nday=25\nmonth=12\nweekday=0\n1={3}Святых отец.\n");
        dir.Write("Weekdays.DAT",
                  "[1]\nabout=Pascha\ndays=0\nred=1\n0=Светлое Христово Воскресение.\n"
                  "[2]\nabout=Thomas\ndays=7\n0=, апостола Фомы.\n");
        dir.Write("Weekdays1.DAT",
                  "[1]\nabout=after Nativity\nday=25\nmonth=12\nweekday=6\n0=, по Рождестве "
                  "Христовом.\n");
        std::string special;
        for (int i = 1; i <= 64; ++i)
            special += "[" + std::to_string(i) + "]\nabout=" + std::to_string(i) + "\n";
        dir.Write("Special.DAT", special);
        sys.LoadData(dir.path());
        sys.window = &host;
        sys.reports.panes = &panes;
        sys.calendar.today = [] { return CivilDate{15, 1, 2025}; };
    }
    // Stands on a day of a style, as the user would reach it.
    void GoTo(int style, int day, int month, int year) {
        GoToDate(sys.calendar, style, day, month, year);
    }
    std::string Text(int tab) const { return ParseRtf(sys.reports.Document(tab)).PlainText(); }
    std::string Utf8(int tab) const { return DecodeCp1251(sys.reports.Document(tab)); }

    TempDataDir dir;
    CalendarSystem sys;
    RecordingHost host;
    RecordingPanes panes;
};

}  // namespace veltrin::test
