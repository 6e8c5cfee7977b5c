// The main window's placement at start and its layout when it is resized.

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <algorithm>

#include "reckoning/Names.h"
#include "reckoning/UserClick.h"
#include "reports/Reports.h"
#include "shell/StartSettings.h"
#include "ui/main/CellGrid.h"
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
    const WindowPlacement p = ResolvePlacement(
        stored, primary, screens, {tw_.FromX(minimumWidth()), tw_.FromY(minimumHeight())});

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

int frmVeltrin::PanelWidth() const {
    // Wide enough for the longest entry of every selector and for the dates in the three
    // styles at the window's font, and never narrower than the calendar was drawn for.
    QStringList longest;
    for (int i = 0; i < 5; ++i)
        for (int row = 0; row < Combo1[i]->count(); ++row)
            longest << Combo1[i]->itemText(row);
    // The widest week name of any year, whichever year is shown now.
    longest << "38-я по Пятидесятнице";
    const int selector = Combo1[kStyleSelector]->WidthFor(longest);
    const int dates =
        MSFlexGrid2->TotalSize().width() - MSFlexGrid2->ColumnWidth(1) + DatesColumnWidth();
    const int inner = std::max({tw_.X(2175), selector, dates});
    return inner + tw_.X(kPanelWidthTw - 2175);
}

QSize frmVeltrin::MinimumSize() const {
    const int margin = tw_.X(kMarginTw);
    const int width = tw_.X(kMinWindowWidth) + PanelWidth() - tw_.X(kPanelWidthTw);
    const int controls = margin + Frame1->height() + tw_.Y(kGapTw) + Frame2->height() + margin;
    const int height = menuBar()->sizeHint().height() + controls;
    return {width, std::max(tw_.Y(kMinWindowHeight), height)};
}

int frmVeltrin::DatesColumnWidth() const {
    // The widest day, month and year of the three styles within the calendar's range.
    QStringList dates;
    for (int style = 1; style <= 3; ++style)
        for (int month = 1; month <= 12; ++month)
            dates << QString::fromStdString(Reports::DateText(style, {30, month, 7833}) + " ");
    return MSFlexGrid2->WidthFor(dates);
}

void frmVeltrin::Form_Resize() {
    if (isMinimized()) return;
    // Everything is placed from the space the window gives its controls, whatever the size: the
    // forced minimum can leave the pixels unchanged and the layout must still be whole.
    const QSize area = centralWidget()->size();
    const int margin = tw_.X(kMarginTw);
    const int gap = tw_.X(kGapTw);
    const int panel = PanelWidth();
    const int panelLeft = std::max(area.width() - margin - panel, margin + tw_.X(3000));
    LayoutPanel(panel);
    Frame1->setGeometry(panelLeft, margin, panel, Frame1->height());
    const int closeHeight = Frame2->height();
    const int bottom =
        std::max(area.height() - margin, Frame1->y() + Frame1->height() + gap + closeHeight);
    Frame2->setGeometry(panelLeft, bottom - closeHeight, panel, closeHeight);
    SSTab1->setGeometry(margin, margin, panelLeft - gap - margin, bottom - margin);

    const int bar = SSTab1->Bar()->sizeHint().height();
    const int paneWidth = SSTab1->width() - 2 * margin;
    for (int i = 0; i < ReportTabs::kTabs; ++i) {
        const int top =
            i == kSelectionTab ? SSTab1->WholeWord->geometry().bottom() + margin : bar + margin;
        SSTab1->Pane(i)->setGeometry(margin, top, paneWidth, SSTab1->height() - top - margin);
    }
    SSTab1->cbFind->move(margin + paneWidth - SSTab1->cbFind->width(), SSTab1->cbFind->y());
    SSTab1->strFind->resize(SSTab1->cbFind->x() - margin - SSTab1->strFind->x(),
                            SSTab1->strFind->height());
    for (int i = 1; i <= 3; ++i)
        ReSizeCombo(i);
}

void frmVeltrin::ReSizeCombo(int selector) {
    // The list opens downward and ends 45 pixels above the window's bottom edge.
    constexpr int kAboveBottom = 45;
    const QPoint top = Combo1[selector]->mapTo(this, QPoint(0, 0));
    Combo1[selector]->SetDropDownHeight(height() - top.y() - kAboveBottom);
}

}  // namespace veltrin::ui
