#include "data/Markup.h"

namespace veltrin {

namespace {
constexpr std::string_view kMarkers[] = {"", "{1}", "{2}", "{3}", "", "{5}", "{6}"};
constexpr std::string_view kFragments[] = {
    "\\f1  · \\f0  ",  // the bullet
    "\\f1 (+)\\f0  ", "\\f1  +)\\f0  ", "\\f1  + \\f0  ", "", "\\f1  c \\f0  ",
    "\\f1  ш \\f0  ",
};
}  // namespace

Sign SignOf(std::string_view value) {
    const std::string_view head = value.substr(0, 3);
    for (const Sign sign : kSigns)
        if (head == kMarkers[sign]) return sign;
    return kNoSign;
}

std::string_view MarkerOf(std::string_view value) {
    return kMarkers[SignOf(value)];
}

Sign HigherSign(Sign a, Sign b) {
    if (a == kNoSign) return b;
    if (b == kNoSign) return a;
    return a < b ? a : b;
}

std::string_view SignFragment(Sign sign) {
    return kFragments[sign];
}

std::string MarkupItem(std::string_view text) {
    const Sign sign = SignOf(text);
    if (sign == kNoSign) return std::string(SignFragment(kNoSign)) + std::string(text);
    std::string_view rest = text.substr(3);
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    return std::string(SignFragment(sign)) + std::string(rest);
}

std::string GroupItem(std::string_view value, bool indented) {
    std::string item = indented ? std::string(BlankMark) + std::string(value) : MarkupItem(value);
    item += ParagraphEnd;
    return item;
}

}  // namespace veltrin
