#include "data/Readings.h"

#include <charconv>

namespace veltrin {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// A positive number at the front of `s`, taken off it; 0 when there is none.
int TakeNumber(std::string_view& s) {
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || value <= 0) return 0;
    s.remove_prefix(static_cast<size_t>(end - s.data()));
    return value;
}

bool Take(std::string_view& s, char ch) {
    if (s.empty() || s.front() != ch) return false;
    s.remove_prefix(1);
    return true;
}

// "10:32-33,37-38" or "4:25-5:12"; false when it is not of that form.
bool ParsePart(std::string_view s, ChapterPart& part) {
    part.chapter = TakeNumber(s);
    if (part.chapter == 0 || !Take(s, ':')) return false;
    do {
        VerseSpan span;
        span.from = TakeNumber(s);
        if (span.from == 0) return false;
        span.toChapter = part.chapter;
        if (Take(s, '-')) {
            int to = TakeNumber(s);
            if (to == 0) return false;
            if (Take(s, ':')) {  // across chapters
                span.toChapter = to;
                to = TakeNumber(s);
                if (to == 0) return false;
            }
            span.to = to;
        }
        part.spans.push_back(span);
    } while (Take(s, ','));
    return s.empty();
}

bool ParseOne(std::string_view text, Reading& r) {
    text = Trim(text);
    const size_t first = text.find(' ');
    const size_t second = first == std::string_view::npos ? first : text.find(' ', first + 1);
    if (second == std::string_view::npos) return false;
    r.book = std::string(text.substr(0, first));
    std::string_view zachalo = text.substr(first + 1, second - first - 1);
    if (zachalo != "-") {
        r.zachalo = TakeNumber(zachalo);
        constexpr std::string_view kFromMiddle = "п";
        r.fromMiddle = zachalo == kFromMiddle;
        if (r.zachalo == 0 || (!zachalo.empty() && !r.fromMiddle)) return false;
    }
    std::string_view rest = text.substr(second + 1);
    while (!rest.empty()) {
        const size_t semicolon = rest.find(';');
        ChapterPart part;
        if (!ParsePart(rest.substr(0, semicolon), part)) return false;
        r.parts.push_back(std::move(part));
        if (semicolon == std::string_view::npos) break;
        rest.remove_prefix(semicolon + 1);
    }
    return !r.book.empty() && !r.parts.empty();
}

}  // namespace

std::vector<Reading> ParseReadings(std::string_view text) {
    std::vector<Reading> readings;
    constexpr std::string_view kSeparator = " / ";
    while (!text.empty()) {
        const size_t at = text.find(kSeparator);
        Reading r;
        if (ParseOne(text.substr(0, at), r)) readings.push_back(std::move(r));
        if (at == std::string_view::npos) break;
        text.remove_prefix(at + kSeparator.size());
    }
    return readings;
}

LabeledReadings ParseLabeledReadings(std::string_view text) {
    LabeledReadings l;
    const size_t colon = text.find(": ");
    if (colon != std::string_view::npos && colon < 64) {
        l.label = std::string(Trim(text.substr(0, colon + 1)));
        text.remove_prefix(colon + 2);
    }
    l.readings = ParseReadings(text);
    return l;
}

}  // namespace veltrin
