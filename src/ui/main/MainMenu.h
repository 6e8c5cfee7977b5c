#pragma once
// The menu bar of the main window: the menus "Файл", "Календарь", "Вид", "Настройка" and
// "Справка" with their captions, access keys and shortcut keys. The window connects the commands.

#include <QObject>
#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace veltrin::ui {

struct MainMenu {
    // Fills `bar`.
    void Build(QMenuBar* bar);

    QMenu* mnuFile = nullptr;
    QAction* mnuSaveAS = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuCopyAll = nullptr;
    QAction* mnuFind = nullptr;
    QAction* mnuFindSelText = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuExit = nullptr;

    QMenu* mnuCalendar = nullptr;
    std::array<QAction*, 4> mnuCal{};  // 1..3, by year style
    QAction* mnuToday = nullptr;

    QMenu* mnuView = nullptr;
    std::array<QAction*, 7> mnuTab{};

    QMenu* mnuSetup = nullptr;
    QAction* mnuFont = nullptr;
    QAction* mnuIndiction = nullptr;
    QAction* mnuAllStyles = nullptr;
    QAction* mnuFasting = nullptr;
    QAction* mnuReadings = nullptr;
    QMenu* mnuFWD = nullptr;
    std::array<QAction*, 2> mnuFirstWD{};
    QAction* mnuRange = nullptr;

    QMenu* mnuInfo = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuHomePage = nullptr;
    QAction* mnuAbout = nullptr;
};

}  // namespace veltrin::ui
