#include "app/Start.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSystemSemaphore>
#include <QThread>
#include <memory>

#include "app/ProgramParts.h"
#include "data/BaseFiles.h"
#include "shell/SettingsStore.h"
#include "shell/Splash.h"
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

    SettingsStore store;
    ProgramParts::Options options;
    options.dataDirectory = DefaultDataDirectory();
    options.end = [] { QCoreApplication::exit(0); };
    ProgramParts parts(store, options);

    // The splash stays at least a second, the desktop answered meanwhile.
    constexpr int kSplashMilliseconds = 1000;
    while (t0.elapsed() < kSplashMilliseconds) {
        app.processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    QApplication::restoreOverrideCursor();
    parts.Window().show();
    splash.reset();
    return app.exec();
}

}  // namespace veltrin
