// The main window: its controls, its one-time initialisation and the calendar's calls into it.

#include "ui/main/frmVeltrin.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>

#include "data/BaseFiles.h"
#include "reckoning/UserClick.h"
#include "reports/CalendarSystem.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsRules.h"
#include "ui/main/CellGrid.h"
#include "ui/main/ReportTabs.h"
#include "ui/main/RtfPane.h"
#include "ui/main/Selector.h"
#include "ui/main/StepArrow.h"

namespace veltrin::ui {

frmVeltrin::frmVeltrin(CalendarSystem& system, SettingsStorage& store,
                       const TempFileTable& tempFiles, std::function<void()> end)
    : sys_(system), store_(store), tempFiles_(tempFiles), end_(std::move(end)) {
    setWindowTitle("Велтринский календарь");
    ProgramDir = QCoreApplication::applicationDirPath();
    tw_ = Twips(logicalDpiX(), logicalDpiY());
    // The controls are laid out for a small dialog font; the reports keep their own fonts.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    menu.Build(menuBar());
    BuildControls();
    ConnectEvents();
    setMinimumSize(tw_.X(kMinWindowWidth), tw_.Y(kMinWindowHeight));
    resize(tw_.X(kMinWindowWidth), tw_.Y(kMinWindowHeight));
}

frmVeltrin::~frmVeltrin() = default;

void frmVeltrin::Place(QWidget* w, double left, double top, double width, double height) {
    w->setGeometry(tw_.X(left), tw_.Y(top), tw_.X(width), tw_.Y(height));
}

void frmVeltrin::BuildControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);

    SSTab1 = new ReportTabs(central);
    Place(SSTab1, 120, 120, 6675, 6135);
    for (int i = 0; i < ReportTabs::kTabs; ++i) {
        if (i == kSelectionTab)
            Place(SSTab1->Pane(i), 120, 1370, 6375, 4645);
        else
            Place(SSTab1->Pane(i), 120, 480, 6375, 5535);
    }
    Place(SSTab1->strFind, 150, 600, 4335, 375);
    Place(SSTab1->cbFind, 4680, 600, 1815, 435);
    Place(SSTab1->WholeWord, 150, 1020, 1395, 315);

    Frame1 = new QFrame(central);
    Frame1->setFrameShape(QFrame::StyledPanel);
    Place(Frame1, 6875, -30, 2715, 5475);
    const char* const styles[3] = {"от Сотворения Мира", "от Р.Х. (старый стиль)",
                                   "от Р.Х. (новый стиль)"};
    for (int i = 0; i < 5; ++i) {
        const double top = 180 + 360 * i;
        Combo1[i] = new Selector(Frame1);
        Place(Combo1[i], 240, top, 2175, 315);
        Label1[i] = new StepArrow("<", Frame1);
        Place(Label1[i], 60, top, 135, 315);
        Label2[i] = new StepArrow(">", Frame1);
        Place(Label2[i], 2460, top, 135, 315);
    }
    for (const char* s : styles)
        Combo1[kStyleSelector]->addItem(QString::fromUtf8(s));

    MSFlexGrid1 = new CellGrid(7, 7, Frame1);
    MSFlexGrid1->setCursor(Qt::PointingHandCursor);
    MSFlexGrid1->SetColumnAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    MSFlexGrid1->SetKeyboardCells(1);  // the days, not the weekday names
    Place(MSFlexGrid1, 240, 2040, 2175, 1815);
    // Each day tells its first commemoration and its fasting rule when the pointer rests on it.
    MSFlexGrid1->ToolTipOf = [this](int row, int column) {
        const int32_t day = page_.At(row, column).dayNumber;
        return day == 0 ? QString() : QString::fromStdString(sys_.reports.DaySummary(day));
    };
    MSFlexGrid2 = new CellGrid(3, 2, Frame1);
    MSFlexGrid2->setCursor(Qt::PointingHandCursor);
    MSFlexGrid2->SetColumnAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    MSFlexGrid2->SetColumnAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    Place(MSFlexGrid2, 240, 3960, 2175, 795);
    cbToday = new QPushButton("Сегодня", Frame1);
    cbToday->setCursor(Qt::PointingHandCursor);
    Place(cbToday, 240, 4860, 2175, 495);

    Frame2 = new QFrame(central);
    Frame2->setFrameShape(QFrame::StyledPanel);
    Place(Frame2, 6875, 5640, 2715, 645);
    cbExit = new QPushButton("Закрыть", Frame2);
    cbExit->setCursor(Qt::PointingHandCursor);
    Place(cbExit, 240, 60, 2175, 495);
}

