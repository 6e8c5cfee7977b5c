// The Day, Week, Month and Year views and the dispatcher that keeps the visible one current.

#include <fstream>

#include "data/Cp1251.h"
#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"
#include "reports/ReportFormat.h"
#include "reports/Reports.h"
#include "reports/WalkScope.h"

namespace veltrin {

void Reports::Publish(int tab, const std::string& text) {
    std::string& document = documents_[tab];
    document = EncodeRtfCp1251(text);
    // The file is the view's copy on disk; a view that cannot be written is still shown.
    if (!TempFiles[tab].empty()) {
        std::ofstream out(TempFiles[tab], std::ios::binary | std::ios::trunc);
        out << document;
    }
    panes->Publish(tab, document);
}

void Reports::RefreshView() {
    switch (panes->VisibleTab()) {
        case kDayTab:
            BuildDayView();
            break;
        case kWeekTab:
            BuildWeekView();
            break;
        case kMonthTab:
            BuildMonthView();
            break;
        case kYearTab:
            BuildYearView();
            break;
        case kMainFeastsTab:
            BuildMainFeastsView();
            break;
        default:
            break;  // the Selection is built on request, the Abbreviations never
    }
}

void Reports::BuildDayView() {
    if (Shown.ShownKey[kDayTab] == calendar_.CurDayNum &&
        Shown.ShownStyle[kDayTab] == calendar_.CurStyle)
        return;
    RedDay = false;
    std::string text = IndictionLine() + DateHeading(true, true);
    text += WeekLine();
    text += DayEntries();
    text += Trailer;
    Publish(kDayTab, ReportHeader(settings_.FontName, settings_.FontSize) +
                         std::string(RedDay ? Red : Navy) + text);
    Shown.ShownKey[kDayTab] = calendar_.CurDayNum;
    Shown.ShownStyle[kDayTab] = calendar_.CurStyle;
}

void Reports::BuildWeekView() {
    BuildPeriodView(Period::kWeek);
}
void Reports::BuildMonthView() {
    BuildPeriodView(Period::kMonth);
}
void Reports::BuildYearView() {
    BuildPeriodView(Period::kYear);
}

void Reports::RecomputeYear() {
    ComputeYearData(calendar_);
    calendar_.host->ResolveYearDates();
}

void Reports::BuildPeriodView(Period period) {
    const int tab = period == Period::kWeek    ? kWeekTab
                    : period == Period::kMonth ? kMonthTab
                                               : kYearTab;
    const StyleDate& r = calendar_.Cur();
    const int32_t first = period == Period::kWeek    ? r.WeekFirstDay
                          : period == Period::kMonth ? r.MonthFirstDay
                                                     : r.YearFirstDay;
    const int32_t last = period == Period::kWeek    ? r.WeekLastDay
                         : period == Period::kMonth ? r.MonthLastDay
                                                    : r.YearLastDay;
    if (Shown.ShownKey[tab] == first && Shown.ShownStyle[tab] == calendar_.CurStyle) return;

    const int style = calendar_.CurStyle;
    const bool showYear =
        period == Period::kWeek && (settings_.ShowAllStyles || r.WeekFirstDay < r.YearFirstDay ||
                                    r.WeekLastDay > r.YearLastDay);
    std::string doc = ReportHeader(settings_.FontName, settings_.FontSize) + std::string(Navy);
    const std::string blank(BlankMark), par(ParagraphEnd), separator = SeparatorLine + par;
    const auto yearOf = [&] { return std::to_string(calendar_.Cur().Year); };
    {
        WalkScope walk(*this);
        if (period == Period::kMonth)
            doc += par + blank + MonthName(style, 1) + " " + yearOf() + " года" + StyleName() +
                   par + separator;
        if (period == Period::kYear)
            doc += par + blank + yearOf() + " год" + StyleName() + par + separator;

        int computedYear = calendar_.Cur().Year;  // the year of the year data and movable dates
        int previousMonth = 0;
        std::string days;
        for (int32_t d = first; d <= last; ++d) {
            SetWalkDay(calendar_, d);
            StyleDate& cur = calendar_.Cur();
            if (period == Period::kWeek) {
                if (cur.Year != computedYear) {
                    RecomputeYear();
                    computedYear = cur.Year;
                }
                if (d == first)
                    doc += par + blank + "Седмица" + par + blank + "с " + std::to_string(cur.Day) +
                           " " + MonthName(style, 2) + " " + yearOf() + " года" + par;
            } else {
                cur.WeekOfYear = WeekNumber(cur.YearFirstDay, cur.YearFirstWeekday, d);
                if (period == Period::kYear && cur.Month != previousMonth)
                    days += std::string(Navy) + par + blank + MonthName(style, 1) + par + separator;
                previousMonth = cur.Month;
            }
            const StyleDate& am = calendar_.StyleDates[kAnnoMundi];
            const bool indiction = d == first || (am.Month == 1 && am.Day == 1);
            days += DayBlock(indiction ? IndictionLine() : std::string(), showYear);
            days += std::string(Navy) + par + separator;
        }
        if (period == Period::kWeek)
            days = blank + "по " + std::to_string(calendar_.Cur().Day) + " " + MonthName(style, 2) +
                   " " + yearOf() + " года" + StyleName() + par + separator + days;
        doc += days;
        doc += Trailer;
        Publish(tab, doc);
        Shown.ShownKey[tab] = first;
        Shown.ShownStyle[tab] = style;
        walk.RestoreNow();
        // The movable dates are not part of the saved state: bring them back to today's year.
        if (period == Period::kWeek && computedYear != calendar_.Cur().Year) RecomputeYear();
    }
}

}  // namespace veltrin
