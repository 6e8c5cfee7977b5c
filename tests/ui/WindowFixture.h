#pragma once
// A main window on the shipped data set, started as the program starts it, with a clock that
// says what day it is, a settings file of its own and an exit that only counts.

#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/ProgramParts.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/UserClick.h"
#include "reports/CalendarSystem.h"
#include "shell/SettingsStore.h"
#include "ui/main/CellGrid.h"
#include "ui/main/ReportTabs.h"
#include "ui/main/RtfPane.h"
#include "ui/main/Selector.h"
#include "ui/main/frmVeltrin.h"
#include "ui/model/Colors.h"

namespace veltrin::test {

// Counts the documents that reach each pane and the beeps.
class CountingWindow : public ui::frmVeltrin {
  public:
    using frmVeltrin::frmVeltrin;
    std::array<int, 7> published{};
    int beeps = 0;
    void Publish(int tab, const std::string& document) override {
        ++published[tab];
        frmVeltrin::Publish(tab, document);
    }
    void Beep() override { ++beeps; }
};

class WindowTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<ProgramParts> parts;
    CalendarSystem* sys = nullptr;
    CountingWindow* window = nullptr;
    int ended = 0;

    QString SettingsFile() const { return dir.filePath("Settings.ini"); }

    // Starts on Gregorian `today`; `preset` writes stored settings first.
    void Open(CivilDate today, std::function<void(SettingsStore&)> preset = {}) {
        parts.reset();
        store = std::make_unique<SettingsStore>(SettingsFile());
        if (preset) {
            preset(*store);
            store->Sync();
        }
        ProgramParts::Options o;
        o.dataDirectory = VELTRIN_DATA_DIR;
        o.tempDirectory = dir.path();
        o.today = [today] { return today; };
        o.end = [this] { ++ended; };
        o.makeWindow = [](CalendarSystem& s, SettingsStorage& st, const TempFileTable& t,
                          std::function<void()> end) -> std::unique_ptr<ui::frmVeltrin> {
            return std::make_unique<CountingWindow>(s, st, t, std::move(end));
        };
        parts = std::make_unique<ProgramParts>(*store, o);
        sys = &parts->System();
        window = static_cast<CountingWindow*>(&parts->Window());
    }

    void TearDown() override { parts.reset(); }

    Calendar& Cal() { return sys->calendar; }
    ui::CellGrid& Grid() { return *window->MSFlexGrid1; }
    const ui::CellGrid::Cell& Cell(int row, int column) { return Grid().At(row, column); }
    QColor Role(ColorRole role) {
        const Rgb c = ColorOf(role, Cal().CurStyle);
        return QColor(c.red, c.green, c.blue);
    }
    // The texts of a column of the month grid.
    std::vector<QString> Column(int column) {
        std::vector<QString> texts;
        for (int r = 0; r < 7; ++r)
            texts.push_back(Cell(r, column).text);
        return texts;
    }
    void Click(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        window->MSFlexGrid1_MouseDown(button, row, column);
    }
    // The user picks position `position` in selector i.
    void Choose(int i, int position) {
        window->Combo1_GotFocus(i);
        window->Combo1[i]->setCurrentIndex(position);
    }
    // Where day `day` of the shown month is, not greyed.
    std::pair<int, int> CellOfDay(int day) {
        int row = -1, column = -1;
        window->Page().FindDay(day, row, column);
        return {row, column};
    }
};

// Where a widget lies in the window's client area.
inline QRect InCentral(const ui::frmVeltrin& w, const QWidget* widget) {
    return QRect(widget->mapTo(w.centralWidget(), QPoint(0, 0)), widget->size());
}

// The whole layout fits the window: the panel and "Закрыть" inside it, the tabs beside the panel
// with the same margin above and below, every pane inside the tabs.
inline void ExpectWholeLayout(const ui::frmVeltrin& w) {
    const QRect area = w.centralWidget()->rect();
    const QRect tabs = InCentral(w, w.SSTab1);
    const QRect panel = InCentral(w, w.Frame1);
    const QRect close = InCentral(w, w.cbExit);
    EXPECT_TRUE(area.contains(panel)) << "panel " << panel.bottom() << " / " << area.bottom();
    EXPECT_TRUE(area.contains(close)) << "Закрыть " << close.bottom() << " / " << area.bottom();
    EXPECT_TRUE(area.contains(tabs)) << "tabs " << tabs.bottom() << " / " << area.bottom();
    EXPECT_LT(tabs.right(), panel.left());
    EXPECT_EQ(area.bottom() - tabs.bottom(), tabs.top() - area.top());
    EXPECT_EQ(tabs.left() - area.left(), tabs.top() - area.top());
    for (int i = 0; i < ui::ReportTabs::kTabs; ++i)
        EXPECT_TRUE(tabs.contains(InCentral(w, w.SSTab1->Pane(i)))) << "pane " << i;
}

}  // namespace veltrin::test
