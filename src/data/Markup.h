#pragma once
// A commemoration text as an RTF fragment: its rank sign in the fixed-pitch font 1, then the text.

#include <string>
#include <string_view>

namespace veltrin {

// Three blanks in font 1 and one in font 0: the indentation of one sign column.
inline constexpr std::string_view BlankMark = "\\f1    \\f0  ";
inline constexpr std::string_view ParagraphEnd = "\\par\r\n";

// The sign fragment of the text's marker ({1} {2} {3} {5} {6}) or the bullet, then the text.
std::string MarkupItem(std::string_view text);

// One stored item of a text group: groups 0 to 3 carry a sign, group 4 is indented.
std::string GroupItem(std::string_view value, bool indented);

}  // namespace veltrin
