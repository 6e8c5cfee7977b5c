#pragma once
// A reader of Rich Text Format documents: the reports of this program, the abbreviations file, or
// a document saved by a word processor. It yields paragraphs of runs of like-formatted text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrin {

struct RtfColor {
    uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const RtfColor&) const = default;
};

struct RtfRun {
    std::string text;               // UTF-8; "\n" for a line break, "\t" for a tab
    std::string fontName;           // from the font table; empty when the document has none
    std::string fontFamily;         // "swiss", "modern", "roman", ... ("nil" when not given)
    bool fixedPitch = false;        // a fixed-pitch font (\fprq1 or the modern family)
    int halfPoints = 24;            // \fs
    std::optional<RtfColor> color;  // nothing: the reader's default colour
    bool bold = false, italic = false, underline = false;
};

struct RtfParagraph {
    std::vector<RtfRun> runs;
    std::string PlainText() const;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
    // One line a paragraph.
    std::string PlainText() const;
};

// Never fails: a broken document gives what could be read of it.
RtfDocument ParseRtf(std::string_view document);

}  // namespace veltrin
