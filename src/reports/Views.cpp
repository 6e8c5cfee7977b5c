// The Day, Week, Month and Year views and the dispatcher that keeps the visible one current.

#include <fstream>

#include "data/Cp1251.h"
#include "reckoning/Dates.h"
#include "reckoning/Names.h"
#include "reports/ReportFormat.h"
#include "reports/Reports.h"

namespace veltrin {

std::string Reports::Header() const {
    return ReportHeader(settings_.FontName, settings_.FontSize);
}

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
    const int32_t day = calendar_.CurDayNum;
    const int style = calendar_.CurStyle;
    if (Shown.ShownKey[kDayTab] == day && Shown.ShownStyle[kDayTab] == style) return;
    const DayPiece body = DayBody(style, day);
    std::string text = IndictionLine(day) + DateHeading(style, day, true, true);
    text += body.text;
    text += Trailer;
    Publish(kDayTab, Header() + std::string(body.red ? Red : Navy) + text);
    Shown.ShownKey[kDayTab] = day;
    Shown.ShownStyle[kDayTab] = style;
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
    const int style = calendar_.CurStyle;
    if (Shown.ShownKey[tab] == first && Shown.ShownStyle[tab] == style) return;

    panes->SetBusy(true);
    const bool showYear =
        period == Period::kWeek && (settings_.ShowAllStyles || r.WeekFirstDay < r.YearFirstDay ||
                                    r.WeekLastDay > r.YearLastDay);
    const std::string blank(BlankMark), par(ParagraphEnd), separator = SeparatorLine + par;
    const auto dateLine = [&](int32_t day) {
        return Reports::DateText(style, DateOf(style, day)) + " года";
    };
    std::string doc = Header() + std::string(Navy);
    if (period == Period::kMonth)
        doc += par + blank + MonthName(style, r.Month, kNominative) + " " + std::to_string(r.Year) +
               " года" + StyleName() + par + separator;
    if (period == Period::kYear)
        doc += par + blank + std::to_string(r.Year) + " год" + StyleName() + par + separator;
    if (period == Period::kWeek)
        doc += par + blank + "Седмица" + par + blank + "с " + dateLine(first) + par + blank +
               "по " + dateLine(last) + StyleName() + par + separator;

    int previousMonth = 0;
    for (int32_t d = first; d <= last; ++d) {
        if (period == Period::kYear) {
            const int month = DateOf(style, d).month;
            if (month != previousMonth)
                doc += std::string(Navy) + par + blank + MonthName(style, month, kNominative) +
                       par + separator;
            previousMonth = month;
        }
        const CivilDate am = AnnoMundiDateOf(d);
        const bool indiction = d == first || (am.month == 1 && am.day == 1);
        doc += DayBlock(d, indiction ? IndictionLine(d) : std::string(), showYear);
        doc += std::string(Navy) + par + separator;
    }
    doc += Trailer;
    Publish(tab, doc);
    Shown.ShownKey[tab] = first;
    Shown.ShownStyle[tab] = style;
    panes->SetBusy(false);
}

}  // namespace veltrin
