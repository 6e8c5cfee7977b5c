// The day block: indiction line, date heading, week line and the day's commemorations.

#include <string>

#include "data/IniReader.h"
#include "data/Markup.h"
#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Fasting.h"
#include "reckoning/Names.h"
#include "reckoning/Paschalion.h"
#include "reports/DayRecord.h"
#include "reports/FastingText.h"
#include "reports/ReportFormat.h"
#include "reports/Reports.h"

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

std::string Reports::MonthName(int style, int month, int grammaticalCase) {
    return std::string(CivilMonthName(CivilMonth(style, month), grammaticalCase));
}

std::string Reports::DateText(int style, const CivilDate& date) {
    return std::to_string(date.day) + " " + MonthName(style, date.month, kGenitive) + " " +
           std::to_string(date.year);
}

std::string Reports::IndictionLine(int32_t day) const {
    if (!settings_.ShowIndiction) return {};
    const Indiction ind = IndictionYear(AnnoMundiDateOf(day).year);
    return std::string(ParagraphEnd) + std::string(BlankMark) + IndictionText(ind) +
           std::string(ParagraphEnd);
}

std::string Reports::DateHeading(int style, int32_t day, bool showYear, bool showStyle) const {
    const CivilDate r = DateOf(style, day);
    std::string s = std::string(ParagraphEnd) + std::string(BlankMark) + std::to_string(r.day) +
                    " " + MonthName(style, r.month, kGenitive);
    if (showYear || settings_.ShowAllStyles) {
        s += ' ';
        s += std::to_string(r.year);
        s += " года";
    }
    if (showStyle || settings_.ShowAllStyles) s += StyleNames[style - 1];
    s += ParagraphEnd;
    if (settings_.ShowAllStyles) {
        const int others[4][2] = {
            {0, 0}, {kJulian, kGregorian}, {kGregorian, kAnnoMundi}, {kJulian, kAnnoMundi}};
        for (const int o : others[style]) {
            const CivilDate d = DateOf(o, day);
            s += std::string(BlankMark) + std::to_string(d.day) + " " +
                 MonthName(o, d.month, kGenitive) + " " + std::to_string(d.year) + " года" +
                 std::string(StyleNames[o - 1]) + std::string(ParagraphEnd);
        }
    }
    s += ParagraphEnd;
    return s;
}

DayPiece Reports::WeekLine(int style, int32_t day) const {
    DayPiece line;
    std::string names, commas;
    bool hasComma = false;
    for (const DatedRow& r : bases_.RowsOn(day)) {
        if (r.table < kWdTable) continue;
        const TitleRow& row = bases_.Title(r);
        if (row.Red) line.red = true;
        if (!row.Text.empty() && row.Text.front() == ',') {
            commas = JoinAfterDot(commas, row.Text);
            hasComma = true;
        } else {
            names = JoinWithBlank(names, row.Text);
        }
    }
    if (!names.empty()) names = std::string(BlankMark) + names;
    if (names.empty() || hasComma) {
        const int weekday = WeekdayOf(day);
        const int year = DateOf(style, day).year;
        const int32_t yearStart = ComputeDayNumber(style, 1, 1, year);
        const int week = WeekNumber(yearStart, WeekdayOf(yearStart), day);
        names += std::string(BlankMark) + std::string(WeekdayName(kChurchWeekdayNames, weekday)) +
                 " " + DayWeekPhrase(PaschalionOf(style, year), week, weekday);
    }
    if (hasComma) names = JoinAfterDot(names, commas);
    const int tone = ToneOf(day);
    if (tone != 0) names += " Глас " + std::to_string(tone) + "-й.";
    names += ParagraphEnd;
    line.text = std::move(names);
    return line;
}

