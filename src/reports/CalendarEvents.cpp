#include "reports/CalendarEvents.h"

#include "reckoning/Fasting.h"
#include "reckoning/StyleDate.h"
#include "reports/FastingText.h"
#include "reports/MainFeasts.h"
#include "reports/Reports.h"

namespace veltrin {

namespace {

// The right-hand side of every UID: events of this program, whoever exports them.
constexpr std::string_view kUidDomain = "@veltrin-calendar";
// Farther than the longest fast reaches from a day within it.
constexpr int32_t kFastReach = 60;

std::string DateKey(int32_t day) {
    return IcsDate(GregorianDateOf(day));
}

// An event title does not end with a full stop.
std::string Title(std::string_view text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.remove_suffix(1);
    return std::string(text);
}

IcsEvent DayEvent(const DayRecord& d) {
    IcsEvent e;
    e.uid = "day-" + DateKey(d.dayNumber) + std::string(kUidDomain);
    e.first = GregorianDateOf(d.dayNumber);
    e.summary = d.commemorations.empty() ? Title(d.weekLine) : Title(d.commemorations[0].text);
    // The receiving calendar shows the civil date; the church date is told here.
    std::vector<std::string> lines{
        "По старому стилю: " + Reports::DateText(kJulian, d.dates[kJulian - 1]) + ".", d.weekLine};
    if (!d.fastingText.empty()) lines.push_back(d.fastingText);
    for (const Commemoration& c : d.commemorations)
        lines.push_back(c.text);
    lines.insert(lines.end(), d.notes.begin(), d.notes.end());
    if (!d.readings.empty()) lines.push_back(d.readings);
    for (const std::string& line : lines)
        e.description += (e.description.empty() ? "" : "\n") + line;
    e.category = "Памяти дня";
    return e;
}

bool IsLongFast(FastPeriod p) {
    return p == FastPeriod::kGreatLent || p == FastPeriod::kApostles ||
           p == FastPeriod::kDormition || p == FastPeriod::kNativity;
}

FastPeriod PeriodOf(int32_t day) {
    return FastingOf(day, ServiceRank::kPlain).period;
}

IcsEvent FastEvent(int32_t first, int32_t last, FastPeriod period, std::string description) {
    IcsEvent e;
    e.uid = (last > first ? "fast-" : "strict-") + DateKey(first) + std::string(kUidDomain);
    e.first = GregorianDateOf(first);
    e.days = last - first + 1;
    e.summary = std::string(FastPeriodName(period));
    e.description = std::move(description);
    e.category = "Посты";
    return e;
}

void AddFasts(std::vector<IcsEvent>& events, int32_t first, int32_t last) {
    // The long fasts as runs of days of one fast, looked for from far enough back that a fast
    // reaching into the days is found from its start.
    for (int32_t day = first - kFastReach; day <= last;) {
        const FastPeriod period = PeriodOf(day);
        if (!IsLongFast(period)) {
            ++day;
            continue;
        }
        int32_t end = day;
        while (PeriodOf(end + 1) == period)
            ++end;
        // The strict eve of the Nativity is the last day of the Nativity fast.
        if (period == FastPeriod::kNativity && PeriodOf(end + 1) == FastPeriod::kStrictDay) ++end;
        if (end >= first) events.push_back(FastEvent(day, end, period, {}));
        day = end + 1;
    }
    for (int32_t day = first; day <= last; ++day)
        if (PeriodOf(day) == FastPeriod::kStrictDay)
            events.push_back(FastEvent(day, day, FastPeriod::kStrictDay,
                                       FastingText(FastingOf(day, ServiceRank::kPlain))));
}

}  // namespace

std::vector<IcsEvent> CalendarEvents(const Reports& reports, int style, int32_t first, int32_t last,
                                     EventChoice choice, RecordParts parts) {
    std::vector<IcsEvent> events;
    if (choice.feasts)
        for (const MainFeast& f : MainFeastsBetween(first, last)) {
            IcsEvent e;
            e.uid =
                "feast-" + DateKey(f.day) + "-" + std::to_string(f.key) + std::string(kUidDomain);
            e.first = GregorianDateOf(f.day);
            e.summary = Title(f.title);
            e.category = "Праздники";
            events.push_back(e);
        }
    if (choice.days)
        for (int32_t day = first; day <= last; ++day)
            events.push_back(DayEvent(RecordOfDay(reports, style, day, parts)));
    if (choice.fasts) AddFasts(events, first, last);
    return events;
}

}  // namespace veltrin
