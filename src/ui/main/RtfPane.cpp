#include "ui/main/RtfPane.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <fstream>
#include <iterator>

namespace veltrin::ui {

QFont RtfDocumentBuilder::FontOf(const RtfRun& run) {
    QFont font;
    if (run.fixedPitch) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setFamilies({"Courier New", "Liberation Mono", font.family()});
        font.setStyleHint(QFont::Monospace);
        font.setFixedPitch(true);
    } else if (run.fontName.empty() || run.fontName == "System") {
        font = QGuiApplication::font();
    } else {
        font.setFamilies({QString::fromStdString(run.fontName), QGuiApplication::font().family()});
    }
    font.setBold(run.bold);
    font.setItalic(run.italic);
    font.setUnderline(run.underline);
    return font;
}

void RtfDocumentBuilder::Build(const RtfDocument& document, QTextDocument& target) {
    target.clear();
    target.setDocumentMargin(4);
    QTextCursor cursor(&target);
    QTextBlockFormat block;
    block.setTopMargin(0);
    block.setBottomMargin(0);
    bool first = true;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const RtfRun& run : paragraph.runs) {
            QTextCharFormat format;
            QFont font = FontOf(run);
            font.setPointSizeF(run.halfPoints > 0 ? run.halfPoints / 2.0 : 12.0);
            format.setFont(font);
            if (run.color)
                format.setForeground(QColor(run.color->red, run.color->green, run.color->blue));
            QString text = QString::fromStdString(run.text);
            text.replace(QChar('\n'), QChar::LineSeparator);
            cursor.insertText(text, format);
        }
    }
    cursor.movePosition(QTextCursor::Start);
}

RtfPane::RtfPane(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QTextEdit::WidgetWidth);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

void RtfPane::ShowRtf(const std::string& bytes) {
    RtfDocumentBuilder::Build(ParseRtf(bytes), *document());
    moveCursor(QTextCursor::Start);
}

void RtfPane::LoadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.bad()) ShowRtf(bytes);
}

}  // namespace veltrin::ui
