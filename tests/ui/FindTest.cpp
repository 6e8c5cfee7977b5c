#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "CommandsFixture.h"
#include "ui/dialogs/frmFind.h"

namespace veltrin::test {
namespace {

using Find = CommandsTest;

TEST_F(Find, DialogStepsThroughEveryOccurrenceThenStopsAtTheEnd) {
    Open({14, 4, 2001});
    const std::vector<int> expected = Occurrences("прп.");
    ASSERT_GE(expected.size(), 3u);
    window->menu.mnuFind->trigger();
    ui::frmFind* find = window->FindDialog();
    ASSERT_NE(find, nullptr);
    EXPECT_FALSE(find->cbFind->isEnabled());
    find->strFind->setText("ПРП.");  // letter case is not matched
    ASSERT_TRUE(find->cbFind->isEnabled());

    for (int at : expected) {
        find->cbFind->click();
        EXPECT_EQ(SelectionStart(), at);
        EXPECT_EQ(Selected(), PaneText().mid(at, 4));
    }
    EXPECT_TRUE(messages.empty());
    find->cbFind->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Поиск достиг конца текста.");
    EXPECT_EQ(SelectionStart(), expected.back());  // no wrapping round

    // The caret back at the start begins again; Enter in the box searches as well.
    Select(0, 0);
    QTest::keyClick(find->strFind, Qt::Key_Return);
    EXPECT_EQ(SelectionStart(), expected.front());
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(Find, WholeWordsBlanksAndTheVisibleTab) {
    Open({14, 4, 2001});
    window->mnuFind_Click();
    ui::frmFind* find = window->FindDialog();
    find->WholeWord->setChecked(true);
    find->FindDat("поминание");  // only inside "Воспоминание"
    ASSERT_EQ(messages.size(), 1u);
    find->FindDat("Воспоминание");
    EXPECT_EQ(Selected(), "Воспоминание");
    EXPECT_EQ(messages.size(), 1u);

    find->strFind->setText("   ");
    EXPECT_FALSE(find->cbFind->isEnabled());
    QTest::keyClick(find->strFind, Qt::Key_Return);
    find->FindDat("   ");
    EXPECT_EQ(messages.size(), 1u);

    // After a change of tab the search runs in the view now shown.
    find->WholeWord->setChecked(false);
    window->mnuTab_Click(kYearTab);
    find->FindDat("31 декабря");
    EXPECT_EQ(Selected(), "31 декабря");
    EXPECT_EQ(SelectionStart(), PaneText().indexOf("31 декабря"));

    // Closing hides the dialog; it comes back with the text of its last use, or with the
    // selection of the view when there is one.
    find->cbExit->click();
    EXPECT_FALSE(find->isVisible());
    Select(0, 0);
    window->mnuFind_Click();
    EXPECT_EQ(window->FindDialog(), find);
    EXPECT_EQ(find->strFind->text(), "   ");
    const int at = static_cast<int>(PaneText().indexOf("1 января"));
    Select(at, 8);
    window->mnuFind_Click();
    EXPECT_EQ(find->strFind->text(), "1 января");
}

TEST_F(Find, SelectedTextMovesToItsNextOccurrence) {
    Open({14, 4, 2001});
    const std::vector<int> expected = Occurrences("Прп.");
    Select(expected[0], 4);
    for (size_t i = 1; i < expected.size(); ++i) {
        window->menu.mnuFindSelText->trigger();
        EXPECT_EQ(SelectionStart(), expected[i]);
    }
    EXPECT_TRUE(messages.empty());
    window->menu.mnuFindSelText->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Поиск достиг конца текста.");
    EXPECT_EQ(messages[0].title, "Велтринский календарь");
    EXPECT_EQ(SelectionStart(), expected.back());

    // Nothing selected: the item is off and the command does nothing.
    Select(0, 0);
    EXPECT_FALSE(window->menu.mnuFindSelText->isEnabled());
    window->mnuFindSelText_Click();
    EXPECT_EQ(messages.size(), 1u);
}

}  // namespace
}  // namespace veltrin::test
