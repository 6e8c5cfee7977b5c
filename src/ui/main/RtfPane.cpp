#include "ui/main/RtfPane.h"

#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <tuple>

#include "data/IniReader.h"
#include "ui/main/PaneText.h"
#include "ui/main/RtfWriter.h"
#include "ui/main/WholeFile.h"

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

namespace {

// The look of a run: runs that look alike share one character format, made once a document.
using RunLook = std::tuple<std::string, bool, int, bool, bool, bool, bool, int, int, int>;
RunLook LookOf(const RtfRun& run) {
    const RtfColor c = run.color.value_or(RtfColor{});
    return {run.fontName,  run.fixedPitch,        run.halfPoints, run.bold, run.italic,
            run.underline, run.color.has_value(), c.red,          c.green,  c.blue};
}

QFont SizedFontOf(const RtfRun& run) {
    QFont font = RtfDocumentBuilder::FontOf(run);
    font.setPointSizeF(run.halfPoints > 0 ? run.halfPoints / 2.0 : 12.0);
    return font;
}

class FormatCache {
  public:
    const QTextCharFormat& Of(const RtfRun& run) {
        const auto [at, made] = formats_.try_emplace(LookOf(run));
        if (made) {
            at->second.setFont(SizedFontOf(run));
            if (run.color)
                at->second.setForeground(QColor(run.color->red, run.color->green, run.color->blue));
        }
        return at->second;
    }
    // The indentation under which a line that begins with a rank sign wraps: the sign and a blank.
    qreal HangOf(const RtfRun& sign, const RtfRun& text) {
        const auto key = std::make_pair(sign.text, std::make_pair(LookOf(sign), LookOf(text)));
        const auto [at, made] = hangs_.try_emplace(key, 0.0);
        if (made)
            at->second = QFontMetricsF(SizedFontOf(sign))
                             .horizontalAdvance(QString::fromStdString(sign.text)) +
                         QFontMetricsF(SizedFontOf(text)).horizontalAdvance(QChar(' '));
        return at->second;
    }

  private:
    std::map<RunLook, QTextCharFormat> formats_;
    std::map<std::pair<std::string, std::pair<RunLook, RunLook>>, qreal> hangs_;
};

}  // namespace

void RtfDocumentBuilder::Build(const RtfDocument& document, QTextDocument& target) {
    target.clear();
    target.setDocumentMargin(4);
    QTextCursor cursor(&target);
    FormatCache formats;
    // One edit for the whole document: the pane lays it out once, not after every run.
    cursor.beginEditBlock();
    bool first = true;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        QTextBlockFormat block;
        block.setTopMargin(0);
        block.setBottomMargin(0);
        // A line that begins with a rank sign wraps under its text, not under the sign.
        if (paragraph.runs.size() >= 2 && paragraph.runs[0].fixedPitch) {
            const qreal hang = formats.HangOf(paragraph.runs[0], paragraph.runs[1]);
            block.setLeftMargin(hang);
            block.setTextIndent(-hang);
        }
        // A separator runs to the pane's edge and is clipped there rather than wrapped.
        QString whole;
        for (const RtfRun& run : paragraph.runs)
            whole += QString::fromStdString(run.text);
        block.setNonBreakableLines(IsSeparatorLine(whole));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const RtfRun& run : paragraph.runs) {
            QString text = WithUnbreakableHyphens(QString::fromStdString(run.text));
            text.replace(QChar('\n'), QChar::LineSeparator);
            cursor.insertText(text, formats.Of(run));
        }
    }
    cursor.endEditBlock();
    cursor.movePosition(QTextCursor::Start);
}

RtfPane::RtfPane(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

void RtfPane::ShowRtf(const std::string& bytes) {
    rtf_ = bytes;
    RtfDocumentBuilder::Build(ParseRtf(bytes), *document());
    moveCursor(QTextCursor::Start);
}

void RtfPane::LoadFile(const std::string& path) {
    // A file that cannot be read, or is too large to hold, leaves the pane empty.
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > IniReader::kLargestFile) return;
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    try {
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        if (!in.bad()) ShowRtf(bytes);
    } catch (const std::bad_alloc&) {
    }
}

std::string RtfPane::Rtf() const {
    return rtf_.empty() ? WriteRtf(*document()) : rtf_;
}

QString RtfPane::SaveRtf(const QString& path) const {
    const std::string rtf = Rtf();
    return WriteWholeFile(path, QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
}

QString RtfPane::PlainText() const {
    return WithPlainHyphens(document()->toPlainText());
}

QString RtfPane::SaveText(const QString& path) const {
    QString text = PlainText();
    if (!text.isEmpty() && !text.endsWith('\n')) text += '\n';
    return WriteWholeFile(path, text.toUtf8());
}

int RtfPane::Find(const QString& text, int start, bool wholeWord) {
    if (text.isEmpty()) return -1;
    // A hyphen of the needle finds the pane's hyphens of both kinds.
    QString pattern;
    for (const QChar c : text)
        pattern += c == u'-' || c == QChar(kUnbreakableHyphen)
                       ? QStringLiteral("[-\\x{2011}]")
                       : QRegularExpression::escape(QString(c));
    const QRegularExpression needle(pattern, QRegularExpression::CaseInsensitiveOption |
                                                 QRegularExpression::UseUnicodePropertiesOption);
    QTextDocument::FindFlags flags;
    if (wholeWord) flags |= QTextDocument::FindWholeWords;
    const QTextCursor found = document()->find(needle, start, flags);
    if (found.isNull()) return -1;
    setTextCursor(found);
    ensureCursorVisible();
    return found.selectionStart();
}

bool RtfPane::event(QEvent* event) {
    // Copying and selecting everything are commands of the window's menu, which copies the
    // report in all its forms; the pane does not take those keys for itself.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->ignore();
            return true;
        }
    }
    return QTextEdit::event(event);
}

void RtfPane::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        emit RightButtonDown(event->globalPosition().toPoint());
        return;
    }
    QTextEdit::mousePressEvent(event);
}

void RtfPane::contextMenuEvent(QContextMenuEvent* event) {
    // The window opens its own menu on the right button.
    event->accept();
}

}  // namespace veltrin::ui
