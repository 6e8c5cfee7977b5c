// The day block: indiction line, date heading, week line and the day's commemorations.

#include <string>

#include "data/IniReader.h"
#include "data/Markup.h"
#include "reckoning/Paschalion.h"
#include "reports/ReportFormat.h"
#include "reports/Reports.h"
#include "shell/StartTables.h"

namespace veltrin {

std::string JoinWithBlank(std::string_view list, std::string_view title) {
    if (list.empty()) return std::string(title);
    return std::string(list) + " " + std::string(title);
}

std::string JoinAfterDot(std::string_view text, std::string_view continuation) {
    if (!text.empty() && text.back() == '.') text.remove_suffix(1);
    return std::string(text) + std::string(continuation);
}

std::string Reports::StyleName() const {
    return std::string(StyleNames[calendar_.CurStyle - 1]);
}

std::string Reports::MonthName(int style, int grammaticalCase) {
    int m = calendar_.StyleDates[style].Month;
    if (style == kAnnoMundi) m = (m + 7) % 12 + 1;
    return std::string(MonthNames[(grammaticalCase - 1) * 12 + m - 1]);
}

std::string Reports::IndictionLine() {
    if (!settings_.ShowIndiction) return {};
    const Indiction ind = IndictionYear(calendar_.StyleDates[kAnnoMundi].Year);
    return std::string(ParagraphEnd) + std::string(BlankMark) + IndictionText(ind) +
           std::string(ParagraphEnd);
}

std::string Reports::DateHeading(bool showYear, bool showStyle) {
    const int style = calendar_.CurStyle;
    const StyleDate& r = calendar_.StyleDates[style];
    std::string s = std::string(ParagraphEnd) + std::string(BlankMark) + std::to_string(r.Day) +
                    " " + MonthName(style, 2);
    if (showYear || settings_.ShowAllStyles) {
        s += ' ';
        s += std::to_string(r.Year);
        s += " года";
    }
    if (showStyle || settings_.ShowAllStyles) s += StyleName();
    s += ParagraphEnd;
    if (settings_.ShowAllStyles) {
        const int others[4][2] = {
            {0, 0}, {kJulian, kGregorian}, {kGregorian, kAnnoMundi}, {kJulian, kAnnoMundi}};
        for (const int o : others[style]) {
            const StyleDate& d = calendar_.StyleDates[o];
            s += std::string(BlankMark) + std::to_string(d.Day) + " " + MonthName(o, 2) + " " +
                 std::to_string(d.Year) + " года" + std::string(StyleNames[o - 1]) +
                 std::string(ParagraphEnd);
        }
    }
    s += ParagraphEnd;
    return s;
}

std::string Reports::WeekLine() {
    const int32_t today = calendar_.CurDayNum;
    std::string names, commas;
    bool hasComma = false;
    const auto take = [&](const TitleRow& row) {
        if (row.Red) RedDay = true;
        if (!row.Text.empty() && row.Text.front() == ',') {
            commas = JoinAfterDot(commas, row.Text);
            hasComma = true;
        } else {
            names = JoinWithBlank(names, row.Text);
        }
    };
    for (const TitleRow& row : bases_.Wd)
        if (row.Date == today) take(row);
    for (const auto* table : {&bases_.Wd1, &bases_.SpecWd})
        for (const TitleRow& row : *table)
            if (row.Date == today || row.DatePrev == today) take(row);

    if (!names.empty()) names = std::string(BlankMark) + names;
    if (names.empty() || hasComma) {
        const StyleDate& r = calendar_.Cur();
        names += std::string(BlankMark) + std::string(WeekdayNames[calendar_.CurWeekday + 6]) +
                 " " + DayWeekPhrase(calendar_, r.WeekOfYear, calendar_.CurWeekday);
    }
    if (hasComma) names = JoinAfterDot(names, commas);
    const int tone = ToneOfDay(calendar_, today);
    if (tone != 0) names += " Глас " + std::to_string(tone) + "-й.";
    names += ParagraphEnd;
    return names;
}

std::string Reports::DayEntries() {
    if (calendar_.CurWeekday == 7) RedDay = true;  // every Sunday is red
    const StyleDate& j = calendar_.StyleDates[kJulian];
    const auto& file = MonthFile(bases_.BaseFiles, j.Month == j.FebIndex ? 2 : j.Month, j.YearDays);

    std::array<std::string, 5> groups;
    std::string key, value;
    for (const std::string& line : bases_.Ini.SectionLines(std::to_string(j.Day), file)) {
        SplitEntry(line, key, value);
        key = LowerAscii(key);
        if (key == "red")
            RedDay = true;
        else if (key.size() == 1 && key[0] >= '0' && key[0] <= '4')
            groups[key[0] - '0'] += GroupItem(value, key == "4");
    }

    const int32_t today = calendar_.CurDayNum;
    const auto merge = [&](const MovableRow& row, bool feastBeforeFixed) {
        if (row.Red) RedDay = true;
        groups[0] = feastBeforeFixed ? row.Text0 + groups[0] : groups[0] + row.Text0;
        groups[1] = row.Text11 + groups[1] + row.Text19;
        groups[2] = row.Text21 + groups[2] + row.Text29;
        groups[3] = row.Text31 + groups[3] + row.Text39;
        groups[4] += row.Text4;
    };
    // On Pascha itself the feast stands before the saints of the day.
    for (const MovableRow& row : bases_.Reloc)
        if (row.Date == today) merge(row, today == calendar_.Pascha.PaschaDay);
    for (const auto* table : {&bases_.Reloc1, &bases_.Special})
        for (const MovableRow& row : *table)
            if (row.Date == today || row.DatePrev == today) merge(row, false);

    std::string result;
    for (const std::string& group : groups)
        if (!group.empty()) result += std::string(ParagraphEnd) + group;
    return result;
}

std::string Reports::DayBlock(std::string_view indiction, bool showYear) {
    RedDay = false;
    std::string block = std::string(indiction) + DateHeading(showYear, false);
    block += WeekLine();
    block += DayEntries();
    return std::string(RedDay ? Red : Navy) + block;
}

}  // namespace veltrin
