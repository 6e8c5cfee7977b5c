// The readings of a day: the ordinary cycle from the lectionary, and the day's own readings.

#include <algorithm>
#include <string>

#include "data/Readings.h"
#include "reckoning/Dates.h"
#include "reckoning/LectionaryCycle.h"
#include "reckoning/Paschalion.h"
#include "reports/ReadingsText.h"
#include "reports/Reports.h"

namespace veltrin {

namespace {

constexpr const char* kWeekdayKeys[8] = {"", "mon", "tue", "wed", "thu", "fri", "sat", "sun"};

constexpr int kPublicanSunday = -70;

std::string Ordinal(int n) {
    return std::to_string(n) + "-е, ";
}

bool IsGospel(const Reading& r) {
    return r.book == "Мф" || r.book == "Мк" || r.book == "Лк" || r.book == "Ин";
}

// Several Gospels of one Matins (the Passion Gospels) are numbered as they are read.
std::string NumberedGospels(const std::vector<Reading>& readings) {
    const bool gospels = std::all_of(readings.begin(), readings.end(), IsGospel);
    if (readings.size() < 2 || !gospels) return ReadingsText(readings);
    std::string text;
    for (size_t i = 0; i < readings.size(); ++i)
        text += (i == 0 ? "" : " ") + std::string("Ев. ") + std::to_string(i + 1) +
                "-е: " + ReadingText(readings[i]);
    return text;
}

}  // namespace

std::string Reports::ReadingsText(int32_t day, const ReadingKeys& own) const {
    const CyclePlace place = LectionaryPlaceOf(day);
    // The days of the Triodion and the Pentecostarion have a section of their own in the
    // lectionary, for their Gospels of Matins, their hours and their vespers.
    const int fromPascha = static_cast<int>(day - PaschaOf(JulianDateOf(day).year));
    const std::string section =
        fromPascha >= kPublicanSunday && fromPascha <= kPentecostOffset
            ? "pascha" + std::string(fromPascha >= 0 ? "+" : "") + std::to_string(fromPascha)
            : std::string();
    const auto fromSection = [&](std::string_view key) {
        return section.empty() ? std::string() : bases_.Lectionary(section, key);
    };
    const auto text = [](const std::string& notation) {
        return veltrin::ReadingsText(ParseReadings(notation));
    };
    const auto sundayGospel = [&](int n) {
        const std::string reading = text(bases_.Lectionary("matins", std::to_string(n)));
        return reading.empty() ? reading : "Ев. " + Ordinal(n) + reading;
    };

    DayReadings d;
    // Matins: the feast's own Gospel, the day's of the Triodion, or the Sunday Gospel.
    for (const auto& [key, value] : own)
        if (key == "rm" && d.matins.empty()) d.matins = text(value);
    if (d.matins.empty()) {
        const std::string mat = fromSection("mat");
        const bool numbered =
            !mat.empty() && mat.find_first_not_of("0123456789") == std::string::npos;
        const int number = numbered ? std::atoi(mat.c_str()) : 0;
        if (number >= 1 && number <= 11)
            d.matins = sundayGospel(number);
        else if (!mat.empty())
            d.matins = NumberedGospels(ParseReadings(mat));
        else if (place.matinsGospel != 0)
            d.matins = sundayGospel(place.matinsGospel);
    }
    const char* const hourKeys[4] = {"h1", "h3", "h6", "h9"};
    for (int h = 0; h < 4; ++h)
        d.hours[h] = text(fromSection(hourKeys[h]));
    d.vespers = text(fromSection("ves"));

    // The Liturgy: a feast's readings in place of the ordinary ones, then the commemorations'.
    std::string feast;
    for (const auto& [key, value] : own)
        if (key == "rf") feast += (feast.empty() ? "" : " ") + text(value);
    if (!feast.empty()) {
        d.liturgy = feast;
    } else if (place.fromPascha) {
        d.liturgy = text(fromSection("ap"));
        const std::string gospel = text(fromSection("ev"));
        if (!gospel.empty()) d.liturgy += (d.liturgy.empty() ? "" : " ") + gospel;
    } else {
        const std::string weekday = kWeekdayKeys[place.weekday];
        const std::string apostle =
            place.apostleWeek < 0
                ? std::string()
                : text(bases_.Lectionary("pentecost-" + std::to_string(place.apostleWeek),
                                         weekday + ".ap"));
        const std::string gospel =
            place.gospelWeek < 0
                ? std::string()
                : text(bases_.Lectionary("pentecost-" + std::to_string(place.gospelWeek),
                                         weekday + ".ev"));
        d.liturgy = apostle;
        if (!gospel.empty()) d.liturgy += (d.liturgy.empty() ? "" : " ") + gospel;
    }
    for (const auto& [key, value] : own) {
        if (key != "rl") continue;
        const LabeledReadings l = ParseLabeledReadings(value);
        const std::string readings = veltrin::ReadingsText(l.readings);
        if (readings.empty()) continue;
        if (!d.liturgy.empty()) d.liturgy += ' ';
        d.liturgy += (l.label.empty() ? "" : l.label + " ") + readings;
    }
    return ReadingsParagraph(d);
}

}  // namespace veltrin
