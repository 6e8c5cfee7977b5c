#include "reports/JsonReport.h"

#include "reckoning/Names.h"
#include "reports/JsonWriter.h"
#include "reports/Reports.h"

namespace veltrin {

namespace {

constexpr std::string_view kStyleKeys[3] = {"anno_mundi", "julian", "gregorian"};

void WriteDate(JsonWriter& json, int style, const CivilDate& date) {
    json.BeginObject();
    json.Key("year");
    json.Number(date.year);
    json.Key("month");
    json.Number(date.month);
    json.Key("day");
    json.Number(date.day);
    json.Key("text");
    json.String(Reports::DateText(style, date));
    json.EndObject();
}

void StringOrNull(JsonWriter& json, std::string_view text) {
    if (text.empty())
        json.Null();
    else
        json.String(text);
}

void WriteDay(JsonWriter& json, const DayRecord& d) {
    json.BeginObject();
    json.Key("date");
    json.BeginObject();
    for (int s = 1; s <= 3; ++s) {
        json.Key(kStyleKeys[s - 1]);
        WriteDate(json, s, d.dates[s - 1]);
    }
    json.EndObject();
    json.Key("weekday");
    json.Number(d.weekday);
    json.Key("weekday_name");
    json.String(WeekdayName(kCivilWeekdayNames, d.weekday));
    json.Key("week_line");
    json.String(d.weekLine);
    json.Key("tone");
    if (d.tone == 0)
        json.Null();
    else
        json.Number(d.tone);
    json.Key("red");
    json.Bool(d.red);
    json.Key("highest_sign");
    StringOrNull(json, SignKey(d.highestSign));
    json.Key("commemorations");
    json.BeginArray();
    for (const Commemoration& c : d.commemorations) {
        json.BeginObject();
        json.Key("group");
        json.Number(c.group);
        json.Key("sign");
        StringOrNull(json, SignKey(c.sign));
        json.Key("text");
        json.String(c.text);
        json.EndObject();
    }
    json.EndArray();
    json.Key("notes");
    json.BeginArray();
    for (const std::string& note : d.notes)
        json.String(note);
    json.EndArray();
    json.Key("fasting");
    if (d.fasting) {
        json.BeginObject();
        json.Key("period");
        StringOrNull(json, PeriodKey(d.fasting->period));
        json.Key("food");
        json.String(FoodKey(d.fasting->food));
        json.Key("text");
        json.String(d.fastingText);
        json.EndObject();
    } else {
        json.Null();
    }
    json.Key("readings");
    StringOrNull(json, d.readings);
    json.EndObject();
}

}  // namespace

std::string_view PeriodKey(FastPeriod period) {
    switch (period) {
        case FastPeriod::kNone:
            break;
        case FastPeriod::kGreatLent:
            return "great-lent";
        case FastPeriod::kApostles:
            return "apostles";
        case FastPeriod::kDormition:
            return "dormition";
        case FastPeriod::kNativity:
            return "nativity";
        case FastPeriod::kFastDay:
            return "fast-day";
        case FastPeriod::kStrictDay:
            return "strict-day";
        case FastPeriod::kCheesefare:
            return "cheesefare";
        case FastPeriod::kFastFree:
            return "fast-free";
        case FastPeriod::kSvyatki:
            return "svyatki";
        case FastPeriod::kFeastDay:
            return "feast-day";
    }
    return {};
}

std::string_view FoodKey(Food food) {
    switch (food) {
        case Food::kNoFood:
            return "no-food";
        case Food::kDryFood:
            return "dry-food";
        case Food::kNoOil:
            return "no-oil";
        case Food::kOil:
            return "oil";
        case Food::kCaviar:
            return "caviar";
        case Food::kFish:
            return "fish";
        case Food::kNoMeat:
            return "no-meat";
        case Food::kNoFast:
            break;
    }
    return "no-fast";
}

std::string JsonReport(const Reports& reports, std::string_view view, int style, int32_t first,
                       int32_t last, RecordParts parts) {
    JsonWriter json;
    json.BeginObject();
    json.Key("format");
    json.String("veltrin-report");
    json.Key("version");
    json.Number(kJsonReportVersion);
    json.Key("view");
    json.String(view);
    json.Key("style");
    json.Number(style);
    json.Key("days");
    json.BeginArray();
    for (int32_t day = first; day <= last; ++day)
        WriteDay(json, RecordOfDay(reports, style, day, parts));
    json.EndArray();
    json.EndObject();
    return json.Take();
}

}  // namespace veltrin
