#include <gtest/gtest.h>

#include "reckoning/UserClick.h"
#include "unit/ReportFixture.h"

namespace veltrin {
namespace {

using test::ReportTest;

TEST(ReportFormat, TitleJoins) {
    EXPECT_EQ(JoinAfterDot("Неделя 3-я по Пасхе.", ", о расслабленном."),
              "Неделя 3-я по Пасхе, о расслабленном.");
    EXPECT_EQ(JoinWithBlank("", "Титул"), "Титул");
}

TEST_F(ReportTest, DayTitlesAndColours) {
    const int32_t pascha = PaschaOf(2025);
    sys.settings.ShowIndiction = true;
    sys.settings.ShowAllStyles = true;
    GoTo(kGregorian, 20, 4, 2025);
    ASSERT_EQ(sys.calendar.CurDayNum, pascha);
    sys.RefreshView();
    const std::string text = Text(kDayTab);
    EXPECT_NE(Utf8(kDayTab).find("\\cf2 \\par\r\n\\f1    \\f0  85-й"), std::string::npos);  // red
    EXPECT_NE(text.find("85-й год 15-го индиктиона"), std::string::npos) << text;
    EXPECT_NE(text.find("20 апреля 2025 года от Р.Х. по новому стилю\n"
                        "    7 апреля 2025 года от Р.Х. по старому стилю\n"
                        "    7 апреля 7533 года от Сотворения Мира\n"),
              std::string::npos)
        << text;
    // The replacing title stands alone; on Pascha the feast comes before the saints of the day.
    EXPECT_NE(text.find("    Светлое Христово Воскресение.\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Глас"), std::string::npos);
    EXPECT_LT(text.find("СВЕТЛОЕ ХРИСТОВО ВОСКРЕСЕНИЕ."), text.find("Калиопия"));
    EXPECT_LT(text.find("Калиопия"), text.find("Даниила"));

    // A comma title joins the computed phrase without its full stop.
    sys.settings.ShowIndiction = sys.settings.ShowAllStyles = false;
    GoTo(kGregorian, 27, 4, 2025);
    sys.reports.Shown.MakeAllStale();
    sys.RefreshView();
    EXPECT_NE(Text(kDayTab).find("Неделя 2-я по Пасхе, апостола Фомы. Глас 1-й."),
              std::string::npos)
        << Text(kDayTab);
    // An ordinary Sunday is red even with nothing to show.
    GoTo(kGregorian, 3, 8, 2025);
    sys.RefreshView();
    EXPECT_NE(Utf8(kDayTab).find("\\fs20\r\n\\cf2 "), std::string::npos);
    // Palm Sunday: the movable group-1 item comes before the fixed ones of the day.
    GoTo(kJulian, 31, 3, 2025);
    sys.RefreshView();
    EXPECT_NE(Text(kDayTab).find("ВХОД ГОСПОДЕНЬ"), std::string::npos);
}

TEST_F(ReportTest, CacheRebuildsOnlyWhatChanged) {
    GoTo(kJulian, 2, 1, 2025);
    panes.tab = kDayTab;
    sys.RefreshView();
    sys.RefreshView();
    EXPECT_EQ(panes.published, std::vector<int>{kDayTab});
    panes.tab = kMonthTab;
    sys.RefreshView();
    PickDay(sys.calendar, 3);  // inside the month: the Month view stays
    panes.tab = kDayTab;
    sys.RefreshView();
    panes.tab = kMonthTab;
    sys.RefreshView();
    EXPECT_EQ(panes.published, (std::vector<int>{kDayTab, kMonthTab, kDayTab}));
    sys.reports.Shown.MakeAllStale();
    sys.RefreshView();
    EXPECT_EQ(panes.published.back(), kMonthTab);
    panes.tab = kSelectionTab;  // built on request only
    sys.RefreshView();
    EXPECT_EQ(panes.published.size(), 4u);
}

// A week across the new year takes each day's movable texts from its own year, and the calendar
// is not moved.
TEST_F(ReportTest, WeekAcrossTheNewYear) {
    GoTo(kJulian, 30, 12, 2024);
    const Calendar before = sys.calendar;
    panes.tab = kWeekTab;
    sys.RefreshView();
    const std::string text = Text(kWeekTab);
    const size_t second = text.find("2 января 2025 года");
    ASSERT_NE(second, std::string::npos);
    EXPECT_NE(text.find("Память переходящая.", second), std::string::npos);
    EXPECT_LT(text.find("Память переходящая."), text.find("3 января 2025 года"));
    EXPECT_EQ(sys.calendar.CurDayNum, before.CurDayNum);
    EXPECT_EQ(sys.calendar.Pascha.PaschaDay, before.Pascha.PaschaDay);
    EXPECT_EQ(sys.calendar.Cur().WeekOfYear, before.Cur().WeekOfYear);
}

TEST_F(ReportTest, AnnoMundiMonthView) {
    sys.settings.ShowIndiction = true;
    GoTo(kAnnoMundi, 10, 1, 7534);
    panes.tab = kMonthTab;
    sys.RefreshView();
    const std::string month = Text(kMonthTab);
    EXPECT_NE(month.find("    Сентябрь 7534 года от Сотворения Мира\n"), std::string::npos);
    EXPECT_NE(month.find("индиктиона"), std::string::npos);
    EXPECT_EQ(sys.calendar.Cur().Day, 10);
}

TEST_F(ReportTest, MainFeastsInEveryStyle) {
    panes.tab = kMainFeastsTab;
    std::string text;
    GoTo(kAnnoMundi, 1, 6, 7534);  // February 7534 = 2026
    sys.RefreshView();
    text = Text(kMainFeastsTab);
    const size_t f = text.find("Двунадесятые непереходящие праздники");
    EXPECT_LT(text.find("8 сентября", f), text.find("6 января", f));
    EXPECT_LT(text.find("25 декабря", f), text.find("6 января", f));

    GoTo(kJulian, 1, 6, 2025);
    sys.RefreshView();
    text = Text(kMainFeastsTab);
    EXPECT_LT(text.find("1 января", text.find("Великие праздники")),
              text.find("24 июня", text.find("Великие праздники")));
    const size_t published = panes.published.size();
    PickDay(sys.calendar, 20);
    sys.RefreshView();  // the same year: nothing to do
    EXPECT_EQ(panes.published.size(), published);
}

// The fasting line stands after the week line; switched off, it is gone and nothing else moves.
TEST_F(ReportTest, FastingLine) {
    GoTo(kJulian, 3, 1, 2025);  // a Thursday of Svyatki: nothing to say
    sys.RefreshView();
    EXPECT_NE(Text(kDayTab).find("Глас 4-й.\n\n"), std::string::npos) << Text(kDayTab);
    GoTo(kJulian, 2, 1, 2025);  // a Wednesday of Svyatki
    sys.RefreshView();
    EXPECT_NE(Text(kDayTab).find("Глас 4-й.\n    Святки. Поста нет.\n\n"), std::string::npos)
        << Text(kDayTab);
    sys.settings.ShowFasting = false;
    sys.reports.Shown.MakeAllStale();
    sys.RefreshView();
    EXPECT_EQ(Text(kDayTab).find("Поста нет"), std::string::npos);
    // The summary of a day for the month grid: its first item and its rule.
    sys.settings.ShowFasting = true;
    EXPECT_EQ(sys.reports.DaySummary(ComputeDayNumber(kJulian, 5, 1, 2025)),
              "Строгий пост. Пища с растительным маслом.");
    EXPECT_EQ(sys.reports.DaySummary(ComputeDayNumber(kJulian, 2, 1, 2025)),
              "Память переходящая.\nСвятки. Поста нет.");
    EXPECT_EQ(sys.reports.DaySummary(ComputeDayNumber(kJulian, 25, 12, 2024)),
              "РОЖДЕСТВО ГОСПОДА БОГА И СПАСА НАШЕГО ИИСУСА ХРИСТА.");
}

}  // namespace
}  // namespace veltrin
