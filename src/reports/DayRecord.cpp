#include "reports/DayRecord.h"

#include "data/IniReader.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Names.h"
#include "reckoning/Paschalion.h"
#include "reports/FastingText.h"
#include "reports/Reports.h"
#include "reports/VisibleText.h"

namespace veltrin {

namespace {

std::string Visible(std::string_view fragment) {
    return TrimBlanks(ExtractVisibleText(fragment).text);
}

// The items of a text group: each is a paragraph that begins with its sign or the indentation.
void AddItems(DayRecord& record, int group, std::string_view fragment) {
    while (!fragment.empty()) {
        const size_t end = fragment.find(ParagraphEnd);
        std::string_view item = fragment.substr(0, end);
        fragment.remove_prefix(end == std::string_view::npos ? fragment.size()
                                                             : end + ParagraphEnd.size());
        Sign sign = kNoSign;
        for (const Sign s : kSigns)
            if (item.starts_with(SignFragment(s))) sign = s;
        // The sign column is not part of the text.
        for (const std::string_view column : {SignFragment(sign), BlankMark})
            if (item.starts_with(column)) item.remove_prefix(column.size());
        const std::string text = Visible(item);
        if (text.empty()) continue;
        if (group == 4)
            record.notes.push_back(text);
        else
            record.commemorations.push_back({group, sign, text});
    }
}

}  // namespace

std::string_view SignKey(Sign sign) {
    switch (sign) {
        case kGreatFeastSign:
            return "great-feast";
        case kVigilSign:
            return "vigil";
        case kPolyeleosSign:
            return "polyeleos";
        case kGreatDoxologySign:
            return "great-doxology";
        case kSixStichSign:
            return "six-stichera";
        case kNoSign:
            break;
    }
    return {};
}

DayRecord RecordOfDay(const Reports& reports, int style, int32_t day, RecordParts parts) {
    DayRecord r;
    r.dayNumber = day;
    for (int s = 1; s <= 3; ++s)
        r.dates[s - 1] = DateOf(s, day);
    r.weekday = WeekdayOf(day);
    const DayPiece week = reports.WeekLine(style, day);
    r.weekLine = Visible(week.text);
    r.tone = ToneOf(day);
    const DayTexts texts = reports.GatherDay(day);
    r.red = week.red || texts.red || r.weekday == 7;
    r.highestSign = texts.highestSign;
    for (int group = 0; group < 5; ++group)
        AddItems(r, group, texts.groups[group]);
    if (parts.fasting) {
        const FastingRule rule = FastingOf(day, RankOf(texts.highestSign));
        r.fastingText = FastingText(rule);
        if (!r.fastingText.empty()) r.fasting = rule;
    }
    if (parts.readings) r.readings = Visible(reports.ReadingsText(day, texts.readings));
    return r;
}

}  // namespace veltrin
