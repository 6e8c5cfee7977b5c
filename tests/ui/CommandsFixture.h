#pragma once
// The main window with answers in place of the desktop's dialogs: every message is recorded,
// and each test says what the save, font and print dialogs answer.

#include <QPrinter>
#include <QStringList>
#include <QTextCursor>
#include <QUrl>
#include <vector>

#include "WindowFixture.h"
#include "ui/main/Prompts.h"
#include "ui/main/ReportTabs.h"
#include "ui/main/RtfPane.h"

namespace veltrin::test {

struct Shown {
    QString title, text;
    QMessageBox::Icon icon;
};

class CommandsTest : public WindowTest {
  protected:
    std::vector<Shown> messages;
    std::vector<QUrl> opened;
    std::optional<ui::SaveChoice> saveAnswer;
    std::optional<QFont> fontAnswer;
    std::optional<ui::ExportChoice> exportAnswer;
    QString exportYear;  // the year the export dialog named
    QString pdfPath;     // empty: the print dialog is cancelled
    bool printOffered = false, selectionOffered = false;

    void Open(CivilDate today, std::function<void(SettingsStore&)> preset = {}) {
        WindowTest::Open(today, std::move(preset));
        ui::Prompts& p = window->prompts;
        p.Message = [this](QWidget*, const QString& title, const QString& text,
                           QMessageBox::Icon icon) {
            messages.push_back({title, text, icon});
        };
        p.SaveFile = [this](QWidget*, const QString&) { return saveAnswer; };
        p.ChooseFont = [this](QWidget*, const QFont&) { return fontAnswer; };
        p.ChoosePrinter = [this](QWidget*, QPrinter& printer, bool hasSelection) {
            printOffered = true;
            selectionOffered = hasSelection;
            if (pdfPath.isEmpty()) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath);
            // As the dialog leaves it: a selection is preselected for printing.
            printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
            return true;
        };
        p.OpenUrl = [this](const QUrl& url) { opened.push_back(url); };
        p.ChooseExport = [this](QWidget*, const QString&, const QString& year) {
            exportYear = year;
            return exportAnswer;
        };
    }

    ui::RtfPane& Pane(int tab = -1) {
        return *window->SSTab1->Pane(tab < 0 ? window->SSTab1->CurrentTab() : tab);
    }
    QString PaneText(int tab = -1) { return Pane(tab).PlainText(); }
    // Selects characters [from, from + length) of the visible pane.
    void Select(int from, int length) {
        QTextCursor c(Pane().document());
        c.setPosition(from);
        c.setPosition(from + length, QTextCursor::KeepAnchor);
        Pane().setTextCursor(c);
    }
    QString Selected() { return Pane().textCursor().selectedText(); }
    int SelectionStart() { return Pane().textCursor().selectionStart(); }
    // Where `word` occurs in the visible view, letter case not matched.
    std::vector<int> Occurrences(const QString& word) {
        std::vector<int> at;
        const QString text = PaneText();
        for (qsizetype i = text.indexOf(word, 0, Qt::CaseInsensitive); i >= 0;
             i = text.indexOf(word, i + 1, Qt::CaseInsensitive))
            at.push_back(static_cast<int>(i));
        return at;
    }
};

}  // namespace veltrin::test
