#pragma once
// The text of a report as the panes show it and as it leaves them. A pane keeps a hyphen inside
// a word on its line by showing it as the non-breaking hyphen; whatever is saved, copied or
// searched from a pane has the plain hyphen back.

#include <QString>

class QTextCursor;

namespace veltrin::ui {

inline constexpr char16_t kUnbreakableHyphen = 0x2011;

// `text` with every hyphen between two letters or digits made non-breaking.
QString WithUnbreakableHyphens(QString text);
// `text` with the non-breaking hyphens plain again.
QString WithPlainHyphens(QString text);
// Whether a paragraph of `text` is a separator line of dots, which is clipped, never wrapped.
bool IsSeparatorLine(const QString& text);
// A selection as one line of search text: the paragraphs it spans run on with blanks.
QString SearchTextOf(const QTextCursor& selection);

}  // namespace veltrin::ui
