#pragma once
// Rich text of a piece of a shown report, for the clipboard: the text with its fonts, sizes,
// colours, bold, italic and underline, as a self-contained RTF document. Everything beyond
// ASCII is written as a Unicode escape, so the document is plain ASCII.

#include <QString>
#include <string>

class QTextDocument;
class QTextDocumentFragment;

namespace veltrin::ui {

std::string WriteRtf(const QTextDocument& document);
std::string WriteRtf(const QTextDocumentFragment& fragment);

}  // namespace veltrin::ui
