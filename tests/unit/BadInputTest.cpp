// Data files and texts that no calendar should hold: the program still shows what it can.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "unit/ReportFixture.h"

namespace veltrin {
namespace {

using test::ReportTest;

class BadInput : public ReportTest {
  protected:
    void BuildEveryView() {
        for (int tab = kDayTab; tab <= kMainFeastsTab; ++tab) {
            panes.tab = tab;
            sys.reports.Shown.MakeAllStale();
            sys.RefreshView();
            EXPECT_FALSE(sys.reports.Document(tab).empty()) << tab;
            EXPECT_FALSE(ParseRtf(sys.reports.Document(tab)).paragraphs.empty()) << tab;
        }
        sys.reports.BuildSelection("а");
        EXPECT_FALSE(sys.reports.Document(kSelectionTab).empty());
    }
    void Reload() {
        sys.bases = Bases{};
        sys.LoadData(dir.path());
        GoTo(kJulian, 1, 1, 2025);
    }
};

TEST_F(BadInput, RandomZeroAndHugeFiles) {
    dir.WriteBytes("January.DAT", test::RandomBytes(1 << 20, 11));
    dir.WriteBytes("December.DAT", "");
    // 50 MB, nearly all of it in a section no day reads; day 1 holds a megabyte.
    const std::string line = "1=" + std::string(200, 'x') + ".\n";
    std::string huge = "[1]\n";
    while (huge.size() < 1u << 20)
        huge += line;
    huge += "[99]\n";
    while (huge.size() < 50u << 20)
        huge += line;
    dir.WriteBytes("February28.DAT", huge);
    dir.WriteBytes("Relocatable.DAT", test::RandomBytes(1 << 16, 12));
    Reload();
    BuildEveryView();
    GoTo(kJulian, 1, 2, 2025);
    panes.tab = kDayTab;
    sys.RefreshView();
    EXPECT_GT(sys.reports.Document(kDayTab).size(), 1u << 20);
}

TEST_F(BadInput, ThirtyThousandSpecialRows) {
    std::string rows;
    for (int i = 1; i <= 30000; ++i)
        rows += "[" + std::to_string(i) + "]\nred=1\n0=Строка " + std::to_string(i) + ".\n";
    dir.Write("Special.DAT", rows);
    Reload();
    EXPECT_EQ(sys.bases.Special.size(), 30000u);
    BuildEveryView();
}

TEST_F(BadInput, DirectoriesFifosAndUnreadableFiles) {
    std::filesystem::remove(dir / "January.DAT");
    std::filesystem::create_directory(dir / "January.DAT");
    std::filesystem::remove(dir / "Weekdays.DAT");
    ASSERT_EQ(mkfifo((dir / "Weekdays.DAT").c_str(), 0600), 0);  // reading it would never end
    dir.Write("December.DAT", "[25]\n0=Нельзя прочесть.\n");
    chmod((dir / "December.DAT").c_str(), 0);
    Reload();
    EXPECT_TRUE(sys.bases.Wd.empty());
    BuildEveryView();
    if (geteuid() != 0) {  // the superuser reads every file
        GoTo(kJulian, 25, 12, 2025);
        panes.tab = kDayTab;
        sys.RefreshView();
        EXPECT_EQ(Text(kDayTab).find("Нельзя"), std::string::npos);
    }
}

// A view that cannot reach its file is built in memory and shown all the same.
TEST_F(BadInput, UnwritableTemporaryDirectory) {
    for (auto& file : sys.reports.TempFiles)
        file = dir / "no such folder" / "~DA1.tmp";
    GoTo(kJulian, 2, 1, 2025);
    panes.tab = kDayTab;
    sys.RefreshView();
    EXPECT_EQ(panes.published, std::vector<int>{kDayTab});
    EXPECT_NE(Text(kDayTab).find("Серафима"), std::string::npos);
}

TEST_F(BadInput, LongAndSpecialSearchTexts) {
    GoTo(kJulian, 1, 1, 2025);
    std::string longText;
    for (int i = 0; i < 10000; ++i)
        longText += "я";
    sys.reports.BuildSelection(longText);
    EXPECT_NE(Text(kSelectionTab).find("Ничего не найдено"), std::string::npos);
    for (const std::string text :
         {"\\", "{", "}", "\\par", "{\\rtf1", "\\'e0", "\\u1040?", "\r\n"}) {
        sys.reports.BuildSelection(text);
        const std::string plain = Text(kSelectionTab);
        EXPECT_NE(plain.find("Ничего не найдено"), std::string::npos) << text;
        EXPECT_NE(plain.find("Строка поиска"), std::string::npos) << text;
    }
}

}  // namespace
}  // namespace veltrin
