#pragma once
// The report views: the day block every calendar view is made of, the builders of the six
// composed views, and RefreshView, which rebuilds the visible view when it is out of date. Every
// piece is composed from a day number and the loaded tables; the calendar state is only read to
// learn the current day, style and period.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "data/Bases.h"
#include "reckoning/Calendar.h"
#include "reckoning/Dates.h"
#include "reports/RowBuffer.h"
#include "reports/Settings.h"

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

// A piece of a day block and whether it makes the day red.
struct DayPiece {
    std::string text;
    bool red = false;
};

// What the data files hold for a day: the five text groups (RTF fragments), whether a file or a
// movable row makes the day red, and the highest Typikon sign among its commemorations.
struct DayTexts {
    std::array<std::string, 5> groups;
    bool red = false;
    Sign highestSign = kNoSign;
    ReadingKeys readings;  // the day's own readings, from its month file and its movable rows
};

class Reports {
  public:
    Reports(const Calendar& calendar, Bases& bases, const Settings& settings)
        : calendar_(calendar), bases_(bases), settings_(settings) {}

    ReportPanes* panes = &noPanes_;
    std::array<std::filesystem::path, kComposedViews> TempFiles;
    ShownKeys Shown;
    bool WholeWord = false;  // the Selection view's "Целое слово"

    // The last document each view built (Windows-1251 RTF), whether or not it reached a file.
    const std::string& Document(int tab) const { return documents_[tab]; }

    void RefreshView();
    void BuildDayView();
    void BuildWeekView();
    void BuildMonthView();
    void BuildYearView();
    void BuildMainFeastsView();
    void BuildSelection(std::string_view text);

    // The pieces of a day block, for a day shown in a style.
    std::string IndictionLine(int32_t day) const;
    std::string DateHeading(int style, int32_t day, bool showYear, bool showStyle) const;
    DayPiece WeekLine(int style, int32_t day) const;
    DayTexts GatherDay(int32_t day) const;
    DayPiece DayEntries(int32_t day) const;
    // The fasting line of the day, when it has one and the line is shown.
    std::string FastingLine(int32_t day, Sign highest) const;
    // The readings of the day as one paragraph of text; empty when it has none.
    std::string ReadingsText(int32_t day, const ReadingKeys& own) const;
    // The day in a line or two of plain text: its first commemoration and its fasting rule.
    std::string DaySummary(int32_t day) const;
    // The name of month `month` of a style, in case 1 (nominative) or 2 (genitive).
    static std::string MonthName(int style, int month, int grammaticalCase);
    // A date of a style in plain words: "24 ноября 2026".
    static std::string DateText(int style, const CivilDate& date);

    // Position (1-based, in bytes of the lower-cased visible text) of the first acceptable
    // match at or after `start`, or 0.
    int FindMatch(int start, std::string_view text, std::string_view search) const;

  private:
    enum class Period { kWeek, kMonth, kYear };
    void BuildPeriodView(Period period);
    void Publish(int tab, const std::string& body);
    std::string StyleName() const;
    std::string Header() const;
    // The colour mark, then the indiction text, the date heading, the week line, the fasting
    // line and the entries.
    std::string DayBlock(int32_t day, std::string_view indiction, bool showYear) const;
    // The week line, the fasting line and the entries of a day, and whether the day is red.
    DayPiece DayBody(int style, int32_t day) const;
    // The row of a fixed feast or month-file item on its Julian day in the current year, if the
    // year has that day.
    std::optional<ReportRow> RowOfJulianDay(int julianDay, int julianMonth, std::string_view text,
                                            std::string_view search, bool mark) const;
    std::optional<std::string> MarkMatches(std::string_view fragment,
                                           std::string_view search) const;

    const Calendar& calendar_;
    Bases& bases_;
    const Settings& settings_;
    std::array<std::string, kComposedViews> documents_;
    ReportPanes noPanes_;
};

// Utilities of the day title.
std::string JoinWithBlank(std::string_view list, std::string_view title);
std::string JoinAfterDot(std::string_view text, std::string_view continuation);

}  // namespace veltrin
