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

// A maximised window keeps no placement: the menu stores it minimised (the next run opens it
// normal), the close box maximised.
TEST_F(Exit, MaximisedWindowStoresItsStateOnly) {
    Open({14, 4, 2001}, [](SettingsStore& s) { s.Save("Calendar", "1"); });
    window->showMaximized();
    window->menu.mnuExit->trigger();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(Stored("WindowState"), "1");
    EXPECT_EQ(Stored("Left"), "<none>");
    EXPECT_EQ(Stored("Calendar"), "1");
    EXPECT_EQ(Stored("MaxYear"), "2100");
    for (const auto& f : parts->TempFiles())
        EXPECT_FALSE(std::filesystem::exists(f)) << f;
    Open({14, 4, 2001});
    EXPECT_FALSE(window->isMaximized());
    EXPECT_FALSE(window->isMinimized());

    window->showMaximized();
    window->close();
    EXPECT_EQ(Stored("WindowState"), "2");
    Open({14, 4, 2001});
    EXPECT_TRUE(window->isMaximized());
}

// A normal window stores its placement: the close box as it is, "Закрыть" then minimised.
TEST_F(Exit, NormalWindowStoresItsPlacement) {
    Open({14, 4, 2001});
    const ui::Twips tw = window->Units();
    window->show();
    window->move(tw.X(1200), tw.Y(600));
    window->resize(tw.X(10500), tw.Y(7200));
    window->close();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(Stored("WindowState"), "0");
    EXPECT_EQ(Stored("Top"), "600");
    EXPECT_EQ(Stored("Width"), "10500");
    Open({14, 4, 2001});
    EXPECT_EQ(window->pos(), QPoint(tw.X(1200), tw.Y(600)));
    EXPECT_EQ(window->width(), tw.X(10500));

    window->show();
    window->move(tw.X(900), tw.Y(300));
    window->cbExit->click();
    EXPECT_EQ(Stored("WindowState"), "1");
    EXPECT_EQ(Stored("Left"), "900");
    Open({14, 4, 2001});
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(window->pos(), QPoint(tw.X(900), tw.Y(300)));
}

}  // namespace
}  // namespace veltrin::test
