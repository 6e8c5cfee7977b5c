#include "ui/main/RtfWriter.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <cmath>
#include <vector>

#include "ui/main/PaneText.h"

namespace veltrin::ui {

namespace {

struct FontEntry {
    QString family;
    bool fixedPitch = false;
    bool operator==(const FontEntry&) const = default;
};

template <typename T>
int IndexOf(std::vector<T>& table, const T& value) {
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i] == value) return static_cast<int>(i);
    table.push_back(value);
    return static_cast<int>(table.size() - 1);
}

// Text as RTF: the three special characters escaped, tabs and line breaks as control words,
// everything else beyond ASCII as \uN? with N the signed 16-bit code unit.
void AppendText(std::string& out, const QString& text) {
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator || u == '\n') {
            out += "\\line ";
        } else if (u == kUnbreakableHyphen) {
            out += '-';  // the pane's own, not the report's
        } else if (u == QChar::Nbsp) {
            out += "\\~";
        } else if (u >= 0x20 && u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x20) {
            // Other control characters have no place in a report.
        } else {
            out += "\\u" + std::to_string(static_cast<int16_t>(u)) + "?";
        }
    }
}

std::string Write(const QTextDocument& document) {
    std::vector<FontEntry> fonts;
    std::vector<QColor> colors;
    std::string body;
    bool firstBlock = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!firstBlock) body += "\\par\r\n";
        firstBlock = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            const QTextCharFormat format = fragment.charFormat();
            const QFont font = format.font();
            const bool fixed = font.fixedPitch() || font.styleHint() == QFont::Monospace ||
                               font.styleHint() == QFont::TypeWriter;
            const int f = IndexOf(fonts, FontEntry{font.family(), fixed});
            int cf = 0;
            if (format.hasProperty(QTextFormat::ForegroundBrush))
                cf = IndexOf(colors, format.foreground().color().toRgb()) + 1;
            const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 12.0;
            body += "{\\f" + std::to_string(f) + "\\fs" +
                    std::to_string(static_cast<int>(std::lround(points * 2))) + "\\cf" +
                    std::to_string(cf);
            if (font.bold()) body += "\\b";
            if (font.italic()) body += "\\i";
            if (font.underline()) body += "\\ul";
            body += ' ';
            AppendText(body, fragment.text());
            body += '}';
        }
    }

    std::string out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1{\\fonttbl";
    if (fonts.empty()) fonts.push_back({});
    for (size_t i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) +
               (fonts[i].fixedPitch ? "\\fmodern\\fprq1" : "\\fnil\\fprq2") + "\\fcharset204 ";
        QString family = fonts[i].family;
        AppendText(out, family.remove(';'));  // a semicolon would end the name
        out += ";}";
    }
    out += "}{\\colortbl;";
    for (const QColor& c : colors)
        out += "\\red" + std::to_string(c.red()) + "\\green" + std::to_string(c.green()) +
               "\\blue" + std::to_string(c.blue()) + ";";
    out += "}\r\n" + body + "\\par\r\n}\r\n";
    return out;
}

}  // namespace

std::string WriteRtf(const QTextDocument& document) {
    return Write(document);
}

std::string WriteRtf(const QTextDocumentFragment& fragment) {
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertFragment(fragment);
    return Write(document);
}

}  // namespace veltrin::ui
