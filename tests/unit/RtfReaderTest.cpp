#include <gtest/gtest.h>

#include "data/Cp1251.h"
#include "reports/ReportFormat.h"
#include "reports/RtfReader.h"
#include "unit/ReportFixture.h"

namespace veltrin {
namespace {

TEST(RtfReader, OurDocuments) {
    const std::string doc = *EncodeCp1251(
        "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset204 "
        "System;}"
        "{\\f1\\fmodern\\fprq1\\fcharset204 Courier New;}}\r\n{\\colortbl ;\\red0\\green0\\blue128;"
        "\\red255\\green0\\blue0;}\r\n\\viewkind4\\uc1\\pard\\f0\\fs20\r\n\\cf2 \\par\r\n"
        "\\f1 (+)\\f0  ПАСХА.\\par\r\n\\cf1 \\f1  ш \\f0  Мч. Калиопия.\\par\r\n}");
    const RtfDocument d = ParseRtf(doc);
    ASSERT_EQ(d.paragraphs.size(), 3u);
    EXPECT_EQ(d.PlainText(), "\n(+) ПАСХА.\n ш  Мч. Калиопия.\n");
    const auto& runs = d.paragraphs[1].runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].text, "(+)");
    EXPECT_EQ(runs[0].fontName, "Courier New");
    EXPECT_TRUE(runs[0].fixedPitch);
    EXPECT_EQ(runs[0].halfPoints, 20);
    EXPECT_EQ(runs[0].color, (RtfColor{255, 0, 0}));
    EXPECT_EQ(runs[1].text, " ПАСХА.");
    EXPECT_EQ(runs[1].fontName, "System");
    EXPECT_EQ(runs[1].fontFamily, "swiss");
    EXPECT_FALSE(runs[1].fixedPitch);
    EXPECT_EQ(d.paragraphs[2].runs[1].color, (RtfColor{0, 0, 128}));
}

TEST(RtfReader, WordProcessorConstructs) {
    const std::string doc =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman Times New "
        "Roman;}{\\f1\\fnil\\fcharset204 Arial;}}"
        "{\\colortbl;\\red10\\green20\\blue30;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title Secret}}"
        "{\\*\\generator Writer;}{\\*\\unknown skipped}"
        "\\pard\\plain\\fs28 Plain {\\b bold}{\\i italic}{\\ul under\\ul0  not}\\tab tab\\line "
        "line\\par"
        "\\f1 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par"
        "\\uc1\\u1052?\\u1080?\\u1088? \\uc0\\u9766 \\uc2\\u1044\\'80\\'81!\\par"
        "{\\cf1 colour}\\~x\\emdash y\\{z\\}\\\\\\par}";
    const RtfDocument d = ParseRtf(doc);
    ASSERT_EQ(d.paragraphs.size(), 4u);
    EXPECT_EQ(d.paragraphs[0].PlainText(), "Plain bolditalicunder not\ttab\nline");
    const auto& runs = d.paragraphs[0].runs;
    EXPECT_EQ(runs[0].halfPoints, 28);
    EXPECT_EQ(runs[0].fontName, "Times New Roman");
    EXPECT_TRUE(runs[1].bold);
    EXPECT_TRUE(runs[2].italic);
    EXPECT_TRUE(runs[3].underline);
    EXPECT_FALSE(runs[4].underline);
    EXPECT_EQ(d.paragraphs[1].PlainText(), "Привет");  // a Cyrillic font in a Western document
    EXPECT_EQ(d.paragraphs[2].PlainText(), "Мир ☦Д!");
    EXPECT_EQ(d.paragraphs[3].PlainText(), "colour\u00A0x\u2014y{z}\\");
    EXPECT_EQ(d.paragraphs[3].runs[0].color, (RtfColor{10, 20, 30}));
}

// Broken documents give what could be read.
TEST(RtfReader, BrokenDocuments) {
    EXPECT_EQ(ParseRtf("{\\rtf1 unclosed \\b bold").PlainText(), "unclosed bold\n");
    EXPECT_EQ(ParseRtf("}}} stray {").PlainText(), " stray \n");
    EXPECT_EQ(ParseRtf("{\\rtf1 cut \\").PlainText(), "cut \n");
    EXPECT_EQ(ParseRtf("{\\rtf1 \\'4").PlainText(), "");
    EXPECT_EQ(ParseRtf("{\\rtf1 \\u").PlainText(), "");
    EXPECT_EQ(ParseRtf("").paragraphs.size(), 0u);
    std::string deep(100000, '{');
    deep += "deep";
    EXPECT_EQ(ParseRtf(deep).PlainText(), "deep\n");
    ParseRtf(test::RandomBytes(100000, 7));
    ParseRtf("{\\rtf1 \\fs-5 \\cf99999999999 \\u-99999999 \\uc-1 x\\fonttbl{\\f}}");
}

// A face name with the characters of the RTF grammar in it leaves the document whole.
TEST(RtfReader, FaceNamesCannotBreakTheDocument) {
    const std::string document = ReportHeader("Evil;}}{\\b", 10) + "\\cf1 Текст.\\par\r\n}";
    const RtfDocument parsed = ParseRtf(*EncodeCp1251(document));
    ASSERT_FALSE(parsed.paragraphs.empty());
    const RtfRun& run = parsed.paragraphs[0].runs.at(0);
    EXPECT_EQ(run.text, "Текст.");
    EXPECT_EQ(run.fontName, "Evil}}{\\b");
    EXPECT_FALSE(run.bold);
}

}  // namespace
}  // namespace veltrin
