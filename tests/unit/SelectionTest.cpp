#include <gtest/gtest.h>

#include "unit/ReportFixture.h"

namespace veltrin {
namespace {

using test::ReportTest;

class Selection : public ReportTest {
  protected:
    std::string Select(const std::string& text, bool wholeWord = false) {
        sys.reports.WholeWord = wholeWord;
        sys.reports.BuildSelection(text);
        return Text(kSelectionTab);
    }
};

TEST_F(Selection, FindsFixedAndMovableTextsInDateOrder) {
    GoTo(kJulian, 15, 6, 2025);
    const int32_t before = sys.calendar.CurDayNum;
    const std::string text = Select("Серафим");
    EXPECT_NE(
        text.find("    2025 год от Р.Х. по старому стилю\n\n    Строка поиска: \"Серафим\"\n"),
        std::string::npos)
        << text;
    EXPECT_NE(text.find("2 января\n"), std::string::npos);  // a month-file row: no year
    EXPECT_EQ(text.find("Ничего не найдено"), std::string::npos);
    EXPECT_NE(Utf8(kSelectionTab).find("\\cf2 Серафим\\cf1 а"), std::string::npos);
    EXPECT_EQ(sys.calendar.CurDayNum, before);

    // Upper and lower case find the same days; a movable row shows the year.
    const std::string movable = Select("ПАМЯТЬ переходящая");
    EXPECT_NE(movable.find("2 января 2025 года\n"), std::string::npos) << movable;
    EXPECT_NE(movable.find("Строка поиска: \"ПАМЯТЬ переходящая\""), std::string::npos);

    // A day with a movable and a fixed match is listed once, with both.
    const std::string both = Select("я.");
    const size_t day = both.find("2 января 2025 года\n");
    ASSERT_NE(day, std::string::npos) << both;
    EXPECT_EQ(both.find("2 января", day + 1), std::string::npos);
    EXPECT_LT(both.find("Память переходящая"), both.find("Предпразднство Богоявления"));
    EXPECT_EQ(both.find("1 января"), std::string::npos);
}

TEST_F(Selection, NothingFoundAndBlanks) {
    GoTo(kJulian, 15, 6, 2025);
    const std::string text = Select("Несуществующее имя");
    EXPECT_NE(
        text.find(std::string(99, '.') + "\n\n    Ничего не найдено\n\n" + std::string(99, '.')),
        std::string::npos)
        << text;
    panes.published.clear();
    sys.reports.BuildSelection("   ");
    EXPECT_TRUE(panes.published.empty());
}

TEST_F(Selection, WholeWords) {
    GoTo(kJulian, 15, 6, 2025);
    EXPECT_NE(Select("Серафим", true).find("Ничего не найдено"), std::string::npos);
    EXPECT_EQ(Select("Серафима", true).find("Ничего не найдено"), std::string::npos);
    EXPECT_EQ(Select("Умиление", true).find("Ничего не найдено"), std::string::npos);  // before »
    EXPECT_EQ(Select("Богоявления", true).find("Ничего не найдено"),
              std::string::npos);  // before .
}

// A search matches what the reader sees, never the control words between the texts, and what the
// user typed cannot break the document.
TEST_F(Selection, ControlWordsAndSpecialCharacters) {
    GoTo(kJulian, 15, 6, 2025);
    for (const std::string search : {"par", "f1", "cf", "\\", "{", "}", "fs20"}) {
        const std::string text = Select(search);
        EXPECT_NE(text.find("Ничего не найдено"), std::string::npos) << search;
        const RtfDocument doc = ParseRtf(sys.reports.Document(kSelectionTab));
        EXPECT_NE(doc.PlainText().find("Строка поиска: \"" + search + "\""), std::string::npos)
            << search;
    }
    Select("Мир ☦ {\\b жирно}");
    EXPECT_NE(sys.reports.Document(kSelectionTab).find("\\u9766?"), std::string::npos);
    EXPECT_NE(Text(kSelectionTab).find("\"Мир ☦ {\\b жирно}\""), std::string::npos)
        << Text(kSelectionTab);
    // A search that finds the rank marker's digit leaves the marker alone.
    const std::string signs = Select("2");
    EXPECT_NE(signs.find("Ничего не найдено"), std::string::npos);
}

// A year whose February belongs to the next Julian year takes that year's February file: from
// early January (new style) and from the autumn (Anno Mundi) St John Cassian of a common year
// is on the 28th, not on a 29th that the year does not have.
TEST_F(Selection, FebruaryOfTheSearchedYear) {
    dir.Write("February28.DAT", "[28]\n1=Прп. Иоанна Кассиана Римлянина.\n");
    dir.Write("February29.DAT", "[29]\n1=Прп. Иоанна Кассиана Римлянина.\n");
    GoTo(kGregorian, 5, 1, 2025);  // Julian 23 December 2024, a leap year
    EXPECT_NE(Select("Кассиана").find("13 марта\n"), std::string::npos) << Text(kSelectionTab);
    GoTo(kAnnoMundi, 10, 2, 7534);  // October 2025; its February is that of 2026
    EXPECT_NE(Select("Кассиана").find("28 февраля\n"), std::string::npos);
    GoTo(kAnnoMundi, 10, 2, 7533);  // October 2024; February 2025
    EXPECT_NE(Select("Кассиана").find("28 февраля\n"), std::string::npos);
    GoTo(kJulian, 1, 6, 2024);
    EXPECT_NE(Select("Кассиана").find("29 февраля\n"), std::string::npos);
}

}  // namespace
}  // namespace veltrin
