#include "data/Markup.h"

#include <array>

namespace veltrin {

namespace {
struct Sign {
    std::string_view marker;
    std::string_view fragment;
};
// Each fragment shows a three-character sign in font 1 and one blank in font 0.
constexpr std::array<Sign, 5> kSigns = {{
    {"{1}", "\\f1 (+)\\f0  "},  // great feast
    {"{2}", "\\f1  +)\\f0  "},  // vigil
    {"{3}", "\\f1  + \\f0  "},  // polyeleos
    {"{5}", "\\f1  c \\f0  "},  // great doxology
    {"{6}", "\\f1  ш \\f0  "},  // six stichera
}};
constexpr std::string_view kBullet = "\\f1  · \\f0  ";
}  // namespace

std::string MarkupItem(std::string_view text) {
    const std::string_view head = text.substr(0, 3);
    for (const Sign& sign : kSigns) {
        if (head != sign.marker) continue;
        std::string_view rest = text.substr(3);
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        return std::string(sign.fragment) + std::string(rest);
    }
    return std::string(kBullet) + std::string(text);
}

std::string GroupItem(std::string_view value, bool indented) {
    std::string item = indented ? std::string(BlankMark) + std::string(value) : MarkupItem(value);
    item += ParagraphEnd;
    return item;
}

}  // namespace veltrin
