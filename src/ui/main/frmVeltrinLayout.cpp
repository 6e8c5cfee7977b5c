// The main window's placement at start and its layout when it is resized.

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>

#include "shell/StartSettings.h"
#include "ui/main/ReportTabs.h"
#include "ui/main/RtfPane.h"
#include "ui/main/Selector.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::ui {

namespace {

TwipsRect ToTwips(const QRect& r, const Twips& tw) {
    return {tw.FromX(r.x()), tw.FromY(r.y()), tw.FromX(r.width()), tw.FromY(r.height())};
}

}  // namespace

double frmVeltrin::WidthTw() const {
    return tw_.FromX(width());
}
double frmVeltrin::HeightTw() const {
    return tw_.FromY(height());
}
void frmVeltrin::SetWidthTw(double twips) {
    resize(tw_.X(twips), height());
}
void frmVeltrin::SetHeightTw(double twips) {
    resize(width(), tw_.Y(twips));
}

void frmVeltrin::ApplyPlacement() {
    const StoredPlacement stored = ReadStoredPlacement(store_);
    TwipsRect primary;
    std::vector<TwipsRect> screens;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        primary = ToTwips(screen->geometry(), tw_);
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(ToTwips(screen->availableGeometry(), tw_));
    const WindowPlacement p = ResolvePlacement(stored, primary, screens);

    SetHeightTw(p.height);
    SetWidthTw(p.width);
    move(tw_.X(p.left), tw_.Y(p.top));
    // Last: a move or resize would make a maximised window normal again. The placement above
    // is the one it returns to.
    if (p.state == kMaximisedWindow) setWindowState(Qt::WindowMaximized);
}

void frmVeltrin::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmVeltrin::Form_Resize() {
    if (isMinimized()) return;
    if (WidthTw() >= kMinWindowWidth) {
        const double w = WidthTw();
        Frame1->move(tw_.X(w - 2785), Frame1->y());
        Frame2->move(tw_.X(w - 2785), Frame2->y());
        SSTab1->resize(tw_.X(w - 2960), SSTab1->height());
    } else {
        SetWidthTw(kMinWindowWidth);
    }
    if (HeightTw() >= kMinWindowHeight) {
        const double h = HeightTw();
        Frame2->move(Frame2->x(), tw_.Y(h - 1375));
        SSTab1->resize(SSTab1->width(), tw_.Y(h - 925));
    } else {
        SetHeightTw(kMinWindowHeight);
    }
    const double w = WidthTw(), h = HeightTw();
    for (int i = 0; i < ReportTabs::kTabs; ++i) {
        RtfPane* pane = SSTab1->Pane(i);
        pane->resize(tw_.X(w - 3215), tw_.Y(i == kSelectionTab ? h - 2430 : h - 1545));
    }
    for (int i = 1; i <= 3; ++i)
        ReSizeCombo(i);
}

void frmVeltrin::ReSizeCombo(int selector) {
    // The list opens downward and ends 45 pixels above the window's height, as measured in the
    // selector's coordinates.
    const int k = tw_.PerPixelY();
    const int topTw = static_cast<int>(tw_.FromY(Combo1[selector]->y()));
    const int h = static_cast<int>(HeightTw()) / k - topTw / k - 45;
    Combo1[selector]->SetDropDownHeight(h);
}

}  // namespace veltrin::ui
