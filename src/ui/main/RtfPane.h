#pragma once
// Rich-text documents of the reports in Qt's text document: the paragraphs and runs that the RTF
// reader yields become blocks and character formats. Font 0 of a report is the user's face, where
// "System" stands for the desktop's default font; the fixed-pitch font of the rank signs becomes
// "Courier New" or its metric twin so that the signs line up.

#include <QFont>
#include <QTextEdit>
#include <string>

#include "reports/RtfReader.h"

class QTextDocument;

namespace veltrin::ui {

class RtfDocumentBuilder {
  public:
    // Replaces the content of `target` with `document`.
    static void Build(const RtfDocument& document, QTextDocument& target);
    // The font of a run, without its size.
    static QFont FontOf(const RtfRun& run);
};

// A read-only pane that shows one report.
class RtfPane : public QTextEdit {
    Q_OBJECT
  public:
    explicit RtfPane(QWidget* parent = nullptr);
    // Shows an RTF document given as its bytes.
    void ShowRtf(const std::string& bytes);
    // Shows the document in a file; a file that cannot be read leaves the pane empty.
    void LoadFile(const std::string& path);

    // The RTF text of what the pane shows: the document as it was given to the pane, or, for
    // a pane that was given none, the document written out afresh.
    std::string Rtf() const;
    // The text of what the pane shows, a paragraph a line, as it was given.
    QString PlainText() const;
    // Writes the document as RTF, or as plain text in UTF-8 with one line a paragraph; false
    // when the file cannot be written.
    // Each returns why the file could not be written, or an empty text when it was.
    QString SaveRtf(const QString& path) const;
    QString SaveText(const QString& path) const;

    // Looks for `text` from character position `start` to the end, letter case not matched,
    // optionally as a whole word. A match becomes the selection and its position is returned;
    // without one the selection stays and the result is -1.
    int Find(const QString& text, int start, bool wholeWord);

  signals:
    // The right mouse button went down over the pane, at `globalPos`.
    void RightButtonDown(const QPoint& globalPos);

  protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    std::string rtf_;
};

}  // namespace veltrin::ui
