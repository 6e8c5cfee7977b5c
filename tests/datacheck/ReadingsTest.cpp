// The readings of the shipped data set over the years 1900 to 2100: every day has readings,
// every Sunday but Pascha a Gospel of Matins, and every line of the lectionary is read.

#include <gtest/gtest.h>

#include <algorithm>

#include "data/Readings.h"
#include "datacheck/ShippedData.h"
#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"
#include "reports/CalendarSystem.h"

namespace veltrin::datacheck {
namespace {

TEST(ShippedReadings, EveryLectionaryLineIsRead) {
    int lines = 0;
    for (const Section& s : ReadSections("Lectionary.DAT"))
        for (const auto& [key, value] : s.entries) {
            // A Sunday Gospel of Matins may be given by its number.
            const bool number = value.find_first_not_of("0123456789") == std::string::npos;
            if (!key.empty() && key != "about" && !number) {
                const size_t parts = 1 + std::count(value.begin(), value.end(), '/');
                EXPECT_EQ(ParseReadings(value).size(), parts) << key << "=" << value;
                ++lines;
            }
        }
    EXPECT_GT(lines, 500);
}

TEST(ShippedReadings, EveryDayOfTheRange) {
    CalendarSystem sys;
    sys.LoadData(DataDir());
    const int32_t first = ComputeDayNumber(kJulian, 1, 1, 1900);
    const int32_t last = ComputeDayNumber(kJulian, 31, 12, 2100);
    for (int32_t d = first; d <= last; ++d) {
        const std::string text = sys.reports.ReadingsText(d, sys.reports.GatherDay(d).readings);
        const CivilDate j = JulianDateOf(d);
        ASSERT_FALSE(text.empty()) << j.day << "." << j.month << "." << j.year;
        const bool pascha = d == PaschaOf(j.year);
        if (WeekdayOf(d) == 7 && !pascha) {
            ASSERT_EQ(text.rfind("Утр. – ", 0), 0u) << j.day << "." << j.month << "." << j.year;
        }
        // Outside Lent every day but Great Friday and the days of Lent serves the Liturgy.
        const int b = static_cast<int>(d - PaschaOf(j.year));
        const bool noLiturgy = (b >= -48 && b <= -9 && WeekdayOf(d) < 6) || b == -2 ||
                               b == -53 || b == -51;
        if (!noLiturgy) {
            ASSERT_NE(text.find("Лит. – "), std::string::npos)
                << j.day << "." << j.month << "." << j.year << ": " << text;
        }
    }
}

}  // namespace
}  // namespace veltrin::datacheck
