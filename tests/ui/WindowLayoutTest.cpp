#include <QAbstractItemView>
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
    EXPECT_EQ(window->size(), window->minimumSize());
    EXPECT_GE(window->width(), tw.X(9600));
    EXPECT_GE(window->height(), tw.Y(6850));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_NEAR(window->x(), (screen.width() - window->width()) / 2, 1);
    EXPECT_EQ(window->windowTitle(), "Велтринский календарь");
}

TEST_F(WindowLayout, EverySizeKeepsTheLayoutWhole) {
    Open({14, 4, 2001});
    window->show();
    ExpectWholeLayout(*window);
    window->resize(window->width() + 300, window->height() + 200);
    ExpectWholeLayout(*window);
    // Back to the minimum, and below it: the forced minimum still lays everything out.
    window->resize(window->minimumSize());
    ExpectWholeLayout(*window);
    window->resize(100, 100);
    EXPECT_EQ(window->size(), window->minimumSize());
    ExpectWholeLayout(*window);
}

TEST_F(WindowLayout, SelectorsAndDatesShowTheirTextsWhole) {
    Open({15, 9, 2026});
    for (int i = 0; i < 5; ++i) {
        ui::Selector* s = window->Combo1[i];
        QStringList texts;
        for (int row = 0; row < s->count(); ++row)
            texts << s->itemText(row);
        EXPECT_GE(s->width(), s->WidthFor(texts)) << "selector " << i;
    }
    ui::CellGrid& dates = *window->MSFlexGrid2;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 2; ++column)
            EXPECT_GE(dates.ColumnWidth(column), dates.WidthFor({dates.At(row, column).text}))
                << dates.At(row, column).text.toStdString();
    EXPECT_EQ(dates.width(), dates.TotalSize().width());
}

TEST_F(WindowLayout, ListsOpenDownToNearTheWindowsBottom) {
    Open({14, 4, 2001});
    window->show();
    window->resize(window->width(), window->height() + 150);
    for (int i : {kYearSelector, kMonthSelector, kWeekSelector}) {
        ui::Selector* s = window->Combo1[i];
        const int top = s->mapTo(window, QPoint(0, 0)).y();
        EXPECT_EQ(top + s->DropDownHeight(), window->height() - 45) << "selector " << i;
    }
    // An opened list hangs below its selector and is no taller than that.
    ui::Selector* years = window->Combo1[kYearSelector];
    years->showPopup();
    const QWidget* popup = years->view()->window();
    const QPoint below = years->mapToGlobal(QPoint(0, years->height()));
    EXPECT_EQ(popup->pos(), below);
    EXPECT_LE(popup->y() + popup->height(),
              years->mapToGlobal(QPoint(0, 0)).y() + years->DropDownHeight() + 1);
    EXPECT_GE(popup->width(), years->width());
    years->hidePopup();
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
    EXPECT_NEAR(window->x(), (screen.width() - window->width()) / 2, 1);
}

// A settings file of random bytes, or nonsense in every key, opens with the defaults; the next
// exit writes a sound file again.
TEST_F(WindowLayout, CorruptSettingsFiles) {
    std::string noise;
    for (int i = 0; i < 4096; ++i)
        noise.push_back(static_cast<char>((i * 7919 + 13) & 0xFF));
    for (const std::string& content :
         {noise,
          std::string(
              "[General]\nCalendar=x\nFirstWeekday=\\\nFontName=\nFontSize=-3\nFontBold=True\n"
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
        EXPECT_FALSE(sys->settings.FontBold);  // the calendar's own choice, never stored
        window->GoToExit();
        SettingsStore reread(SettingsFile());
        EXPECT_EQ(reread.Get("Calendar", ""), "2");
        EXPECT_EQ(reread.Get("MinYear", ""), "1900");
    }
}

}  // namespace
}  // namespace veltrin::test
