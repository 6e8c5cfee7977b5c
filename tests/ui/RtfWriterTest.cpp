#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "reports/RtfReader.h"
#include "ui/main/RtfPane.h"
#include "ui/main/RtfWriter.h"

namespace veltrin::ui {
namespace {

QTextCharFormat Format(const QString& family, double points, QColor color = {}) {
    QTextCharFormat f;
    QFont font(family);
    font.setPointSizeF(points);
    f.setFont(font);
    if (color.isValid()) f.setForeground(color);
    return f;
}

TEST(RtfWriter, TextFontsAndColoursSurviveReadingBack) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat bold = Format("DejaVu Serif", 14, QColor(255, 0, 0));
    bold.setFontWeight(QFont::Bold);
    c.insertText("Святая Пасха", bold);
    c.insertText(" {1} \\ ", Format("DejaVu Serif", 10));
    c.insertBlock();
    QTextCharFormat fixed = Format("Courier New", 10, QColor(0, 0, 128));
    fixed.setFontFixedPitch(true);
    c.insertText(" · ", fixed);
    QTextCharFormat italic = Format("DejaVu Sans", 9.5);
    italic.setFontItalic(true);
    italic.setFontUnderline(true);
    c.insertText(QString("Прп.\tМарии") + QChar::LineSeparator + QChar(0xFF01), italic);

    const std::string rtf = WriteRtf(doc);
    for (const unsigned char ch : rtf)
        ASSERT_LT(ch, 0x80) << "not plain ASCII";
    EXPECT_NE(rtf.find("\\u-255?"), std::string::npos);  // beyond 0x7FFF: negative

    const RtfDocument back = ParseRtf(rtf);
    ASSERT_EQ(back.paragraphs.size(), 2u);
    EXPECT_EQ(back.PlainText(), "Святая Пасха {1} \\ \n · Прп.\tМарии\n\xEF\xBC\x81\n");
    const RtfRun& title = back.paragraphs[0].runs.at(0);
    EXPECT_EQ(title.fontName, "DejaVu Serif");
    EXPECT_EQ(title.halfPoints, 28);
    EXPECT_TRUE(title.bold);
    ASSERT_TRUE(title.color);
    EXPECT_EQ(*title.color, (RtfColor{255, 0, 0}));
    const RtfRun& plain = back.paragraphs[0].runs.at(1);
    EXPECT_FALSE(plain.bold);
    EXPECT_FALSE(plain.color);
    const RtfRun& sign = back.paragraphs[1].runs.at(0);
    EXPECT_EQ(sign.fontName, "Courier New");
    EXPECT_TRUE(sign.fixedPitch);
    EXPECT_EQ(*sign.color, (RtfColor{0, 0, 128}));
    const RtfRun& name = back.paragraphs[1].runs.at(1);
    EXPECT_EQ(name.halfPoints, 19);
    EXPECT_TRUE(name.italic);
    EXPECT_TRUE(name.underline);
}

TEST(RtfWriter, PartOfAParagraphAndAnEmptyDocument) {
    RtfPane pane;
    pane.ShowRtf(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green128\\blue0;}"
        "\\f0\\fs20 one \\cf1 two\\cf0  three\\par four\\par}");
    QTextCursor c = pane.document()->find("two");
    c.setPosition(c.selectionStart() - 2);
    c.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 6);
    const RtfDocument part = ParseRtf(WriteRtf(c.selection()));
    EXPECT_EQ(part.PlainText(), "e two \n");
    ASSERT_EQ(part.paragraphs[0].runs.size(), 3u);
    EXPECT_EQ(*part.paragraphs[0].runs[1].color, (RtfColor{0, 128, 0}));
    EXPECT_EQ(part.paragraphs[0].runs[1].halfPoints, 20);

    const QTextDocument empty;
    EXPECT_EQ(ParseRtf(WriteRtf(empty)).PlainText(), "\n");
}

}  // namespace
}  // namespace veltrin::ui
