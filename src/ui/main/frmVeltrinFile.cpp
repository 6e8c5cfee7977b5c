// The "Файл" menu: saving, copying, printing and finding in the visible view, and the pop-up
// menus of the panes and the calendar grids.

#include <QAction>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QTabBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <ctime>

#include "reckoning/Names.h"
#include "reports/CalendarEvents.h"
#include "reports/CalendarSystem.h"
#include "reports/Icalendar.h"
#include "ui/dialogs/frmFind.h"
#include "ui/main/CellGrid.h"
#include "ui/main/PaneText.h"
#include "ui/main/ReportTabs.h"
#include "ui/main/RtfPane.h"
#include "ui/main/RtfWriter.h"
#include "ui/main/WholeFile.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::ui {

namespace {

QByteArray Bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

void PutOnClipboard(const std::string& rtf, const QString& html, const QString& text) {
    auto* mime = new QMimeData;
    mime->setData("text/rtf", Bytes(rtf));
    mime->setData("application/rtf", Bytes(rtf));
    mime->setHtml(WithPlainHyphens(html));
    mime->setText(WithPlainHyphens(text));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(mime);
}

}  // namespace

void frmVeltrin::ConnectCommands() {
    connect(menu.mnuFile, &QMenu::aboutToShow, this, &frmVeltrin::TestmnuFile);
    connect(menu.mnuSaveAS, &QAction::triggered, this, &frmVeltrin::mnuSaveAS_Click);
    connect(menu.mnuExport, &QAction::triggered, this, &frmVeltrin::mnuExport_Click);
    connect(menu.mnuCopy, &QAction::triggered, this, &frmVeltrin::mnuCopy_Click);
    connect(menu.mnuCopyAll, &QAction::triggered, this, &frmVeltrin::mnuCopyAll_Click);
    connect(menu.mnuPrint, &QAction::triggered, this, &frmVeltrin::mnuPrint_Click);
    connect(menu.mnuFind, &QAction::triggered, this, &frmVeltrin::mnuFind_Click);
    connect(menu.mnuFindSelText, &QAction::triggered, this, &frmVeltrin::mnuFindSelText_Click);
    connect(menu.mnuFont, &QAction::triggered, this, &frmVeltrin::mnuFont_Click);
    connect(menu.mnuIndiction, &QAction::triggered, this, &frmVeltrin::mnuIndiction_Click);
    connect(menu.mnuAllStyles, &QAction::triggered, this, &frmVeltrin::mnuAllStyles_Click);
    connect(menu.mnuFasting, &QAction::triggered, this, &frmVeltrin::mnuFasting_Click);
    connect(menu.mnuReadings, &QAction::triggered, this, &frmVeltrin::mnuReadings_Click);
    for (int i = 0; i < 2; ++i)
        connect(menu.mnuFirstWD[i], &QAction::triggered, this, [this, i] { mnuFirstWD_Click(i); });
    connect(menu.mnuRange, &QAction::triggered, this, &frmVeltrin::mnuRange_Click);
    connect(menu.mnuHelp, &QAction::triggered, this, &frmVeltrin::mnuHelp_Click);
    connect(menu.mnuHomePage, &QAction::triggered, this, &frmVeltrin::mnuHomePage_Click);
    connect(menu.mnuAbout, &QAction::triggered, this, &frmVeltrin::mnuAbout_Click);

    for (int i = 0; i < ReportTabs::kTabs; ++i) {
        RtfPane* pane = SSTab1->Pane(i);
        connect(pane, &RtfPane::RightButtonDown, this,
                [this, i](const QPoint& at) { RichTextBox1_MouseDown(i, Qt::RightButton, at); });
        // The shortcut keys of the menu follow the selection as well, not only the opening
        // of the menu.
        connect(pane, &QTextEdit::selectionChanged, this, [this, i] {
            if (i == SSTab1->CurrentTab()) TestmnuFile();
        });
    }
    connect(SSTab1, &ReportTabs::TabChanged, this, &frmVeltrin::TestmnuFile);
    TestmnuFile();
}

frmFind* frmVeltrin::FindDialog() const {
    return find_;
}

RtfPane* frmVeltrin::VisiblePane() const {
    return SSTab1->Pane(SSTab1->CurrentTab());
}

void frmVeltrin::TestmnuFile() {
    const bool selected = VisiblePane()->textCursor().hasSelection();
    menu.mnuCopy->setEnabled(selected);
    menu.mnuFindSelText->setEnabled(selected);
}

