#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <iostream>
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
    ASSERT_EQ(Run({"--view", "select", "--search", "серафим", "--date", "2025-3-1", "--font",
                   "Arial", "--size", "14", "--format", "rtf"}),
              0);
    EXPECT_NE(out.str().find("Arial;}"), std::string::npos);
    EXPECT_NE(out.str().find("\\fs28"), std::string::npos);
    ASSERT_EQ(Run({"--style", "2", "--date", "2025-1-5"}), 0);
    EXPECT_NE(out.str().find("Строгий пост."), std::string::npos);
    ASSERT_EQ(Run({"--style", "2", "--date", "2025-1-5", "--no-fasting"}), 0);
    EXPECT_EQ(out.str().find("Строгий пост."), std::string::npos);

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
        {"--search", "Серафим"},  // only the Selection searches
        {"--view", "week", "--search", "Серафим"},
        {"--view", "select", "--search", "Серафим", "--format", "json"},
        {"--view", "feasts", "--format", "json"},
        {"--view", "week", "--format", "ics"},
        {"--view", "year", "--format", "ics", "--events", "days,"},
        {"--view", "year", "--format", "ics", "--events", "saints"},
        {"--view", "year", "--events", "days"},  // only the ics format has events
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

TEST_F(Command, MessagesNameTheFault) {
    EXPECT_EQ(Run({"--frobnicate"}), 2);
    EXPECT_EQ(err.str(), "veltrin-report: неизвестный параметр: --frobnicate\n");
    EXPECT_EQ(Run({"--date"}), 2);
    EXPECT_EQ(err.str(), "veltrin-report: параметру --date нужно значение\n");
    // A data directory that is not there, or holds no calendar, is a mistake, not a calendar.
    std::ostringstream o, e;
    EXPECT_EQ(RunReportCommand({"--data", (dir / "no such folder").string()}, o, e), 2);
    EXPECT_NE(e.str().find("no such folder"), std::string::npos);
    test::TempDataDir empty;
    EXPECT_EQ(RunReportCommand({"--data", empty.path().string()}, o, e), 2);
    EXPECT_TRUE(o.str().empty());
}

// A result that does not reach its place is a failure: status 1, one line, nothing left behind.
TEST_F(Command, OutputThatCannotBeWritten) {
    // A disk that fills up: the file may grow to 100 bytes only.
    const auto full = dir / "full.txt";
    const std::vector<std::string> args = {"--data", dir.path().string(), "--date", "2025-1-15",
                                           "-o",     full.string()};
    const auto onAFullDisk = [&args] {
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = 100;
        setrlimit(RLIMIT_FSIZE, &limit);
        signal(SIGXFSZ, SIG_IGN);
        std::ostringstream o;
        std::exit(RunReportCommand(args, o, std::cerr));
    };
    EXPECT_EXIT(onAFullDisk(), testing::ExitedWithCode(1), "не удалось записать");
    EXPECT_FALSE(std::filesystem::exists(full));
    const auto missing = dir / "no such folder" / "out.txt";
    EXPECT_EQ(Run({"--date", "2025-1-15", "-o", missing.string()}), 1);
    EXPECT_FALSE(std::filesystem::exists(missing.parent_path()));
    std::ostringstream failing;
    failing.setstate(std::ios::badbit);
    std::ostringstream e;
    EXPECT_EQ(RunReportCommand({"--data", dir.path().string(), "--date", "2025-1-15"}, failing, e),
              1);
    EXPECT_NE(e.str().find("стандартный вывод"), std::string::npos);
    // A file written again is replaced whole, with no temporary left beside it.
    const auto file = dir / "again.txt";
    ASSERT_EQ(Run({"--date", "2025-1-15", "-o", file.string()}), 0);
    ASSERT_EQ(Run({"--date", "2025-1-2", "--style", "2", "-o", file.string()}), 0);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        files += entry.path().filename().string().rfind("again.txt", 0) == 0;
    EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace veltrin
