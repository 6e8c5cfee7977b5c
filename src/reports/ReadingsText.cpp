#include "reports/ReadingsText.h"

#include <cctype>

namespace veltrin {

namespace {
constexpr std::string_view kEnDash = "–";

// The book's code as the calendar prints it: "1Кор" -> "1 Кор.".
std::string BookName(const std::string& code) {
    std::string name = code;
    if (!name.empty() && std::isdigit(static_cast<unsigned char>(name[0])) && name.size() > 1 &&
        !std::isdigit(static_cast<unsigned char>(name[1])))
        name.insert(1, " ");
    return name + ".";
}
}  // namespace

std::string RomanNumeral(int n) {
    static const std::pair<int, const char*> kValues[] = {{100, "C"}, {90, "XC"}, {50, "L"},
                                                          {40, "XL"}, {10, "X"},  {9, "IX"},
                                                          {5, "V"},   {4, "IV"},  {1, "I"}};
    std::string out;
    for (const auto& [value, letters] : kValues)
        for (; n >= value; n -= value)
            out += letters;
    return out;
}

std::string ReadingText(const Reading& r) {
    std::string text = BookName(r.book) + ",";
    if (r.zachalo != 0) {
        text += " " + std::to_string(r.zachalo) + " зач.";
        if (r.fromMiddle) text += " (от полу)";
        text += ",";
    }
    for (size_t p = 0; p < r.parts.size(); ++p) {
        const ChapterPart& part = r.parts[p];
        text += (p == 0 ? " " : "; ") + RomanNumeral(part.chapter) + ", ";
        for (size_t s = 0; s < part.spans.size(); ++s) {
            const VerseSpan& span = part.spans[s];
            if (s > 0) text += ", ";
            text += std::to_string(span.from);
            if (span.to == 0) continue;
            if (span.toChapter != part.chapter)
                text += " " + std::string(kEnDash) + " " + RomanNumeral(span.toChapter) + ", " +
                        std::to_string(span.to);
            else
                text += std::string(kEnDash) + std::to_string(span.to);
        }
    }
    return text + ".";
}

std::string ReadingsText(const std::vector<Reading>& readings) {
    std::string text;
    for (const Reading& r : readings) {
        if (!text.empty()) text += ' ';
        text += ReadingText(r);
    }
    return text;
}

std::string ReadingsParagraph(const DayReadings& d) {
    std::string text;
    const auto add = [&text](const std::string& head, const std::string& body) {
        if (body.empty()) return;
        if (!text.empty()) text += ' ';
        text += head + body;
    };
    const std::string dash = " " + std::string(kEnDash) + " ";
    add("Утр." + dash, d.matins);
    const char* const hours[4] = {
        "На 1-м часе: ", "На 3-м часе: ", "На 6-м часе: ", "На 9-м часе: "};
    for (int h = 0; h < 4; ++h)
        add(hours[h], d.hours[h]);
    add("На веч.: ", d.vespers);
    add("Лит." + dash, d.liturgy);
    return text;
}

}  // namespace veltrin
