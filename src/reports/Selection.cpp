// The Selection view: every day of the year whose commemorations hold the text the user typed.

#include <optional>

#include "data/Cp1251.h"
#include "data/IniReader.h"
#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"
#include "reports/ReportFormat.h"
#include "reports/Reports.h"
#include "reports/VisibleText.h"
#include "reports/WalkScope.h"

namespace veltrin {

namespace {

char32_t CodePointBefore(std::string_view text, size_t pos) {
    size_t start = pos - 1;
    while (start > 0 && (static_cast<uint8_t>(text[start]) & 0xC0) == 0x80)
        --start;
    return NextCodePoint(text, start);
}

// The marker of a month-file value stays out of the search: it is not text but the rank sign.
std::string_view MarkerOf(std::string_view value) {
    const std::string_view head = value.substr(0, 3);
    for (const std::string_view marker : {"{1}", "{2}", "{3}", "{5}", "{6}"})
        if (head == marker) return head;
    return {};
}

}  // namespace

int Reports::FindMatch(int start, std::string_view text, std::string_view search) const {
    if (search.empty() || start < 1) return 0;
    size_t from = static_cast<size_t>(start - 1);
    while (from <= text.size()) {
        const size_t at = text.find(search, from);
        if (at == std::string_view::npos) return 0;
        if (!WholeWord) return static_cast<int>(at + 1);
        const size_t after = at + search.size();
        size_t next = after;
        const bool letterBefore = at > 0 && IsCyrillicLetter(CodePointBefore(text, at));
        const bool letterAfter = after < text.size() && IsCyrillicLetter(NextCodePoint(text, next));
        if (!letterBefore && !letterAfter) return static_cast<int>(at + 1);
        from = at + search.size();
    }
    return 0;
}

namespace {

// The fragment with every match of `search` in its visible text set in red; nothing when the
// text does not match.
std::optional<std::string> MarkMatches(const Reports& reports, std::string_view fragment,
                                       std::string_view search) {
    const VisibleText visible = ExtractVisibleText(fragment);
    const std::string lower = LowerText(visible.text);
    std::vector<std::pair<size_t, size_t>> matches;  // visible [first, last]
    for (int p = reports.FindMatch(1, lower, search); p != 0;
         p = reports.FindMatch(p + static_cast<int>(search.size()), lower, search))
        matches.emplace_back(p - 1, p - 1 + search.size() - 1);
    if (matches.empty()) return std::nullopt;
    std::string marked(fragment);
    for (auto it = matches.rbegin(); it != matches.rend(); ++it) {
        marked.insert(visible.end[it->second], Navy);
        marked.insert(visible.start[it->first], Red);
    }
    return marked;
}

}  // namespace

void Reports::AddDatedRow(std::string_view text, std::string_view search, bool mark) {
    const StyleDate* saved = calendar_.SavedStyleDates.data();
    const StyleDate& range = saved[calendar_.CurStyle];
    const int day = calendar_.StyleDates[kJulian].Day;
    const int month = calendar_.StyleDates[kJulian].Month;
    const int year = saved[kJulian].Year;
    int32_t a = ComputeDayNumber(kJulian, day, month, year);
    if (a < range.YearFirstDay) a = ComputeDayNumber(kJulian, day, month, year + 1);
    if (a > range.YearLastDay) a = ComputeDayNumber(kJulian, day, month, year - 1);
    if (a < range.YearFirstDay || a > range.YearLastDay) return;
    SetWalkDay(calendar_, a);
    ComputeYearData(calendar_);

    std::string body(text);
    if (mark) {
        const std::string_view marker = MarkerOf(text);
        const auto marked = MarkMatches(*this, text.substr(marker.size()), search);
        if (marked) body = std::string(marker) + *marked;
    }
    std::string heading = DateHeading(false, false);
    heading += WeekLine();
    heading += ParagraphEnd;
    MSFlexGrid3.Add({a, heading, MarkupItem(body) + std::string(ParagraphEnd)});
}

void Reports::SelectMovableText(int32_t dayNumber, std::string_view text, std::string_view search) {
    const auto marked = MarkMatches(*this, text, search);
    if (!marked) return;
    SetWalkDay(calendar_, dayNumber);
    StyleDate& r = calendar_.Cur();
    r.WeekOfYear = WeekNumber(r.YearFirstDay, r.YearFirstWeekday, dayNumber);
    auto& rows = MSFlexGrid3.Rows();
    if (!rows.empty() && rows.back().day == dayNumber) {
        rows.back().body += *marked;
        return;
    }
    std::string heading = DateHeading(true, false);
    heading += WeekLine();
    heading += ParagraphEnd;
    MSFlexGrid3.Add({dayNumber, heading, *marked});
}

void Reports::BuildSelection(std::string_view text) {
    std::string_view trimmed = text;
    while (!trimmed.empty() && trimmed.front() == ' ')
        trimmed.remove_prefix(1);
    if (trimmed.empty()) return;
    const std::string search = LowerText(text);

    WalkScope walk(*this);
    const StyleDate& saved = calendar_.SavedStyleDates[calendar_.CurStyle];
    const int32_t first = saved.YearFirstDay;
    const int32_t last = saved.YearLastDay;
    const auto inYear = [&](int32_t d) { return d != 0 && d >= first && d <= last; };
    const auto selectRow = [&](const MovableRow& row, int32_t date) {
        for (const std::string* t : {&row.Text0, &row.Text11, &row.Text19, &row.Text21, &row.Text29,
                                     &row.Text31, &row.Text39, &row.Text4})
            SelectMovableText(date, *t, search);
    };
    for (const MovableRow& row : bases_.Reloc)
        if (inYear(row.Date)) selectRow(row, row.Date);
    for (const auto* table : {&bases_.Reloc1, &bases_.Special}) {
        for (const MovableRow& row : *table) {
            if (inYear(row.Date)) selectRow(row, row.Date);
            if (inYear(row.DatePrev)) selectRow(row, row.DatePrev);
        }
    }

    const int yearDays = calendar_.SavedStyleDates[kJulian].YearDays;
    std::string key, value;
    for (int m = 1; m <= 12; ++m) {
        const auto& file = MonthFile(bases_.BaseFiles, m, yearDays);
        for (int d = 1; d <= 31; ++d) {
            for (const std::string& line : bases_.Ini.SectionLines(std::to_string(d), file)) {
                SplitEntry(line, key, value);
                if (key.size() != 1 || key[0] < '0' || key[0] > '4') continue;
                const std::string_view marker = MarkerOf(value);
                const std::string visible = LowerText(
                    ExtractVisibleText(std::string_view(value).substr(marker.size())).text);
                if (FindMatch(1, visible, search) == 0) continue;
                calendar_.StyleDates[kJulian].Day = static_cast<int16_t>(d);
                calendar_.StyleDates[kJulian].Month = static_cast<int16_t>(m);
                AddDatedRow(value, search, true);
            }
        }
    }

    MSFlexGrid3.SortByDay();
    auto& rows = MSFlexGrid3.Rows();
    for (size_t r = rows.size(); r-- > 1;) {
        if (rows[r].day != rows[r - 1].day) continue;
        rows[r - 1].body += rows[r].body;
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(r));
    }

    const std::string blank(BlankMark), par(ParagraphEnd);
    std::string doc = ReportHeader(settings_.FontName, settings_.FontSize) + std::string(Navy) +
                      par + blank + std::to_string(saved.Year) + " год" + StyleName() + par + par +
                      blank + "Строка поиска: \"" + std::string(Red) + EscapeRtfText(text) +
                      std::string(Navy) + "\"" + par + par;
    if (!rows.empty()) {
        for (const ReportRow& row : rows)
            doc += SeparatorLine + par + row.heading + row.body + par;
    } else {
        doc += SeparatorLine + par + par + blank + "Ничего не найдено" + par + par;
    }
    doc += SeparatorLine + par + std::string(Trailer);
    MSFlexGrid3.Clear();
    Publish(kSelectionTab, doc);
}

}  // namespace veltrin
