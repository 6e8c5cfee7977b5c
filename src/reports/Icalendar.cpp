#include "reports/Icalendar.h"

#include <cstdio>

#include "reckoning/DayNumbers.h"
#include "reckoning/StyleDate.h"

namespace veltrin {

namespace {

constexpr size_t kLineOctets = 75;  // without the CRLF
constexpr std::string_view kCrlf = "\r\n";
constexpr std::string_view kProductId = "-//Veltrin Calendar//Велтринский календарь//RU";

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The day after the last: DTEND of an all-day event is exclusive.
CivilDate DayAfter(const CivilDate& first, int days) {
    return GregorianDateOf(ComputeDayNumber(kGregorian, first.day, first.month, first.year) + days);
}

}  // namespace

std::string EscapeIcsText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\\':
            case ';':
            case ',':
                out += '\\';
                out += c;
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                break;
            default:
                // Other control characters are not allowed in a TEXT value.
                if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out += c;
        }
    }
    return out;
}

std::string FoldIcsLine(std::string_view line) {
    std::string out;
    size_t room = kLineOctets;
    while (line.size() > room) {
        // Back off to the start of a character; a continuation line begins with one blank.
        size_t cut = room;
        while (cut > 0 && IsUtf8Continuation(line[cut]))
            --cut;
        out += line.substr(0, cut);
        out += kCrlf;
        out += ' ';
        line.remove_prefix(cut);
        room = kLineOctets - 1;
    }
    out += line;
    out += kCrlf;
    return out;
}

std::string IcsDate(const CivilDate& d) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d", d.year, d.month, d.day);
    return text;
}

std::string IcsTimestamp(std::time_t time) {
    std::tm utc{};
    gmtime_r(&time, &utc);
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

std::string WriteIcalendar(const std::vector<IcsEvent>& events, std::string_view name,
                           std::string_view stamp) {
    std::string out;
    const auto line = [&out](std::string_view property, std::string_view value) {
        out += FoldIcsLine(std::string(property) + ":" + std::string(value));
    };
    line("BEGIN", "VCALENDAR");
    line("VERSION", "2.0");
    line("PRODID", kProductId);
    line("CALSCALE", "GREGORIAN");
    line("X-WR-CALNAME", EscapeIcsText(name));
    for (const IcsEvent& e : events) {
        line("BEGIN", "VEVENT");
        line("UID", e.uid);
        line("DTSTAMP", stamp);
        line("DTSTART;VALUE=DATE", IcsDate(e.first));
        line("DTEND;VALUE=DATE", IcsDate(DayAfter(e.first, e.days)));
        line("SUMMARY", EscapeIcsText(e.summary));
        if (!e.description.empty()) line("DESCRIPTION", EscapeIcsText(e.description));
        if (!e.category.empty()) line("CATEGORIES", EscapeIcsText(e.category));
        line("TRANSP", "TRANSPARENT");  // a feast does not make the user busy
        line("END", "VEVENT");
    }
    line("END", "VCALENDAR");
    return out;
}

}  // namespace veltrin
