#include "ui/main/PaneText.h"

#include <QTextCursor>

namespace veltrin::ui {

QString WithUnbreakableHyphens(QString text) {
    for (qsizetype i = 1; i + 1 < text.size(); ++i)
        if (text[i] == u'-' && text[i - 1].isLetterOrNumber() && text[i + 1].isLetterOrNumber())
            text[i] = QChar(kUnbreakableHyphen);
    return text;
}

QString WithPlainHyphens(QString text) {
    return text.replace(QChar(kUnbreakableHyphen), QChar(u'-'));
}

bool IsSeparatorLine(const QString& text) {
    constexpr qsizetype kShortest = 10;  // fewer dots are an ellipsis or a gap in a text
    if (text.size() < kShortest) return false;
    for (const QChar c : text)
        if (c != u'.') return false;
    return true;
}

QString SearchTextOf(const QTextCursor& selection) {
    QString text = WithPlainHyphens(selection.selectedText());
    text.replace(QChar::ParagraphSeparator, u' ').replace(QChar::LineSeparator, u' ');
    return text;
}

}  // namespace veltrin::ui
