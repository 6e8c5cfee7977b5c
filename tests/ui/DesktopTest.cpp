// The window among real window frames: run on a virtual display with a window manager, skipped
// off screen.

#include <QGuiApplication>
#include <QTest>

#include "CommandsFixture.h"
#include "ui/dialogs/frmFind.h"

namespace veltrin::test {
namespace {

class Desktop : public CommandsTest {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs a window manager";
    }
    // Shows `w` and waits until the window manager has framed it.
    static void ShowFramed(QWidget* w) {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        QTest::qWait(300);
    }
};

TEST_F(Desktop, FindDialogSitsAtTheWindowsUpperRightCorner) {
    Open({14, 4, 2001});
    ShowFramed(window);
    window->menu.mnuFind->trigger();
    ui::frmFind* find = window->FindDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(find));
    QTest::qWait(300);
    const QRect main = window->frameGeometry(), dialog = find->frameGeometry();
    ASSERT_GT(main.height(), window->height());  // the window manager framed it
    EXPECT_EQ(dialog.top(), main.top());
    EXPECT_EQ(dialog.right(), main.right());
}

TEST_F(Desktop, MaximiseAndRestoreAtTheMinimumKeepTheLayoutWhole) {
    Open({14, 4, 2001});
    ShowFramed(window);
    const QSize start = window->size();
    window->showMaximized();
    QTest::qWait(300);
    window->showNormal();
    QTest::qWait(300);
    EXPECT_EQ(window->size(), start);
    const QRect area = window->centralWidget()->rect();
    const QRect close(window->cbExit->mapTo(window->centralWidget(), QPoint(0, 0)),
                      window->cbExit->size());
    EXPECT_TRUE(area.contains(close));
    EXPECT_TRUE(window->cbExit->isVisible());
    EXPECT_LE(window->SSTab1->geometry().bottom(), area.bottom());
}

}  // namespace
}  // namespace veltrin::test
