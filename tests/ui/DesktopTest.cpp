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
    // Waits up to five seconds for the window manager to bring `done` about.
    template <typename Condition>
    static bool WaitUntil(Condition done) {
        for (int wait = 0; wait < 100 && !done(); ++wait)
            QTest::qWait(50);
        return done();
    }
    // Shows `w` and waits until the window manager has framed it.
    static void ShowFramed(QWidget* w) {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        ASSERT_TRUE(WaitUntil([w] { return w->frameGeometry() != w->geometry(); }));
    }
};

TEST_F(Desktop, FindDialogSitsAtTheWindowsUpperRightCorner) {
    Open({14, 4, 2001});
    ShowFramed(window);
    window->menu.mnuFind->trigger();
    ui::frmFind* find = window->FindDialog();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(find));
    const QRect main = window->frameGeometry();
    ASSERT_GT(main.height(), window->height());  // the window manager framed it
    WaitUntil([&] { return find->frameGeometry().topRight() == main.topRight(); });
    EXPECT_EQ(find->frameGeometry().top(), main.top());
    EXPECT_EQ(find->frameGeometry().right(), main.right());
}

TEST_F(Desktop, MaximiseAndRestoreAtTheMinimumKeepTheLayoutWhole) {
    Open({14, 4, 2001});
    ShowFramed(window);
    const QSize start = window->size();
    window->showMaximized();
    ASSERT_TRUE(WaitUntil([&] { return window->width() > start.width(); }));
    window->showNormal();
    EXPECT_TRUE(WaitUntil([&] { return window->size() == start; }));
    ExpectWholeLayout(*window);
}

}  // namespace
}  // namespace veltrin::test
