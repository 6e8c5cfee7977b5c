#pragma once
// A main window on the shipped data set, started as the program starts it, with a clock that
// says what day it is, a settings file of its own and an exit that only counts.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include <QAction>
#include <QPushButton>

#include "reckoning/DayNumbers.h"
#include "reckoning/UserClick.h"
#include "reports/CalendarSystem.h"
#include "shell/SettingsStore.h"
#include "shell/StartSettings.h"
#include "shell/StartTables.h"
#include "ui/main/CellGrid.h"
#include "ui/main/Selector.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::test {

// Counts the documents that reach each pane.
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
    std::unique_ptr<CalendarSystem> sys;
    std::unique_ptr<CountingWindow> window;
    TempFileTable temps;
    int ended = 0;

    QString SettingsFile() const { return dir.filePath("Settings.ini"); }

    // Starts on Gregorian `today`; `preset` writes stored settings first.
    void Open(CivilDate today, std::function<void(SettingsStore&)> preset = {}) {
        window.reset();
        sys.reset();
        store = std::make_unique<SettingsStore>(SettingsFile());
        if (preset) {
            preset(*store);
            store->Sync();
        }
        sys = std::make_unique<CalendarSystem>();
        sys->calendar.today = [today] { return today; };
        sys->LoadData(VELTRIN_DATA_DIR);
        for (size_t t = 0; t < temps.size(); ++t) {
            temps[t] = MakeTempFileName(dir.path());
            sys->reports.TempFiles[t] = temps[t];
        }
        const YearRange range = ReadStartSettings(*store, sys->settings, today.year);
        sys->SetRange(range.minYear, range.maxYear);
        window = std::make_unique<CountingWindow>(*sys, *store, temps, [this] { ++ended; });
        sys->window = window.get();
        sys->reports.panes = window.get();
        sys->Start(ReadStoredStyle(*store));
        window->SetGridCal();
        sys->RefreshView();
    }

    void TearDown() override {
        if (sys) sys->window = nullptr;
        window.reset();
    }

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
        for (int c = 1; c <= 6; ++c)
            for (int r = 0; r < 7; ++r)
                if (Cell(r, c).text == QString::number(day) &&
                    Cell(r, c).fore != Role(kAdjacentMonthTextRole))
                    return {r, c};
        return {-1, -1};
    }
};

}  // namespace veltrin::test
