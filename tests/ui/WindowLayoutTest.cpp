#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include "WindowFixture.h"
#include "ui/main/ReportTabs.h"
#include "ui/main/RtfPane.h"

namespace veltrin::test {
namespace {

using WindowLayout = WindowTest;

TEST_F(WindowLayout, FirstRunOpensCentredAtTheMinimumSize) {
    Open({14, 4, 2001});
    const ui::Twips tw = window->Units();
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->width(), tw.X(9600));
    EXPECT_EQ(window->height(), tw.Y(6850));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int screenTw = static_cast<int>(tw.FromX(screen.width()));
    EXPECT_EQ(window->x(), tw.X((screenTw - 9600) / 2));
    EXPECT_EQ(window->windowTitle(), "Велтринский календарь");
}

TEST_F(WindowLayout, ResizeFollowsTheEdgesAndKeepsTheMinimum) {
    Open({14, 4, 2001});
    const ui::Twips tw = window->Units();
    window->show();
    window->resize(tw.X(12000), tw.Y(8000));
    const double w = window->WidthTw(), h = window->HeightTw();
    EXPECT_EQ(window->Frame1->x(), tw.X(w - 2785));
    EXPECT_EQ(window->Frame2->x(), tw.X(w - 2785));
    EXPECT_EQ(window->Frame2->y(), tw.Y(h - 1375));
    EXPECT_EQ(window->SSTab1->width(), tw.X(w - 2960));
    EXPECT_EQ(window->SSTab1->height(), tw.Y(h - 925));
    EXPECT_EQ(window->SSTab1->Pane(kDayTab)->width(), tw.X(w - 3215));
    EXPECT_EQ(window->SSTab1->Pane(kDayTab)->height(), tw.Y(h - 1545));
    EXPECT_EQ(window->SSTab1->Pane(kSelectionTab)->height(), tw.Y(h - 2430));
    // The year, month and week lists reach down the window; the other two keep theirs.
    const int yearDrop = window->Combo1[kYearSelector]->DropDownHeight();
    EXPECT_EQ(yearDrop, static_cast<int>(h) / tw.PerPixelY() - 540 / tw.PerPixelY() - 45);
    EXPECT_EQ(window->Combo1[kStyleSelector]->DropDownHeight(), 0);
    EXPECT_EQ(window->Frame1->y(), tw.Y(-30));

    window->resize(100, 100);
    EXPECT_GE(window->WidthTw(), 9600 - 15);
    EXPECT_GE(window->HeightTw(), 6850 - 15);
    EXPECT_LT(window->Combo1[kYearSelector]->DropDownHeight(), yearDrop);
}

TEST_F(WindowLayout, StoredStatesAndPlacements) {
    Open({14, 4, 2001}, [](SettingsStore& s) {
        s.Save("WindowState", "1");
        s.Save("Left", "1500");
        s.Save("Top", "900");
    });
    const ui::Twips tw = window->Units();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(window->pos(), QPoint(tw.X(1500), tw.Y(900)));

    Open({14, 4, 2001}, [](SettingsStore& s) { s.Save("WindowState", "2"); });
    EXPECT_TRUE(window->isMaximized());

    // Far off every screen: the window comes where a first run puts it.
    Open({14, 4, 2001}, [](SettingsStore& s) {
        s.Save("WindowState", "0");
        s.Save("Left", "-90000");
        s.Save("Top", "abc");
    });
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int screenTw = static_cast<int>(tw.FromX(screen.width()));
    EXPECT_EQ(window->x(), tw.X((screenTw - 9600) / 2));
}

TEST_F(WindowLayout, StartSettingsAndTheirMends) {
    Open({14, 4, 2001}, [](SettingsStore& s) {
        s.Save("FontBold", "True");
        s.Save("FontSize", "big");
        s.Save("MinYear", "2500");
        s.Save("MaxYear", "2001");
        s.Save("Calendar", "5");
        s.Save("ShowIndiction", "tRUE");
    });
    EXPECT_FALSE(sys->settings.FontBold);
    EXPECT_EQ(sys->settings.FontSize, 10);
    EXPECT_TRUE(sys->settings.ShowIndiction);
    EXPECT_TRUE(window->menu.mnuIndiction->isChecked());
    EXPECT_EQ(Cal().MinYear[kJulian], 1900);
    EXPECT_EQ(Cal().MaxYear[kJulian], 2100);
    EXPECT_EQ(Cal().CurStyle, kJulian);
    EXPECT_TRUE(window->menu.mnuFirstWD[0]->isChecked());
}

// A settings file of random bytes, or nonsense in every key, opens with the defaults; the next
// exit writes a sound file again.
TEST_F(WindowLayout, CorruptSettingsFiles) {
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise.push_back(static_cast<char>((i * 7919 + 13) & 0xFF));
    for (const std::string& content :
         {noise, std::string("[General]\nCalendar=x\nFirstWeekday=\\\nFontName=\nFontSize=-3\n"
                             "ShowIndiction=maybe\nShowAllStyles=2e99\nMinYear=1e9\nMaxYear=-0\n"
                             "WindowState=7\nHeight=nan\nWidth=-inf\nLeft=1e38\nTop=@@\n")}) {
        {
            QFile file(SettingsFile());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(content.data(), static_cast<qint64>(content.size()));
        }
        Open({14, 4, 2001});
        EXPECT_EQ(Cal().CurStyle, kJulian);
        EXPECT_EQ(Cal().MinYear[kJulian], 1900);
        EXPECT_EQ(Cal().MaxYear[kJulian], 2100);
        EXPECT_EQ(sys->settings.FontSize, 10);
        EXPECT_EQ(sys->settings.FirstWeekday, 7);
        window->GoToExit();
        SettingsStore reread(SettingsFile());
        EXPECT_EQ(reread.Get("Calendar", ""), "2");
        EXPECT_EQ(reread.Get("MinYear", ""), "1900");
    }
}

}  // namespace
}  // namespace veltrin::test
