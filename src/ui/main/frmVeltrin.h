#pragma once
// The main window "Велтринский календарь": the report tabs on the left, the calendar controls on
// the right (five selectors with their step arrows, the month grid, the dates in the three year
// styles, "Сегодня"), the close button below them, and the menu bar. It is the calendar's window
// and the place where the reports are shown.

#include <QColor>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

#include "reckoning/CalendarHost.h"
#include "reports/Reports.h"
#include "shell/TempFiles.h"
#include "ui/main/MainMenu.h"
#include "ui/main/Prompts.h"
#include "ui/main/Twips.h"
#include "ui/model/MonthPage.h"

class QFrame;
class QPushButton;

namespace veltrin {
class CalendarSystem;
class SettingsStorage;
}  // namespace veltrin

namespace veltrin::ui {

class CellGrid;
class frmAbout;
class frmFind;
class frmRange;
class ReportTabs;
class RtfPane;
class Selector;
class StepArrow;

// Where the help pages begin, for the program in `programDir`.
QString HelpIndexPath(const QString& programDir);

class frmVeltrin : public QMainWindow, public CalendarHost, public ReportPanes {
    Q_OBJECT
  public:
    // `end` finishes the process once the exit sequence is through; the settings have been
    // written to the disk by then.
    frmVeltrin(CalendarSystem& system, SettingsStorage& store, const TempFileTable& tempFiles,
               std::function<void()> end);
    ~frmVeltrin() override;

    // Runs once, the first time the calendar refers to the window.
    void Form_Initialize();
    bool Initialized() const { return initialized_; }

    // The calendar's window.
    void SetWeeks() override;
    void SetYearsMonths() override;
    void SetGridCal() override;
    void Beep() override;
    void CheckStyleMenu(int16_t style) override;
    void SetSelectorPosition(int16_t kind, int16_t position) override;

    // The report panes.
    int VisibleTab() override;
    void Publish(int tab, const std::string& document) override;
    void SetBusy(bool busy) override;

    void SetWeekDaysNames();
    void SetDatesCal();
    void GoToday();
    void ChangeStyle(int style);
    void ReSizeCombo(int selector);
    void GoToExit();

    // Event handlers.
    void Form_Resize();
    void Form_Unload();
    void Combo1_GotFocus(int i);
    void Combo1_Click(int i);
    void MSFlexGrid1_MouseDown(Qt::MouseButton button, int row, int column);
    void MSFlexGrid1_FocusMoved(int row, int column);
    void MSFlexGrid1_Activated(int row, int column);
    void MSFlexGrid2_MouseDown(Qt::MouseButton button, int row);
    void RichTextBox1_MouseDown(int tab, Qt::MouseButton button, const QPoint& globalPos);
    void SSTab1_Click(int tab, int previous);
    void mnuTab_Click(int tab);
    void mnuCal_Click(int style);
    void strFind_Change();
    void strFind_KeyDown();
    void cbFind_Click();

    // The "Файл" menu.
    void TestmnuFile();
    void mnuSaveAS_Click();
    void mnuExport_Click();
    // Tells the user of a file that was not written; remembers the folder of one that was.
    void FinishSaving(const QString& path, const QString& failure);
    void mnuCopy_Click();
    void mnuCopyAll_Click();
    void mnuPrint_Click();
    void mnuFind_Click();
    void mnuFindSelText_Click();
    // The "Настройка" and "Справка" menus.
    void mnuFont_Click();
    void mnuIndiction_Click();
    void mnuAllStyles_Click();
    void mnuFasting_Click();
    void mnuReadings_Click();
    void mnuFirstWD_Click(int i);
    void mnuRange_Click();
    void mnuHelp_Click();
    void mnuHomePage_Click();
    void mnuAbout_Click();

    // The pane of the tab that is shown.
    RtfPane* VisiblePane() const;
    // The dialogs, once they have been opened (the find dialog lives on once made).
    frmFind* FindDialog() const;
    frmRange* RangeDialog() const;
    frmAbout* AboutDialog() const;

    // The window's size and position in twips; the size is that of the window inside the frame
    // that the desktop draws, menu bar included.
    double WidthTw() const;
    double HeightTw() const;
    void SetWidthTw(double twips);
    void SetHeightTw(double twips);
    const Twips& Units() const { return tw_; }

    // Controls.
    ReportTabs* SSTab1 = nullptr;
    QFrame* Frame1 = nullptr;
    QFrame* Frame2 = nullptr;
    std::array<Selector*, 5> Combo1{};
    std::array<StepArrow*, 5> Label1{};
    std::array<StepArrow*, 5> Label2{};
    CellGrid* MSFlexGrid1 = nullptr;
    CellGrid* MSFlexGrid2 = nullptr;
    QPushButton* cbToday = nullptr;
    QPushButton* cbExit = nullptr;
    MainMenu menu;
    // The desktop's dialogs; tests answer in their place.
    Prompts prompts = Prompts::Desktop();
    // The program's own folder: the help pages are beside the program.
    QString ProgramDir;

    // The page the month grid shows.
    const MonthPage& Page() const { return page_; }
    // The list position each selector was last set to, by the user or the program: a choice
    // moves the day by the difference from its own selector's position.
    std::array<int16_t, 5> PrevListIndex{};
    bool SelectorLock = false;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void ConnectEvents();
    void ConnectCommands();
    void ApplyPlacement();
    void SetupGrids();
    void PaintMonthPage();
    // A display option of the reports: ticked or not, and every view rebuilt with it.
    void ToggleReportOption(bool& option, QAction* item);
    // The week and weekday selectors and the dates grid for the current day.
    void SetDaySelectors();
    QColor Role(int role) const;
    // Moves selector i while the selectors are locked, and remembers its position.
    void MoveSelector(int i, int position);
    void Place(QWidget* w, double left, double top, double width, double height);
    // The width of the calendar panel, and of the dates column of the dates grid, at the font.
    int PanelWidth() const;
    int DatesColumnWidth() const;
    // The smallest window that shows the calendar panel and "Закрыть" whole.
    QSize MinimumSize() const;
    // The controls of the calendar panel for a panel `width` pixels wide.
    void LayoutPanel(int width);
    static constexpr double kPanelWidthTw = 2715;  // as drawn for a small system font
    static constexpr double kMarginTw = 120;       // round the tabs and the panel
    static constexpr double kGapTw = 80;           // between the tabs and the panel
    void End();

    CalendarSystem& sys_;
    SettingsStorage& store_;
    TempFileTable tempFiles_;
    std::function<void()> end_;
    Twips tw_;
    bool initialized_ = false;
    bool unloading_ = false;
    bool ended_ = false;
    int busy_ = 0;
    frmFind* find_ = nullptr;
    QPointer<frmRange> range_;
    QPointer<frmAbout> about_;
    MonthPage page_;
};

}  // namespace veltrin::ui
