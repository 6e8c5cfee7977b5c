#include <gtest/gtest.h>

#include <sstream>

#include "app/report/ReportCommand.h"
#include "unit/ReportFixture.h"

namespace veltrin {
namespace {

class Command : public test::ReportTest {
  protected:
    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        args.insert(args.begin(), {"--data", dir.path().string()});
        return RunReportCommand(args, out, err);
    }
    std::ostringstream out, err;
};

TEST_F(Command, Views) {
    ASSERT_EQ(Run({"--style", "2", "--date", "2025-1-2"}), 0) << err.str();
    EXPECT_NE(out.str().find("2 января 2025 года от Р.Х. по старому стилю"), std::string::npos);
    EXPECT_NE(out.str().find("Прп. Серафима Саровского"), std::string::npos);
    ASSERT_EQ(Run({"--style", "1", "--date", "7533-5-2", "--format", "rtf"}),
              0);  // AM month 5 = January
    EXPECT_EQ(out.str().rfind("{\\rtf1\\ansi\\ansicpg1251", 0), 0u);
    EXPECT_NE(out.str().find(*EncodeCp1251("2 января 7533 года от Сотворения Мира")),
              std::string::npos);
    for (const std::string view : {"week", "month", "year", "feasts"}) {
        EXPECT_EQ(Run({"--view", view, "--date", "2025-1-15", "--indiction", "--all-styles"}), 0)
            << view;
        if (view != "feasts") {
            EXPECT_NE(out.str().find("индиктиона"), std::string::npos) << view;
        }
        EXPECT_NE(out.str().find("января 2025 года"), std::string::npos) << view;
    }
    ASSERT_EQ(
        Run({"--view", "select", "--search", "серафим", "--whole-word", "--date", "2025-3-1"}), 0);
    EXPECT_NE(out.str().find("Ничего не найдено"), std::string::npos);
    ASSERT_EQ(Run({"--view", "select", "--search", "серафим", "--date", "2025-3-1", "--font",
                   "Arial", "--size", "14", "--format", "rtf"}),
              0);
    EXPECT_NE(out.str().find("Arial;}"), std::string::npos);
    EXPECT_NE(out.str().find("\\fs28"), std::string::npos);
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.str().find("Использование"), std::string::npos);

    const auto file = dir / "out.txt";
    ASSERT_EQ(Run({"--date", "2025-1-15", "-o", file.string()}), 0);
    EXPECT_TRUE(out.str().empty());
    EXPECT_GT(std::filesystem::file_size(file), 0u);
}

// Each bad request: one line on standard error, status 2, nothing written.
TEST_F(Command, BadRequests) {
    const std::vector<std::vector<std::string>> bad = {
        {"--style", "4"},
        {"--view", "decade"},
        {"--date", "2025-2-29"},
        {"--date", "2025-13-1"},
        {"--date", "2025-1"},
        {"--date", "yesterday"},
        {"--date", "1899-12-31"},
        {"--date", "2101-1-1", "--style", "3"},
        {"--range", "300-2000"},
        {"--range", "2000-1900"},
        {"--view", "select"},
        {"--view", "select", "--search", "   "},
        {"--size", "0"},
        {"--format", "pdf"},
        {"--unknown"},
        {"--data"},
    };
    for (const auto& args : bad) {
        const auto file = dir / "never.txt";
        auto withOutput = args;
        withOutput.insert(withOutput.begin(), {"-o", file.string()});
        EXPECT_EQ(Run(withOutput), 2) << args[0];
        EXPECT_TRUE(out.str().empty());
        const std::string message = err.str();
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        EXPECT_FALSE(std::filesystem::exists(file));
    }
    // Within a wider range the same date is fine.
    EXPECT_EQ(Run({"--date", "1899-12-31", "--range", "1800-2000"}), 0) << err.str();
    EXPECT_EQ(Run({"--date", "2024-2-29", "--style", "2"}), 0);
    EXPECT_EQ(Run({"--date", "1900-2-29", "--style", "2"}), 0);  // a Julian leap day
    EXPECT_EQ(Run({"--date", "1900-2-29", "--style", "3"}), 2);
}

}  // namespace
}  // namespace veltrin
