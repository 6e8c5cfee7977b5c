// The "Настройка" and "Справка" menus: the report font, the indiction line, the dates in the
// three styles, the first day of the week, the year range, the help pages, the home page and
// the About window.

#include <QAction>
#include <QGuiApplication>
#include <QUrl>
#include <cmath>

#include "reckoning/Calculate.h"
#include "reckoning/Paschalion.h"
#include "reports/CalendarSystem.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmRange.h"
#include "ui/main/frmVeltrin.h"

namespace veltrin::ui {

QString HelpIndexPath(const QString& programDir) {
    QString path = programDir;
    if (!path.endsWith('/')) path += '/';
    return path + "Help/Index.html";
}

frmRange* frmVeltrin::RangeDialog() const {
    return range_;
}

frmAbout* frmVeltrin::AboutDialog() const {
    return about_;
}

void frmVeltrin::mnuFont_Click() {
    if (!prompts.ChooseFont) return;
    Settings& settings = sys_.settings;
    QFont initial = settings.FontName == "System"
                        ? QGuiApplication::font()
                        : QFont(QString::fromStdString(settings.FontName));
    initial.setPointSize(settings.FontSize > 0 ? settings.FontSize : 10);
    const std::optional<QFont> chosen = prompts.ChooseFont(this, initial);
    if (!chosen) return;
    settings.FontName = chosen->family().toStdString();
    const double size = chosen->pointSizeF() > 0 ? chosen->pointSizeF() : chosen->pointSize();
    const double whole = std::nearbyint(size);  // a half goes to the even neighbour
    settings.FontSize = static_cast<int16_t>(whole >= 1 && whole <= 32767 ? whole : 10);
    sys_.reports.Shown.MakeAllStale();
    sys_.RefreshView();
}

void frmVeltrin::ToggleReportOption(bool& option, QAction* item) {
    option = !option;
    item->setChecked(option);
    sys_.reports.Shown.MakeAllStale();
    sys_.RefreshView();
}

void frmVeltrin::mnuIndiction_Click() {
    ToggleReportOption(sys_.settings.ShowIndiction, menu.mnuIndiction);
}

void frmVeltrin::mnuAllStyles_Click() {
    ToggleReportOption(sys_.settings.ShowAllStyles, menu.mnuAllStyles);
}

void frmVeltrin::mnuFasting_Click() {
    ToggleReportOption(sys_.settings.ShowFasting, menu.mnuFasting);
}

void frmVeltrin::mnuReadings_Click() {
    ToggleReportOption(sys_.settings.ShowReadings, menu.mnuReadings);
}

void frmVeltrin::mnuFirstWD_Click(int i) {
    menu.mnuFirstWD[1]->setChecked(i == 1);
    menu.mnuFirstWD[0]->setChecked(i != 1);
    sys_.settings.FirstWeekday = i == 1 ? 1 : 7;
    ComputeYearData(sys_.calendar);
    ComputeWeekData(sys_.calendar);
    SetWeekDaysNames();
    SetWeeks();
    SetGridCal();
    // The reports run their weeks from Sunday whatever the grid does: nothing to rebuild.
    sys_.RefreshView();
}

void frmVeltrin::mnuRange_Click() {
    if (!range_) range_ = new frmRange(*this, sys_, prompts);
    range_->show();
    range_->raise();
    range_->activateWindow();
}

void frmVeltrin::mnuHelp_Click() {
    if (prompts.OpenUrl) prompts.OpenUrl(QUrl::fromLocalFile(HelpIndexPath(ProgramDir)));
}

void frmVeltrin::mnuHomePage_Click() {
    if (prompts.OpenUrl) prompts.OpenUrl(QUrl(HomePage()));
}

void frmVeltrin::mnuAbout_Click() {
    if (!about_) about_ = new frmAbout(this, prompts);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

}  // namespace veltrin::ui
