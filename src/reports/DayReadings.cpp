// The readings of a day: the ordinary cycle from the lectionary, and the day's own readings.

#include <string>

#include "data/Readings.h"
#include "reckoning/LectionaryCycle.h"
#include "reports/ReadingsText.h"
#include "reports/Reports.h"

namespace veltrin {

namespace {

constexpr const char* kWeekdayKeys[8] = {"", "mon", "tue", "wed", "thu", "fri", "sat", "sun"};

std::string Ordinal(int n) {
    return std::to_string(n) + "-е, ";
}

}  // namespace

std::string Reports::ReadingsText(int32_t day, const ReadingKeys& own) const {
    const CyclePlace place = LectionaryPlaceOf(day);
    const std::string section =
        place.fromPascha ? "pascha" + std::string(place.daysFromPascha >= 0 ? "+" : "") +
                               std::to_string(place.daysFromPascha)
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
        const int number = std::atoi(mat.c_str());
        if (number >= 1 && number <= 11)
            d.matins = sundayGospel(number);
        else if (!mat.empty())
            d.matins = text(mat);
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
            place.apostleWeek < 0 ? std::string()
                                  : text(bases_.Lectionary("pentecost-" +
                                                               std::to_string(place.apostleWeek),
                                                           weekday + ".ap"));
        const std::string gospel =
            place.gospelWeek < 0 ? std::string()
                                 : text(bases_.Lectionary("pentecost-" +
                                                              std::to_string(place.gospelWeek),
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
