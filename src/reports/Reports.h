#pragma once
// The report views: the day block every calendar view is made of, the builders of the six
// composed views, and RefreshView, which rebuilds the visible view when it is out of date.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "data/Bases.h"
#include "reckoning/Calendar.h"
#include "reports/RowBuffer.h"
#include "shell/Settings.h"

namespace veltrin {

enum ViewTab : int {
    kDayTab = 0,
    kWeekTab = 1,
    kMonthTab = 2,
    kYearTab = 3,
    kMainFeastsTab = 4,
    kSelectionTab = 5,
    kAbbreviationsTab = 6,
};
inline constexpr int kTabCount = 7;
inline constexpr int kComposedViews = 6;

// Where finished documents go: the window's panes, or nothing in a headless run.
class ReportPanes {
  public:
    virtual ~ReportPanes() = default;
    virtual int VisibleTab() { return kDayTab; }
    // The document of a view, as Windows-1251 RTF bytes.
    virtual void Publish(int /*tab*/, const std::string& /*document*/) {}
    virtual void SetBusy(bool /*busy*/) {}
};

// What each view last showed: a view is current when its key day and style are unchanged.
struct ShownKeys {
    std::array<int32_t, kTabCount> ShownKey = {};
    std::array<int32_t, kTabCount> ShownStyle = {};
    void MakeAllStale() { ShownStyle.fill(0); }
};

class Reports {
  public:
    Reports(Calendar& calendar, Bases& bases, const Settings& settings)
        : calendar_(calendar), bases_(bases), settings_(settings) {}

    ReportPanes* panes = &noPanes_;
    std::array<std::filesystem::path, kComposedViews> TempFiles;
    ShownKeys Shown;
    bool WholeWord = false;  // the Selection view's "Целое слово"
    bool RedDay = false;
    RowBuffer MSFlexGrid3;

    // The last document each view built (Windows-1251 RTF), whether or not it reached a file.
    const std::string& Document(int tab) const { return documents_[tab]; }

    void RefreshView();
    void BuildDayView();
    void BuildWeekView();
    void BuildMonthView();
    void BuildYearView();
    void BuildMainFeastsView();
    void BuildSelection(std::string_view text);

    // The pieces of a day block, for the current day.
    std::string IndictionLine();
    std::string DateHeading(bool showYear, bool showStyle);
    std::string WeekLine();
    std::string DayEntries();
    std::string MonthName(int style, int grammaticalCase);

    // Position (1-based, in bytes of the lower-cased visible text) of the first acceptable
    // match at or after `start`, or 0.
    int FindMatch(int start, std::string_view text, std::string_view search) const;

  private:
    friend class WalkScope;
    enum class Period { kWeek, kMonth, kYear };
    void BuildPeriodView(Period period);
    void Publish(int tab, const std::string& body);
    std::string StyleName() const;
    std::string DayBlock(std::string_view indiction, bool showYear);
    void AddDatedRow(std::string_view text, std::string_view search, bool mark);
    void SelectMovableText(int32_t dayNumber, std::string_view text, std::string_view search);
    void RecomputeYear();

    Calendar& calendar_;
    Bases& bases_;
    const Settings& settings_;
    std::array<std::string, kComposedViews> documents_;
    ReportPanes noPanes_;
};

// Utilities of the day title.
std::string JoinWithBlank(std::string_view list, std::string_view title);
std::string JoinAfterDot(std::string_view text, std::string_view continuation);

}  // namespace veltrin
