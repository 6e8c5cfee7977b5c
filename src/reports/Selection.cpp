// The Selection view: every day of the year whose commemorations hold the text the user typed.

#include <optional>

#include "data/Cp1251.h"
#include "data/IniReader.h"
#include "data/Markup.h"
#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"
#include "reports/ReportFormat.h"
#include "reports/Reports.h"
#include "reports/VisibleText.h"

namespace veltrin {

namespace {

char32_t CodePointBefore(std::string_view text, size_t pos) {
    size_t start = pos - 1;
    while (start > 0 && (static_cast<uint8_t>(text[start]) & 0xC0) == 0x80)
        --start;
    return NextCodePoint(text, start);
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

std::optional<std::string> Reports::MarkMatches(std::string_view fragment,
                                                std::string_view search) const {
    const VisibleText visible = ExtractVisibleText(fragment);
    const std::string lower = LowerText(visible.text);
    std::vector<std::pair<size_t, size_t>> matches;  // visible [first, last]
    for (int p = FindMatch(1, lower, search); p != 0;
         p = FindMatch(p + static_cast<int>(search.size()), lower, search))
        matches.emplace_back(p - 1, p - 1 + search.size() - 1);
    if (matches.empty()) return std::nullopt;
    std::string marked(fragment);
    for (auto it = matches.rbegin(); it != matches.rend(); ++it) {
        marked.insert(visible.end[it->second], Navy);
        marked.insert(visible.start[it->first], Red);
    }
    return marked;
}

namespace {

// The Julian year of a Julian month that lies in the days first..last (a year of any style holds
// each Julian February whole).
int JulianYearOfMonth(int month, int aroundYear, int32_t first, int32_t last) {
    for (const int year : {aroundYear, aroundYear + 1, aroundYear - 1}) {
        const int32_t start = ComputeDayNumber(kJulian, 1, month, year);
        if (start >= first && start <= last) return year;
    }
    return aroundYear;
}

}  // namespace

std::optional<ReportRow> Reports::RowOfJulianDay(int julianDay, int julianMonth,
                                                 std::string_view text, std::string_view search,
                                                 bool mark) const {
    const StyleDate& range = calendar_.Cur();
    const int year = JulianDateOf(calendar_.CurDayNum).year;
    int32_t a = ComputeDayNumber(kJulian, julianDay, julianMonth, year);
    if (a < range.YearFirstDay) a = ComputeDayNumber(kJulian, julianDay, julianMonth, year + 1);
    if (a > range.YearLastDay) a = ComputeDayNumber(kJulian, julianDay, julianMonth, year - 1);
    if (a < range.YearFirstDay || a > range.YearLastDay) return std::nullopt;

    std::string body(text);
    if (mark) {
        const std::string_view marker = MarkerOf(text);
        const auto marked = MarkMatches(text.substr(marker.size()), search);
        if (marked) body = std::string(marker) + *marked;
    }
    const int style = calendar_.CurStyle;
    std::string heading = DateHeading(style, a, false, false);
    heading += WeekLine(style, a).text;
    heading += ParagraphEnd;
    return ReportRow{a, heading, MarkupItem(body) + std::string(ParagraphEnd)};
}

void Reports::BuildSelection(std::string_view text) {
    std::string_view trimmed = text;
    while (!trimmed.empty() && trimmed.front() == ' ')
        trimmed.remove_prefix(1);
    if (trimmed.empty()) return;
    const std::string search = LowerText(text);

    panes->SetBusy(true);
    const int style = calendar_.CurStyle;
    const StyleDate& year = calendar_.Cur();
    const int32_t first = year.YearFirstDay;
    const int32_t last = year.YearLastDay;
    RowBuffer buffer;
    auto& rows = buffer.Rows();

    for (const DatedRow& r : bases_.RowsBetween(first, last)) {
        if (r.table > kSpecialTable) continue;
        const MovableRow& row = bases_.Movable(r);
        for (const std::string* t : {&row.Text0, &row.Text11, &row.Text19, &row.Text21, &row.Text29,
                                     &row.Text31, &row.Text39, &row.Text4}) {
            const auto marked = MarkMatches(*t, search);
            if (!marked) continue;
            if (!rows.empty() && rows.back().day == r.date) {
                rows.back().body += *marked;
                continue;
            }
            std::string heading = DateHeading(style, r.date, true, false);
            heading += WeekLine(style, r.date).text;
            heading += ParagraphEnd;
            buffer.Add({r.date, heading, *marked});
        }
    }

    const int aroundYear = JulianDateOf(calendar_.CurDayNum).year;
    std::string key, value;
    for (int m = 1; m <= 12; ++m) {
        // February's file goes by the length of the February the searched year holds.
        const int monthYear = JulianYearOfMonth(m, aroundYear, first, last);
        const auto& file = MonthFile(bases_.BaseFiles, m, YearLength(kJulian, monthYear));
        for (int d = 1; d <= 31; ++d) {
            for (const std::string& line : bases_.Ini.SectionLines(std::to_string(d), file)) {
                SplitEntry(line, key, value);
                if (key.size() != 1 || key[0] < '0' || key[0] > '4') continue;
                const std::string_view marker = MarkerOf(value);
                const std::string visible = LowerText(
                    ExtractVisibleText(std::string_view(value).substr(marker.size())).text);
                if (FindMatch(1, visible, search) == 0) continue;
                if (auto row = RowOfJulianDay(d, m, value, search, true))
                    buffer.Add(std::move(*row));
            }
        }
    }

    buffer.SortByDay();
    for (size_t r = rows.size(); r-- > 1;) {
        if (rows[r].day != rows[r - 1].day) continue;
        rows[r - 1].body += rows[r].body;
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(r));
    }

    const std::string blank(BlankMark), par(ParagraphEnd);
    std::string doc = Header() + std::string(Navy) + par + blank + std::to_string(year.Year) +
                      " год" + StyleName() + par + par + blank + "Строка поиска: \"" +
                      std::string(Red) + EscapeRtfText(text) + std::string(Navy) + "\"" + par + par;
    if (!rows.empty()) {
        for (const ReportRow& row : rows)
            doc += SeparatorLine + par + row.heading + row.body + par;
    } else {
        doc += SeparatorLine + par + par + blank + "Ничего не найдено" + par + par;
    }
    doc += SeparatorLine + par + std::string(Trailer);
    Publish(kSelectionTab, doc);
    panes->SetBusy(false);
}

}  // namespace veltrin
