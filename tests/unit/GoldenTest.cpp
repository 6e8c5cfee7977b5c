// Every view's document, byte for byte, against a reviewed copy in tests/golden. After a
// deliberate change of a document, VELTRIN_UPDATE_GOLDEN=1 writes the copies anew for review.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "unit/ReportFixture.h"

namespace veltrin {
namespace {

class Golden : public test::ReportTest {
  protected:
    void Check(const std::string& name, int tab) {
        const std::filesystem::path file =
            std::filesystem::path(VELTRIN_GOLDEN_DIR) / (name + ".rtf");
        const std::string& document = sys.reports.Document(tab);
        if (std::getenv("VELTRIN_UPDATE_GOLDEN")) {
            std::ofstream(file, std::ios::binary | std::ios::trunc) << document;
            return;
        }
        std::ifstream in(file, std::ios::binary);
        ASSERT_TRUE(in) << file;
        std::ostringstream expected;
        expected << in.rdbuf();
        EXPECT_EQ(document, expected.str()) << name;
    }
    void Build(int tab) {
        panes.tab = tab;
        sys.RefreshView();
    }
};

// The views as they stand without the additions of later years (the fasting line).
TEST_F(Golden, EveryView) {
    sys.settings.ShowFasting = false;
    sys.settings.ShowReadings = false;
    sys.settings.FontName = "Liberation Serif";
    sys.settings.FontSize = 12;
    GoTo(kJulian, 1, 1, 2025);
    Build(kDayTab);
    Check("day", kDayTab);
    GoTo(kJulian, 30, 12, 2024);
    Build(kWeekTab);
    Check("week", kWeekTab);
    GoTo(kGregorian, 15, 1, 2025);
    Build(kMonthTab);
    Check("month", kMonthTab);
    sys.settings.ShowIndiction = true;
    GoTo(kAnnoMundi, 1, 5, 7533);
    Build(kYearTab);
    Check("year", kYearTab);
    sys.settings.ShowIndiction = false;
    sys.settings.ShowAllStyles = true;
    GoTo(kGregorian, 1, 6, 2025);
    Build(kMainFeastsTab);
    Check("feasts", kMainFeastsTab);
    sys.settings.ShowAllStyles = false;
    sys.reports.BuildSelection("СВ");
    Check("select", kSelectionTab);
}

}  // namespace
}  // namespace veltrin
