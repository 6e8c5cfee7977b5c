// How quickly the main window answers: the start to the shown window with its first report painted
// (without the one-second wait for the splash), a click on a day of the month grid with the Day
// tab shown to the new day painted in its pane, and the switch to the Year tab to the year's report
// painted. Run it without a display: QT_QPA_PLATFORM=offscreen build/veltrin-window-bench [runs]

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "reckoning/UserClick.h"
#include "reports/CalendarSystem.h"
#include "shell/SettingsStore.h"
#include "shell/StartSettings.h"
#include "shell/TempFiles.h"
#include "ui/main/CellGrid.h"
#include "ui/main/ReportTabs.h"
#include "ui/main/RtfPane.h"
#include "ui/main/frmVeltrin.h"

namespace {

using namespace veltrin;

// Notes each paint of the widgets it watches.
class PaintWatch : public QObject {
  public:
    int paints = 0;
    void Watch(QWidget* w) { w->installEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Pumps events until `w` has been painted; the paint is done when the event it came with has
// been handled, so the time is taken after the pump that delivered it.
void WaitForPaint(QWidget* w, QElapsedTimer& deadline) {
    PaintWatch watch;
    watch.Watch(w);
    while (watch.paints == 0 && deadline.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::AllEvents);
    QApplication::processEvents(QEventLoop::AllEvents);
}

// A main window started as the program starts it, on the built data set, with settings and
// temporary files in a scratch directory.
struct Window {
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<CalendarSystem> sys;
    std::unique_ptr<ui::frmVeltrin> window;
    TempFileTable temps;

    void Start() {
        store = std::make_unique<SettingsStore>(dir.filePath("Settings.conf"));
        sys = std::make_unique<CalendarSystem>();
        sys->LoadData(VELTRIN_DATA_DIR);
        for (size_t t = 0; t < temps.size(); ++t) {
            temps[t] = MakeTempFileName(dir.path());
            sys->reports.TempFiles[t] = temps[t];
        }
        const YearRange range = ReadStartSettings(*store, sys->settings, SystemToday().year);
        sys->SetRange(range.minYear, range.maxYear);
        window = std::make_unique<ui::frmVeltrin>(*sys, *store, temps, [] {});
        sys->window = window.get();
        sys->reports.panes = window.get();
        sys->Start(ReadStoredStyle(*store));
        window->SetGridCal();
        sys->RefreshView();
        window->show();
    }

    ~Window() {
        if (sys) sys->window = nullptr;
        window.reset();
    }

    QWidget* PaneView(int tab) const { return window->SSTab1->Pane(tab)->viewport(); }
};

// Where day `day` of the shown month is in the month grid: its first cell, since the greyed days
// of the month before end the month and those of the month after follow it.
QPoint CellOfDay(ui::frmVeltrin& w, int day) {
    ui::CellGrid& grid = *w.MSFlexGrid1;
    const QString text = QString::number(day);
    for (int c = 1; c < grid.Columns(); ++c)
        for (int r = 0; r < grid.Rows(); ++r)
            if (grid.At(r, c).text == text) return grid.CellRect(r, c).center();
    return {};
}

void Press(QWidget* w, QPoint at) {
    const QPointF local(at), global(w->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

struct Figures {
    std::vector<double> ms;
    void Add(const QElapsedTimer& t) { ms.push_back(t.nsecsElapsed() / 1e6); }
    double Median() {
        std::sort(ms.begin(), ms.end());
        return ms[ms.size() / 2];
    }
    double Max() const { return *std::max_element(ms.begin(), ms.end()); }
};

void Print(const char* what, Figures& f, double target) {
    const double median = f.Median();
    std::printf("%-44s median %7.1f ms  max %7.1f ms  (%zu runs, target < %.0f ms)%s\n", what,
                median, f.Max(), f.ms.size(), target, median < target ? "" : "  OVER");
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QElapsedTimer appTimer;
    appTimer.start();
    QApplication app(argc, argv);
    const double appMs = appTimer.nsecsElapsed() / 1e6;

    // Start-up: the first start in the process pays for the fonts and the style, the later ones
    // show what is left of the program's own work.
    Figures firstStart, start;
    for (int i = 0; i <= std::min(runs, 10); ++i) {
        QElapsedTimer t;
        t.start();
        Window w;
        w.Start();
        WaitForPaint(w.PaneView(kDayTab), t);
        (i == 0 ? firstStart : start).Add(t);
    }

    Window w;
    w.Start();
    QElapsedTimer wait;
    wait.start();
    WaitForPaint(w.PaneView(kDayTab), wait);

    // A click on a day of the shown month with the Day tab shown, between two days in turn.
    Figures click;
    w.window->SSTab1->SetCurrentTab(kDayTab);
    for (int i = 0; i < runs; ++i) {
        const QPoint at = CellOfDay(*w.window, i % 2 ? 10 : 20);
        QElapsedTimer t;
        t.start();
        const int32_t before = w.sys->calendar.CurDayNum;
        Press(w.window->MSFlexGrid1, at);
        WaitForPaint(w.PaneView(kDayTab), t);
        click.Add(t);
        if (w.sys->calendar.CurDayNum == before) {
            std::fprintf(stderr, "the click on the month grid did not move the day\n");
            return 1;
        }
    }

    // The Year tab shown after the year has changed on the Day tab, so its report is built anew.
    Figures year;
    for (int i = 0; i < runs; ++i) {
        w.window->SSTab1->SetCurrentTab(kDayTab);
        if (i % 2)
            StepBack(w.sys->calendar, kYearSelector);
        else
            StepForward(w.sys->calendar, kYearSelector);
        w.sys->RefreshView();
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        w.window->SSTab1->SetCurrentTab(kYearTab);
        WaitForPaint(w.PaneView(kYearTab), t);
        year.Add(t);
    }

    std::printf("QApplication made in %.1f ms\n", appMs);
    Print("start to shown window, first in the process", firstStart, 300);
    Print("start to shown window, later starts", start, 300);
    Print("click on a day, Day tab, to new text shown", click, 30);
    Print("Year tab shown, new year, to text shown", year, 250);
    return 0;
}
