#pragma once
// The pieces every report document is made of.

#include <string>
#include <string_view>

#include "data/Markup.h"

namespace veltrin {

inline constexpr std::string_view Navy = "\\cf1 ";
inline constexpr std::string_view Red = "\\cf2 ";
inline constexpr std::string_view Trailer = "\\par\r\n}";
// 99 full stops: the line between days and between sections.
inline const std::string SeparatorLine(99, '.');

// Font 0 is the user's face, font 1 the fixed-pitch face of the signs; colour 1 navy, 2 red.
std::string ReportHeader(std::string_view fontName, int fontSize);

// A face name as it may stand in the font table.
std::string RtfFontName(std::string_view face);

// A text the user typed, made safe to stand in a document.
std::string EscapeRtfText(std::string_view text);

}  // namespace veltrin