void frmVeltrin::RichTextBox1_MouseDown(int tab, Qt::MouseButton button, const QPoint& globalPos) {
    if (button != Qt::RightButton || tab != SSTab1->CurrentTab()) return;
    TestmnuFile();
    menu.mnuFile->popup(globalPos);
}

void frmVeltrin::mnuSaveAS_Click() {
    if (!prompts.SaveFile) return;
    const auto choice = prompts.SaveFile(this, QString::fromStdString(sys_.settings.LastDir));
    if (!choice || choice->path.isEmpty()) return;
    const RtfPane* pane = VisiblePane();
    FinishSaving(choice->path, choice->filterIndex == 2 ? pane->SaveText(choice->path)
                                                        : pane->SaveRtf(choice->path));
}

void frmVeltrin::FinishSaving(const QString& path, const QString& failure) {
    if (!failure.isEmpty()) {
        // The user must not go away believing the file was saved.
        if (prompts.Message)
            prompts.Message(this, windowTitle(),
                            QString("Файл не записан: %1\n%2").arg(path, failure),
                            QMessageBox::Warning);
        return;
    }
    const qsizetype cut = path.lastIndexOf('/');
    sys_.settings.LastDir = cut < 0 ? std::string() : path.left(cut + 1).toStdString();
}

void frmVeltrin::mnuExport_Click() {
    if (!prompts.ChooseExport) return;
    const Calendar& c = sys_.calendar;
    const StyleDate& year = c.Cur();
    const QString yearName = QString("%1 год%2")
                                 .arg(year.Year)
                                 .arg(QString::fromUtf8(StyleNames[c.CurStyle - 1].data()));
    const auto choice =
        prompts.ChooseExport(this, QString::fromStdString(sys_.settings.LastDir), yearName);
    if (!choice || choice->path.isEmpty()) return;
    const Settings& s = sys_.settings;
    const EventChoice events{choice->feasts, choice->days, choice->fasts};
    const std::string text = WriteIcalendar(
        CalendarEvents(sys_.reports, c.CurStyle, year.YearFirstDay, year.YearLastDay, events,
                       {s.ShowFasting, s.ShowReadings}),
        "Велтринский календарь: " + yearName.toStdString(), IcsTimestamp(std::time(nullptr)));
    FinishSaving(choice->path, WriteWholeFile(choice->path, Bytes(text)));
}

void frmVeltrin::mnuCopy_Click() {
    const QTextCursor cursor = VisiblePane()->textCursor();
    if (!cursor.hasSelection()) return;
    const QTextDocumentFragment selection = cursor.selection();
    PutOnClipboard(WriteRtf(selection), selection.toHtml(), selection.toPlainText());
}

void frmVeltrin::mnuCopyAll_Click() {
    const RtfPane* pane = VisiblePane();
    PutOnClipboard(pane->Rtf(), pane->document()->toHtml(), pane->PlainText());
}

void frmVeltrin::mnuPrint_Click() {
    if (!prompts.ChoosePrinter) return;
    RtfPane* pane = VisiblePane();
    const QTextCursor cursor = pane->textCursor();
    const bool selected = cursor.hasSelection();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(SSTab1->Bar()->tabText(SSTab1->CurrentTab()));
    if (!prompts.ChoosePrinter(this, printer, selected)) return;
    if (selected && printer.printRange() == QPrinter::Selection) {
        QTextDocument part;
        part.setDocumentMargin(pane->document()->documentMargin());
        QTextCursor(&part).insertFragment(cursor.selection());
        part.print(&printer);
    } else {
        pane->document()->print(&printer);
    }
}

void frmVeltrin::mnuFind_Click() {
    if (!find_) find_ = new frmFind(this, prompts, [this] { return VisiblePane(); });
    const QTextCursor cursor = VisiblePane()->textCursor();
    if (cursor.hasSelection()) find_->strFind->setText(SearchTextOf(cursor));
    find_->show();
    find_->raise();
    find_->activateWindow();
}

void frmVeltrin::mnuFindSelText_Click() {
    RtfPane* pane = VisiblePane();
    pane->setFocus();
    const QTextCursor cursor = pane->textCursor();
    if (!cursor.hasSelection()) return;
    if (pane->Find(SearchTextOf(cursor), cursor.selectionEnd(), false) < 0 && prompts.Message)
        prompts.Message(this, windowTitle(), "Поиск достиг конца текста.",
                        QMessageBox::Information);
}

}  // namespace veltrin::ui
