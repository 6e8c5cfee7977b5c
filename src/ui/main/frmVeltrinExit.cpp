// The exit sequence: the settings and the window placement are stored, the temporary files go,
// and the program ends.

#include <QCloseEvent>

#include "reports/CalendarSystem.h"
#include "shell/StartSettings.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::ui {

void frmVeltrin::GoToExit() {
    if (ended_) return;
    const Calendar& c = sys_.calendar;
    SaveSettings(store_, sys_.settings, c.CurStyle, c.Range());
    const int16_t state = isMinimized()   ? kMinimisedWindow
                          : isMaximized() ? kMaximisedWindow
                                          : kNormalWindow;
    SavePlacement(store_, state, {tw_.FromX(x()), tw_.FromY(y()), WidthTw(), HeightTw()});

    DeleteTempFiles(tempFiles_);
    if (!isMinimized()) setWindowState(windowState() | Qt::WindowMinimized);

    // Unloading the window runs its unload handler, and with it this sequence once more, now
    // with the window minimised; that pass ends the program.
    if (!unloading_) {
        Form_Unload();
        return;
    }
    End();
}

void frmVeltrin::Form_Unload() {
    unloading_ = true;
    GoToExit();
}

void frmVeltrin::closeEvent(QCloseEvent* event) {
    if (!ended_) Form_Unload();
    event->accept();
}

void frmVeltrin::End() {
    ended_ = true;
    store_.Sync();
    if (end_) end_();
}

}  // namespace veltrin::ui
