#include <gtest/gtest.h>

#include <QPrinter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "data/Cp1251.h"
#include "reports/ReportFormat.h"
#include "ui/dialogs/PrintDialog.h"
#include "ui/main/PaneText.h"
#include "ui/main/RtfPane.h"
#include "ui/main/RtfWriter.h"

namespace veltrin::ui {
namespace {

// A narrow pane with a separator line and a paragraph of hyphenated words, as a report gives
// them.
class ReportPane : public testing::Test {
  protected:
    RtfPane pane;
    const QString hyphenated =
        "Глас 2-й. Ново-Сочавского, Кирилло-Белозерского, Псково-Печерского, "
        "Спасо-Преображенского, Ново-Сочавского, Свято-Троицкого.";

    void SetUp() override {
        pane.resize(280, 400);
        pane.show();
        pane.ShowRtf(EncodeRtfCp1251(ReportHeader("System", 12) + SeparatorLine + "\\par " +
                                     hyphenated.toStdString() + "\\par - 1 - 2\\par" +
                                     std::string(Trailer)));
    }
    QTextBlock Block(int n) { return pane.document()->findBlockByNumber(n); }
};

TEST_F(ReportPane, SeparatorsAreClippedAndHyphensDoNotBreak) {
    ASSERT_TRUE(Block(0).text().startsWith(".........."));
    EXPECT_EQ(Block(0).layout()->lineCount(), 1);
    EXPECT_FALSE(pane.horizontalScrollBar()->isVisible());

    const QTextBlock words = Block(1);
    ASSERT_GT(words.layout()->lineCount(), 3);
    for (int i = 1; i < words.layout()->lineCount(); ++i) {
        const int start = words.layout()->lineAt(i).textStart();
        const QChar before = words.text().at(start - 1);
        EXPECT_TRUE(before.isSpace())
            << "line " << i << " begins after «" << QString(before).toStdString() << "»";
    }
    // A hyphen between blanks, or beside a digit with a blank, stays a plain hyphen.
    EXPECT_EQ(Block(2).text(), "- 1 - 2");
}

TEST_F(ReportPane, TextLeavesThePaneWithItsPlainHyphens) {
    EXPECT_EQ(pane.PlainText().section('\n', 1, 1), hyphenated);
    EXPECT_FALSE(WriteRtf(*pane.document()).find("\\u8209") != std::string::npos);
    EXPECT_GE(pane.Find("2-й", 0, true), 0);
    EXPECT_EQ(SearchTextOf(pane.textCursor()), "2-й");
    EXPECT_GT(pane.Find("сочавского, кирилло-белозерского", 0, false), 0);
    EXPECT_EQ(pane.Find("Ново-Соч", 0, true), -1);  // not a whole word
}

// With a selection the print dialog offers the whole report or the selection, and no pages.
TEST(PrintDialogs, PageRangeOnlyWithoutASelection) {
    for (const bool selection : {true, false}) {
        QPrinter printer;
        PrintDialog dialog(printer, selection);
        dialog.show();
        QStringList offered;
        for (const QRadioButton* choice : dialog.findChildren<QRadioButton*>())
            if (!choice->isHidden())
                if (choice->parentWidget()->objectName() == "gbPrintRange")
                    offered << choice->objectName();
        if (selection) {
            EXPECT_EQ(offered, QStringList({"printAll", "printSelection"}));
            EXPECT_EQ(printer.printRange(), QPrinter::Selection);
        } else {
            EXPECT_TRUE(offered.contains("printRange"));
            EXPECT_FALSE(offered.contains("printSelection"));
        }
        dialog.hide();
    }
}

}  // namespace
}  // namespace veltrin::ui