DayTexts Reports::GatherDay(int32_t day) const {
    DayTexts t;
    const CivilDate j = JulianDateOf(day);
    const auto& file = MonthFile(bases_.BaseFiles, j.month, YearLength(kJulian, j.year));
    std::array<std::string, 5>& groups = t.groups;
    std::string key, value;
    for (const std::string& line : bases_.Ini.SectionLines(std::to_string(j.day), file)) {
        SplitEntry(line, key, value);
        key = LowerAscii(key);
        if (key == "red") {
            t.red = true;
        } else if (IsReadingKey(key)) {
            t.readings.emplace_back(key, value);
        } else if (key.size() == 1 && key[0] >= '0' && key[0] <= '4') {
            groups[key[0] - '0'] += GroupItem(value, key == "4");
            if (key != "4") t.highestSign = HigherSign(t.highestSign, SignOf(value));
        }
    }
    // On Pascha itself the feast stands before the saints of the day.
    const bool pascha = day == PaschaOf(j.year);
    for (const DatedRow& r : bases_.RowsOn(day)) {
        if (r.table > kSpecialTable) continue;
        const MovableRow& row = bases_.Movable(r);
        if (row.Red) t.red = true;
        t.highestSign = HigherSign(t.highestSign, row.HighestSign);
        const bool feastFirst = pascha && r.table == kRelocTable;
        groups[0] = feastFirst ? row.Text0 + groups[0] : groups[0] + row.Text0;
        groups[1] = row.Text11 + groups[1] + row.Text19;
        groups[2] = row.Text21 + groups[2] + row.Text29;
        groups[3] = row.Text31 + groups[3] + row.Text39;
        groups[4] += row.Text4;
        t.readings.insert(t.readings.end(), row.Readings.begin(), row.Readings.end());
    }
    for (const DatedRow& r : bases_.RowsOn(day))
        if (r.table > kSpecialTable) {
            const ReadingKeys& own = bases_.Title(r).Readings;
            t.readings.insert(t.readings.end(), own.begin(), own.end());
        }
    return t;
}

namespace {
DayPiece EntriesOf(const DayTexts& t, int32_t day) {
    DayPiece entries;
    entries.red = t.red || WeekdayOf(day) == 7;  // every Sunday is red
    for (const std::string& group : t.groups)
        if (!group.empty()) entries.text += std::string(ParagraphEnd) + group;
    return entries;
}
}  // namespace

DayPiece Reports::DayEntries(int32_t day) const {
    return EntriesOf(GatherDay(day), day);
}

std::string Reports::FastingLine(int32_t day, Sign highest) const {
    if (!settings_.ShowFasting) return {};
    const std::string text = FastingText(FastingOf(day, RankOf(highest)));
    if (text.empty()) return {};
    return std::string(BlankMark) + text + std::string(ParagraphEnd);
}

DayPiece Reports::DayBody(int style, int32_t day) const {
    const DayPiece week = WeekLine(style, day);
    const DayTexts texts = GatherDay(day);
    const DayPiece entries = EntriesOf(texts, day);
    std::string body = week.text + FastingLine(day, texts.highestSign) + entries.text;
    if (settings_.ShowReadings) {
        const std::string readings = ReadingsText(day, texts.readings);
        if (!readings.empty())
            body += std::string(ParagraphEnd) + std::string(BlankMark) + readings +
                    std::string(ParagraphEnd);
    }
    return {body, week.red || entries.red};
}

std::string Reports::DayBlock(int32_t day, std::string_view indiction, bool showYear) const {
    const int style = calendar_.CurStyle;
    const DayPiece body = DayBody(style, day);
    std::string block = std::string(body.red ? Red : Navy);
    block += indiction;
    block += DateHeading(style, day, showYear, false);
    block += body.text;
    return block;
}

std::string Reports::DaySummary(int32_t day) const {
    const DayRecord d = RecordOfDay(*this, calendar_.CurStyle, day, {settings_.ShowFasting, false});
    const std::string first = !d.commemorations.empty() ? d.commemorations.front().text
                              : !d.notes.empty()        ? d.notes.front()
                                                        : std::string();
    if (first.empty()) return d.fastingText;
    return d.fastingText.empty() ? first : first + "\n" + d.fastingText;
}

}  // namespace veltrin
