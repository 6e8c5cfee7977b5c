#include <filesystem>

#include "WindowFixture.h"

namespace veltrin::test {
namespace {

class Exit : public WindowTest {
  protected:
    std::string Stored(const char* key) {
        SettingsStore again(SettingsFile());
        return again.Get(key, "<none>");
    }
};

TEST_F(Exit, MenuExitWhileMaximisedStoresMinimisedAndNoPlacement) {
    Open({14, 4, 2001}, [](SettingsStore& s) { s.Save("Calendar", "1"); });
    window->showMaximized();
    ASSERT_TRUE(window->isMaximized());
    window->menu.mnuExit->trigger();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(Stored("WindowState"), "1");
    EXPECT_EQ(Stored("Left"), "<none>");
    EXPECT_EQ(Stored("Width"), "<none>");
    EXPECT_EQ(Stored("Calendar"), "1");
    EXPECT_EQ(Stored("FirstWeekday"), "7");
    EXPECT_EQ(Stored("FontName"), "System");
    EXPECT_EQ(Stored("FontSize"), "10");
    EXPECT_EQ(Stored("FontBold"), "False");
    EXPECT_EQ(Stored("ShowAllStyles"), "False");
    EXPECT_EQ(Stored("MinYear"), "1900");
    EXPECT_EQ(Stored("MaxYear"), "2100");
    for (const auto& f : parts->TempFiles())
        EXPECT_FALSE(std::filesystem::exists(f)) << f;
    // The next run opens a normal window.
    Open({14, 4, 2001});
    EXPECT_FALSE(window->isMaximized());
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(Exit, CloseBoxWhileMaximisedStoresMaximised) {
    Open({14, 4, 2001});
    window->showMaximized();
    window->close();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(Stored("WindowState"), "2");
    EXPECT_EQ(Stored("Left"), "<none>");
    Open({14, 4, 2001});
    EXPECT_TRUE(window->isMaximized());
}

TEST_F(Exit, CloseBoxOfANormalWindowStoresItsPlacement) {
    Open({14, 4, 2001});
    const ui::Twips tw = window->Units();
    window->show();
    window->move(tw.X(1200), tw.Y(600));
    window->resize(tw.X(10500), tw.Y(7200));
    window->close();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(Stored("WindowState"), "0");
    EXPECT_EQ(Stored("Left"), "1200");
    EXPECT_EQ(Stored("Top"), "600");
    EXPECT_EQ(Stored("Width"), "10500");
    EXPECT_EQ(Stored("Height"), "7200");
    Open({14, 4, 2001});
    EXPECT_EQ(window->pos(), QPoint(tw.X(1200), tw.Y(600)));
    EXPECT_EQ(window->width(), tw.X(10500));
}

TEST_F(Exit, ButtonExitOfANormalWindowStoresItsPlacementThenMinimised) {
    Open({14, 4, 2001});
    const ui::Twips tw = window->Units();
    window->show();
    window->move(tw.X(900), tw.Y(300));
    window->cbExit->click();
    EXPECT_EQ(ended, 1);
    // The first pass stores the normal placement, the nested one the minimised state.
    EXPECT_EQ(Stored("WindowState"), "1");
    EXPECT_EQ(Stored("Left"), "900");
    Open({14, 4, 2001});
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(window->pos(), QPoint(tw.X(900), tw.Y(300)));
}

}  // namespace
}  // namespace veltrin::test
