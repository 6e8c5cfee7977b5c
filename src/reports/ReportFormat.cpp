#include "reports/ReportFormat.h"

namespace veltrin {

std::string ReportHeader(std::string_view fontName, int fontSize) {
    std::string header =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{"
        "\\f0\\fswiss\\fprq2\\fcharset204 ";
    header += RtfFontName(fontName);
    header +=
        ";}{\\f1\\fmodern\\fprq1\\fcharset204 Courier New;}}\r\n"
        "{\\colortbl ;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs";
    header += std::to_string(2 * fontSize);  // RTF counts half-points
    header += "\r\n";
    return header;
}

std::string RtfFontName(std::string_view face) {
    std::string out;
    for (const char ch : face) {
        // A semicolon would end the name inside the font table; control characters are no name.
        if (ch == ';' || (static_cast<unsigned char>(ch) < 0x20)) continue;
        if (ch == '\\' || ch == '{' || ch == '}') out.push_back('\\');
        out.push_back(ch);
    }
    return out;
}

std::string EscapeRtfText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        if (ch == '\\' || ch == '{' || ch == '}') out.push_back('\\');
        if (ch == '\r' || ch == '\n') continue;
        out.push_back(ch);
    }
    return out;
}

}  // namespace veltrin
