#pragma once
// A commemoration text as an RTF fragment: its Typikon sign in the fixed-pitch font 1, then the
// text. The markers of the signs in the data files, {1} {2} {3} {5} {6}, are known here only.

#include <string>
#include <string_view>

namespace veltrin {

// Three blanks in font 1 and one in font 0: the indentation of one sign column.
inline constexpr std::string_view BlankMark = "\\f1    \\f0  ";
inline constexpr std::string_view ParagraphEnd = "\\par\r\n";

// The Typikon signs, by the number of their marker; a higher service has a lower number.
enum Sign : int {
    kNoSign = 0,
    kGreatFeastSign = 1,     // (+) a great feast
    kVigilSign = 2,          //  +) a vigil
    kPolyeleosSign = 3,      //  +  a polyeleos
    kGreatDoxologySign = 5,  //  c  the great doxology
    kSixStichSign = 6,       //  ш  six stichera
};
inline constexpr Sign kSigns[] = {kGreatFeastSign, kVigilSign, kPolyeleosSign,
                                  kGreatDoxologySign, kSixStichSign};

// The sign a data value begins with, or kNoSign.
Sign SignOf(std::string_view value);
// The marker a value begins with ("{1}" ...), or an empty view.
std::string_view MarkerOf(std::string_view value);
// Of two signs, the one of the higher service.
Sign HigherSign(Sign a, Sign b);
// The fragment a sign is shown as: three characters in font 1 and one blank in font 0; the
// bullet for kNoSign.
std::string_view SignFragment(Sign sign);

// The sign fragment of the text's marker, or the bullet, then the text.
std::string MarkupItem(std::string_view text);

// One stored item of a text group: groups 0 to 3 carry a sign, group 4 is indented.
std::string GroupItem(std::string_view value, bool indented);

}  // namespace veltrin
