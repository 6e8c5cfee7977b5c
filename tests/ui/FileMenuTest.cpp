#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "CommandsFixture.h"
#include "reports/RtfReader.h"

namespace veltrin::test {
namespace {

using FileMenu = CommandsTest;

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The text of a PDF file, or nothing when the machine has no tool to read it.
std::optional<QString> PdfText(const QString& path) {
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty()) return std::nullopt;
    QProcess p;
    p.start(tool, {"-enc", "UTF-8", path, "-"});
    if (!p.waitForFinished(20000)) return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

TEST_F(FileMenu, CopyAndFindSelectedFollowTheSelection) {
    Open({14, 4, 2001});
    window->show();
    window->TestmnuFile();
    EXPECT_FALSE(window->menu.mnuCopy->isEnabled());
    EXPECT_FALSE(window->menu.mnuFindSelText->isEnabled());
    for (QAction* a : {window->menu.mnuSaveAS, window->menu.mnuCopyAll, window->menu.mnuFind,
                       window->menu.mnuPrint, window->menu.mnuExit})
        EXPECT_TRUE(a->isEnabled());

    // A right-button press on the pane opens the file menu for what is selected now.
    Select(5, 10);
    QTest::mousePress(Pane().viewport(), Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_TRUE(window->menu.mnuFile->isVisible());
    EXPECT_TRUE(window->menu.mnuCopy->isEnabled());
    EXPECT_TRUE(window->menu.mnuFindSelText->isEnabled());
    EXPECT_EQ(Selected().size(), 10);  // the click leaves the selection alone
    window->menu.mnuFile->hide();

    // The left button only selects.
    QTest::mousePress(Pane().viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseRelease(Pane().viewport(), Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_FALSE(window->menu.mnuFile->isVisible());
    EXPECT_FALSE(window->menu.mnuCopy->isEnabled());

    // Either calendar grid opens the calendar menu.
    for (ui::CellGrid* grid : {window->MSFlexGrid1, window->MSFlexGrid2}) {
        const int day = Cal().CurDayNum;
        emit grid->MouseDown(Qt::RightButton, 1, 1);
        EXPECT_TRUE(window->menu.mnuCalendar->isVisible());
        EXPECT_EQ(Cal().CurDayNum, day);
        window->menu.mnuCalendar->hide();
    }
}

TEST_F(FileMenu, SaveAsRtfAndAsText) {
    Open({14, 4, 2001});
    const QString rtfPath = dir.filePath("day.rtf");
    saveAnswer = ui::SaveChoice{rtfPath, 1};
    window->menu.mnuSaveAS->trigger();
    const std::string& document = sys->reports.Document(kDayTab);
    EXPECT_EQ(ReadAll(rtfPath).toStdString(), document);
    EXPECT_EQ(sys->settings.LastDir, (dir.path() + "/").toStdString());

    // The text choice: the words without markup, in UTF-8, one line a paragraph.
    window->mnuTab_Click(kYearTab);
    const QString textPath = dir.filePath("sub/year.txt");
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    saveAnswer = ui::SaveChoice{textPath, 2};
    window->menu.mnuSaveAS->trigger();
    const QString text = QString::fromUtf8(ReadAll(textPath));
    const QString shown = PaneText();
    EXPECT_EQ(text, shown.endsWith('\n') ? shown : shown + '\n');
    EXPECT_TRUE(text.contains("2001 год от Р.Х. по старому стилю"));
    EXPECT_TRUE(text.contains("\n    1 января\n"));
    EXPECT_FALSE(text.contains("\\par"));
    EXPECT_FALSE(text.contains("{\\rtf"));
    EXPECT_EQ(sys->settings.LastDir, (dir.path() + "/sub/").toStdString());

    // A file that cannot be written is reported, and changes nothing; a cancelled dialog is quiet.
    EXPECT_TRUE(messages.empty());
    saveAnswer = ui::SaveChoice{dir.filePath("missing/day.rtf"), 1};
    window->menu.mnuSaveAS->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Файл не записан: " + dir.filePath("missing/day.rtf")));
    EXPECT_EQ(messages[0].icon, QMessageBox::Warning);
    saveAnswer = ui::SaveChoice{dir.path(), 2};  // a folder of that name
    window->menu.mnuSaveAS->trigger();
    EXPECT_EQ(messages.size(), 2u);
    saveAnswer.reset();
    window->menu.mnuSaveAS->trigger();
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(sys->settings.LastDir, (dir.path() + "/sub/").toStdString());

    // The folder is kept at exit.
    window->menu.mnuExit->trigger();
    SettingsStore again(SettingsFile());
    EXPECT_EQ(again.Get("LastDir", ""), (dir.path() + "/sub/").toStdString());
}

TEST_F(FileMenu, ExportTheYearToACalendarFile) {
    Open({14, 4, 2001}, [](SettingsStore& s) { s.Save("Calendar", "2"); });
    const QString path = dir.filePath("year.ics");
    window->menu.mnuExport->trigger();  // cancelled: nothing written
    EXPECT_EQ(exportYear, "2001 год от Р.Х. по старому стилю");
    EXPECT_FALSE(QFile::exists(path));

    exportAnswer = ui::ExportChoice{path, true, true, false};
    window->menu.mnuExport->trigger();
    const QString text = QString::fromUtf8(ReadAll(path));
    ASSERT_TRUE(text.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_EQ(text.count("BEGIN:VEVENT"), 18 + 365);
    // The Julian year 2001 begins on 14 January and Pascha fell on 15 April.
    EXPECT_TRUE(text.contains("UID:day-20010114@"));
    EXPECT_TRUE(
        text.contains("DTSTART;VALUE=DATE:20010415\r\nDTEND;VALUE=DATE:20010416\r\n"
                      "SUMMARY:СВЕТЛОЕ ХРИСТОВО ВОСКРЕСЕНИЕ. ПАСХА"));
    EXPECT_EQ(sys->settings.LastDir, (dir.path() + "/").toStdString());
    EXPECT_TRUE(messages.empty());

    // A folder that is not there: told, not lost.
    exportAnswer->path = dir.filePath("no/such/folder/year.ics");
    window->menu.mnuExport->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("Файл не записан: " + exportAnswer->path));
}

TEST_F(FileMenu, CopySelectionWithItsFormatsAndCopyAll) {
    Open({14, 4, 2001});
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString text = PaneText();
    const qsizetype from = text.indexOf("Великая Суббота");
    ASSERT_GE(from, 0);
    Select(static_cast<int>(from), 15);
    window->menu.mnuCopy->trigger();
    const QMimeData* mime = clipboard->mimeData();
    ASSERT_NE(mime, nullptr);
    for (const char* format : {"text/rtf", "application/rtf", "text/html", "text/plain"})
        EXPECT_TRUE(mime->hasFormat(format)) << format;
    EXPECT_EQ(mime->text(), "Великая Суббота");
    EXPECT_EQ(mime->data("text/rtf"), mime->data("application/rtf"));
    const RtfDocument copied = ParseRtf(mime->data("text/rtf").toStdString());
    EXPECT_EQ(copied.PlainText(), "Великая Суббота\n");
    // The selection keeps the look it has in the pane.
    const QTextCharFormat shown = Pane().textCursor().charFormat();
    ASSERT_FALSE(copied.paragraphs.empty());
    ASSERT_FALSE(copied.paragraphs[0].runs.empty());
    const RtfRun& run = copied.paragraphs[0].runs[0];
    EXPECT_EQ(run.halfPoints, qRound(shown.font().pointSizeF() * 2));
    EXPECT_EQ(run.bold, shown.font().bold());
    ASSERT_TRUE(run.color.has_value());
    EXPECT_EQ(QColor(run.color->red, run.color->green, run.color->blue),
              shown.foreground().color());
    EXPECT_TRUE(mime->html().contains("Великая Суббота"));

    window->menu.mnuCopyAll->trigger();
    mime = clipboard->mimeData();
    EXPECT_EQ(mime->data("text/rtf").toStdString(), sys->reports.Document(kDayTab));
    EXPECT_EQ(mime->text(), text);

    // Nothing selected: the command does not run, even when called past the menu.
    Select(0, 0);
    window->mnuCopy_Click();
    EXPECT_EQ(clipboard->mimeData()->text(), text);
}

TEST_F(FileMenu, PrintTheViewOrItsSelectionToPdf) {
    Open({14, 4, 2001});
    window->mnuTab_Click(kYearTab);
    window->menu.mnuPrint->trigger();  // cancelled
    EXPECT_TRUE(printOffered);
    EXPECT_FALSE(selectionOffered);

    pdfPath = dir.filePath("year.pdf");
    window->menu.mnuPrint->trigger();
    EXPECT_GT(QFile(pdfPath).size(), 10000);
    if (const auto text = PdfText(pdfPath)) {
        EXPECT_TRUE(text->contains("2001 год от Р.Х. по старому стилю"));
        EXPECT_TRUE(text->contains("31 декабря"));
    }

    const qsizetype from = PaneText().indexOf("1 января");
    Select(static_cast<int>(from), 8);
    pdfPath = dir.filePath("selection.pdf");
    window->menu.mnuPrint->trigger();
    EXPECT_TRUE(selectionOffered);
    EXPECT_GT(QFile(pdfPath).size(), 0);
    EXPECT_LT(QFile(pdfPath).size(), QFile(dir.filePath("year.pdf")).size());
    if (const auto text = PdfText(pdfPath)) {
        EXPECT_TRUE(text->startsWith("1 января")) << text->toStdString();
        EXPECT_FALSE(text->contains("2 января"));
    }
}

}  // namespace
}  // namespace veltrin::test
