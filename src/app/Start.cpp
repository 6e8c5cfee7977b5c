#include "shell/Start.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSystemSemaphore>
#include <QThread>
#include <memory>

#include "data/BaseFiles.h"
#include "reckoning/Calendar.h"
#include "reports/CalendarSystem.h"
#include "shell/SettingsStore.h"
#include "shell/Splash.h"
#include "shell/StartSettings.h"
#include "shell/TempFiles.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin {

int Main(QApplication& app) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto splash = std::make_unique<frmSplash>();
    splash->Form_Load(QCoreApplication::applicationDirPath());
    // Let the desktop draw the picture before the work begins.
    if (splash->HasPicture()) app.processEvents();
    QElapsedTimer t0;
    t0.start();
    // A name the whole system sees while the program runs; a second copy opens the same one
    // and runs as well.
    QSystemSemaphore running("QELDRAX", 1, QSystemSemaphore::Open);

    CalendarSystem sys;
    const std::filesystem::path dataDirectory = DefaultDataDirectory();
    sys.bases.BaseFiles = MakeBaseFiles(dataDirectory);
    const TempFileTable tempFiles = MakeTempFiles();
    for (size_t t = 0; t < tempFiles.size(); ++t)
        sys.reports.TempFiles[t] = tempFiles[t];
    sys.LoadData(dataDirectory);

    SettingsStore store;
    const CivilDate today = SystemToday();
    const YearRange range = ReadStartSettings(store, sys.settings, today.year);
    sys.SetRange(range.minYear, range.maxYear);

    ui::frmVeltrin window(sys, store, tempFiles, [&] { QCoreApplication::exit(0); });
    sys.window = &window;
    sys.reports.panes = &window;
    // The window initialises itself when the calendar first refers to it.
    sys.Start(ReadStoredStyle(store));
    window.SetGridCal();
    sys.RefreshView();

    while (t0.elapsed() < 1000) {
        app.processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    QApplication::restoreOverrideCursor();
    window.show();
    splash.reset();
    const int code = app.exec();
    sys.window = nullptr;
    DeleteTempFiles(tempFiles);
    return code;
}

}  // namespace veltrin