void frmVeltrin::ConnectEvents() {
    for (int i = 0; i < 5; ++i) {
        connect(Combo1[i], &Selector::FocusIn, this, [this, i] { Combo1_GotFocus(i); });
        connect(Combo1[i], &QComboBox::currentIndexChanged, this, [this, i] { Combo1_Click(i); });
        connect(Label1[i], &StepArrow::Step, this, [this, i] { StepBack(sys_.calendar, i); });
        connect(Label2[i], &StepArrow::Step, this, [this, i] { StepForward(sys_.calendar, i); });
    }
    connect(MSFlexGrid1, &CellGrid::MouseDown, this, &frmVeltrin::MSFlexGrid1_MouseDown);
    connect(MSFlexGrid1, &CellGrid::FocusMoved, this, &frmVeltrin::MSFlexGrid1_FocusMoved);
    connect(MSFlexGrid1, &CellGrid::Activated, this, &frmVeltrin::MSFlexGrid1_Activated);
    connect(MSFlexGrid2, &CellGrid::MouseDown, this,
            [this](Qt::MouseButton b, int row, int) { MSFlexGrid2_MouseDown(b, row); });
    connect(cbToday, &QPushButton::clicked, this, &frmVeltrin::GoToday);
    connect(menu.mnuToday, &QAction::triggered, this, &frmVeltrin::GoToday);
    connect(SSTab1, &ReportTabs::TabChanged, this, &frmVeltrin::SSTab1_Click);
    for (int i = 0; i < 7; ++i)
        connect(menu.mnuTab[i], &QAction::triggered, this, [this, i] { mnuTab_Click(i); });
    for (int s = 1; s <= 3; ++s)
        connect(menu.mnuCal[s], &QAction::triggered, this, [this, s] { mnuCal_Click(s); });
    connect(menu.mnuExit, &QAction::triggered, this, &frmVeltrin::GoToExit);
    connect(SSTab1->strFind, &QLineEdit::textChanged, this, &frmVeltrin::strFind_Change);
    connect(SSTab1->strFind, &QLineEdit::returnPressed, this, &frmVeltrin::strFind_KeyDown);
    connect(SSTab1->cbFind, &QPushButton::clicked, this, &frmVeltrin::cbFind_Click);
    connect(SSTab1->WholeWord, &QCheckBox::toggled, this,
            [this](bool on) { sys_.reports.WholeWord = on; });
    ConnectCommands();
    connect(cbExit, &QPushButton::clicked, this, &frmVeltrin::GoToExit);
}

void frmVeltrin::Form_Initialize() {
    if (initialized_) return;
    initialized_ = true;
    const Settings& settings = sys_.settings;
    SetupGrids();
    SetWeekDaysNames();

    for (int s = 1; s <= 3; ++s)
        menu.mnuCal[s]->setChecked(s == sys_.calendar.CurStyle);
    for (int t = 0; t < 7; ++t)
        menu.mnuTab[t]->setChecked(t == 0);
    menu.mnuIndiction->setChecked(settings.ShowIndiction);
    menu.mnuAllStyles->setChecked(settings.ShowAllStyles);
    menu.mnuFasting->setChecked(settings.ShowFasting);
    menu.mnuReadings->setChecked(settings.ShowReadings);
    menu.mnuFirstWD[0]->setChecked(settings.FirstWeekday == 7);
    menu.mnuFirstWD[1]->setChecked(settings.FirstWeekday != 7);
    SSTab1->cbFind->setEnabled(false);

    SetYearsMonths();
    SetWeeks();
    SSTab1->Pane(kAbbreviationsTab)->LoadFile(sys_.bases.BaseFiles[kAbbrFile].string());
    // The panel grows with the font, and the window's minimum with it; the placement needs it.
    setMinimumSize(MinimumSize());
    ApplyPlacement();
    Form_Resize();
}

