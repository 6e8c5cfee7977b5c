// The pieces of the calendar export and the JSON report that the parsers downstream rely on.

#include <gtest/gtest.h>

#include <set>

#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"
#include "reports/Icalendar.h"
#include "reports/JsonWriter.h"
#include "reports/MainFeasts.h"

namespace veltrin {
namespace {

TEST(Icalendar, LinesFoldBetweenCharactersAndValuesAreEscaped) {
    // Two-octet letters after names of either parity: a fold must fall between letters.
    std::string letters;
    for (int i = 0; i < 100; ++i)
        letters += "ж";
    for (const std::string name : {"X:", "XY:"}) {
        const std::string line = name + letters;
        const std::string folded = FoldIcsLine(line);
        std::string unfolded;
        size_t at = 0;
        for (size_t end; (end = folded.find("\r\n", at)) != std::string::npos; at = end + 2) {
            const std::string physical = folded.substr(at, end - at);
            EXPECT_LE(physical.size(), 75u);
            const std::string content = at == 0 ? physical : physical.substr(1);
            if (at > 0) {
                EXPECT_EQ(physical[0], ' ');
            }
            EXPECT_NE(static_cast<unsigned char>(content[0]) & 0xC0, 0x80) << "a split letter";
            unfolded += content;
        }
        EXPECT_EQ(unfolded, line);
    }
    EXPECT_EQ(FoldIcsLine("BEGIN:VEVENT"), "BEGIN:VEVENT\r\n");
    EXPECT_EQ(EscapeIcsText("Мч. А, мц. Б; \\ В\nГ\r"), "Мч. А\\, мц. Б\\; \\\\ В\\nГ");
    EXPECT_EQ(IcsTimestamp(1767225600), "20260101T000000Z");
}

TEST(Icalendar, AnEventSpansItsDaysWithAnExclusiveEnd) {
    IcsEvent e{"u@x", {28, 2, 2024}, 2, "Пост", "", ""};
    const std::string text = WriteIcalendar({e}, "К", "20260101T000000Z");
    EXPECT_NE(text.find("DTSTART;VALUE=DATE:20240228\r\nDTEND;VALUE=DATE:20240301\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("DESCRIPTION"), std::string::npos);  // none given, none written
}

// When the Annunciation falls on Pascha both are main feasts of the day, each with its own key.
TEST(MainFeasts, KyriopaschaKeepsBothFeasts) {
    int year = 1900;
    while (PaschaOf(year) != ComputeDayNumber(kJulian, 25, 3, year))
        ++year;
    const std::vector<MainFeast> feasts = MainFeastsBetween(
        ComputeDayNumber(kJulian, 1, 1, year), ComputeDayNumber(kJulian, 31, 12, year));
    EXPECT_EQ(feasts.size(), 18u);
    std::set<std::pair<int32_t, int>> keys;
    for (const MainFeast& f : feasts)
        keys.insert({f.day, f.key});
    EXPECT_EQ(keys.size(), feasts.size());
    EXPECT_EQ(std::count_if(feasts.begin(), feasts.end(),
                            [&](const MainFeast& f) { return f.day == PaschaOf(year); }),
              2);
}

TEST(JsonWriter, NestingAndEscapes) {
    JsonWriter json;
    json.BeginArray();
    json.String("\"ж\"\\\x01");
    json.BeginObject();
    json.EndObject();
    json.EndArray();
    EXPECT_EQ(json.Take(), "[\n  \"\\\"ж\\\"\\\\\\u0001\",\n  {}\n]\n");
}

}  // namespace
}  // namespace veltrin
