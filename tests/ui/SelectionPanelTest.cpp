#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "WindowFixture.h"
#include "ui/main/ReportTabs.h"
#include "ui/main/RtfPane.h"

namespace veltrin::test {
namespace {

using SelectionPanel = WindowTest;

TEST_F(SelectionPanel, TypingEnterAndTheButton) {
    Open({15, 6, 2025});
    ui::ReportTabs& tabs = *window->SSTab1;
    EXPECT_FALSE(tabs.cbFind->isEnabled());
    tabs.strFind->setText("   ");
    EXPECT_FALSE(tabs.cbFind->isEnabled());
    emit tabs.strFind->returnPressed();
    EXPECT_EQ(window->published[kSelectionTab], 0);  // blanks select nothing

    tabs.strFind->setText("Серафим");
    EXPECT_TRUE(tabs.cbFind->isEnabled());
    emit tabs.strFind->returnPressed();
    EXPECT_EQ(window->published[kSelectionTab], 1);
    const QString text = tabs.Pane(kSelectionTab)->PlainText();
    EXPECT_TRUE(text.contains("Строка поиска: \"Серафим\"")) << text.toStdString();
    EXPECT_TRUE(text.contains("Саровского"));

    tabs.WholeWord->setChecked(true);
    tabs.strFind->setText("Серафи");
    tabs.cbFind->click();
    EXPECT_EQ(window->published[kSelectionTab], 2);
    EXPECT_TRUE(tabs.Pane(kSelectionTab)->toPlainText().contains("Ничего не найдено"));
}

}  // namespace
}  // namespace veltrin::test