void frmVeltrin::LayoutPanel(int width) {
    const int left = tw_.X(240);
    const int selector = width - tw_.X(kPanelWidthTw - 2175);
    for (int i = 0; i < 5; ++i) {
        Combo1[i]->setGeometry(left, Combo1[i]->y(), selector, Combo1[i]->height());
        Label2[i]->move(left + selector + tw_.X(45), Label2[i]->y());
    }
    MSFlexGrid1->move(left + (selector - MSFlexGrid1->width()) / 2, MSFlexGrid1->y());
    // The dates grid takes the selectors' width, or more when its dates need it.
    const int labels = MSFlexGrid2->ColumnWidth(0);
    const int border = MSFlexGrid2->TotalSize().width() - labels - MSFlexGrid2->ColumnWidth(1);
    MSFlexGrid2->SetColumnWidth(1, std::max(DatesColumnWidth(), selector - labels - border));
    MSFlexGrid2->setGeometry(QRect(QPoint(left, MSFlexGrid2->y()), MSFlexGrid2->TotalSize()));
    cbToday->setGeometry(left, cbToday->y(), selector, cbToday->height());
    cbExit->setGeometry(left, cbExit->y(), selector, cbExit->height());
}

void frmVeltrin::SetupGrids() {
    const int row = tw_.Y(255);
    MSFlexGrid1->SetBackColor(Role(kBackgroundRole));
    MSFlexGrid1->SetRowHeight(row);
    MSFlexGrid1->SetColumnWidth(0, tw_.X(345));
    for (int c = 1; c <= 6; ++c)
        MSFlexGrid1->SetColumnWidth(c, tw_.X(300));
    MSFlexGrid1->resize(MSFlexGrid1->TotalSize());

    MSFlexGrid2->SetRowHeight(row);
    const char* const labels[3] = {"от С.М.", "от Р.Х.", "от Р.Х."};
    for (int r = 0; r < 3; ++r) {
        const Rgb c = ColorOf(kBackgroundRole, r + 1);
        for (int col = 0; col < 2; ++col)
            MSFlexGrid2->At(r, col).back = QColor(c.red, c.green, c.blue);
        MSFlexGrid2->At(r, 0).text = QString::fromUtf8(labels[r]);
    }
    // The dates column is sized with the panel, to the window's font.
    MSFlexGrid2->SetColumnWidth(
        0, std::max(tw_.X(650), MSFlexGrid2->WidthFor({labels[0], labels[1]})));
}

QColor frmVeltrin::Role(int role) const {
    const Rgb c = ColorOf(static_cast<ColorRole>(role), sys_.calendar.CurStyle);
    return QColor(c.red, c.green, c.blue);
}

void frmVeltrin::Beep() {
    QApplication::beep();
}

void frmVeltrin::CheckStyleMenu(int16_t style) {
    for (int s = 1; s <= 3; ++s)
        menu.mnuCal[s]->setChecked(s == style);
}

void frmVeltrin::SetSelectorPosition(int16_t kind, int16_t position) {
    if (kind >= 0 && kind < 5) Combo1[kind]->setCurrentIndex(position);
}

int frmVeltrin::VisibleTab() {
    return SSTab1->CurrentTab();
}

void frmVeltrin::Publish(int tab, const std::string& document) {
    if (tab >= 0 && tab < ReportTabs::kTabs) SSTab1->Pane(tab)->ShowRtf(document);
}

void frmVeltrin::SetBusy(bool busy) {
    if (busy) {
        ++busy_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busy_ > 0) {
        --busy_;
        QApplication::restoreOverrideCursor();
    }
}

}  // namespace veltrin::ui
