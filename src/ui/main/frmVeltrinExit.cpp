// The exit sequence: the settings and the window placement are stored, the temporary files go,
// and the program ends.

#include <QCloseEvent>

#include "reports/CalendarSystem.h"
#include "shell/SettingsRules.h"
#include "shell/SettingsStore.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::ui {

namespace {
std::string Decimal(int value) {
    return std::to_string(value);
}
}  // namespace

void frmVeltrin::GoToExit() {
    if (ended_) return;
    const Settings& settings = sys_.settings;
    const Calendar& c = sys_.calendar;
    store_.Save("Calendar", Decimal(c.CurStyle));
    store_.Save("FirstWeekday", Decimal(settings.FirstWeekday));

    const int state = isMinimized()   ? kMinimisedWindow
                      : isMaximized() ? kMaximisedWindow
                                      : kNormalWindow;
    store_.Save("WindowState", Decimal(state));
    if (state == kNormalWindow) {
        store_.Save("Left", NumberText(tw_.FromX(x())));
        store_.Save("Top", NumberText(tw_.FromY(y())));
        store_.Save("Height", NumberText(HeightTw()));
        store_.Save("Width", NumberText(WidthTw()));
    }

    store_.Save("FontName", settings.FontName);
    store_.Save("FontSize", Decimal(settings.FontSize));
    store_.Save("FontBold", BooleanText(settings.FontBold));
    store_.Save("FontItalic", BooleanText(settings.FontItalic));
    store_.Save("ShowIndiction", BooleanText(settings.ShowIndiction));
    store_.Save("ShowAllStyles", BooleanText(settings.ShowAllStyles));
    store_.Save("LastDir", settings.LastDir);
    store_.Save("MinYear", Decimal(c.MinYear[kJulian]));
    store_.Save("MaxYear", Decimal(c.MaxYear[kJulian]));

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
