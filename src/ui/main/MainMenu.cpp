#include "ui/main/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace veltrin::ui {

namespace {

QAction* Item(QMenu* menu, const char* caption, const QKeySequence& keys = {},
              bool checkable = false) {
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    if (!keys.isEmpty()) a->setShortcut(keys);
    a->setCheckable(checkable);
    return a;
}

}  // namespace

void MainMenu::Build(QMenuBar* bar) {
    mnuFile = bar->addMenu("&Файл");
    mnuSaveAS = Item(mnuFile, "Сохранить &как...", QKeySequence("Ctrl+S"));
    mnuExport = Item(mnuFile, "&Экспорт в календарь (iCalendar)...");
    mnuFile->addSeparator();
    mnuCopy = Item(mnuFile, "&Копировать", QKeySequence("Ctrl+C"));
    mnuCopyAll = Item(mnuFile, "Копировать &все", QKeySequence("Ctrl+A"));
    mnuFile->addSeparator();
    mnuFind = Item(mnuFile, "П&оиск...", QKeySequence("Ctrl+F"));
    mnuFindSelText = Item(mnuFile, "&Искать выделенный текст", QKeySequence("F3"));
    mnuFile->addSeparator();
    mnuPrint = Item(mnuFile, "&Печать...", QKeySequence("Ctrl+P"));
    mnuFile->addSeparator();
    mnuExit = Item(mnuFile, "В&ыход", QKeySequence("Ctrl+X"));

    mnuCalendar = bar->addMenu("&Календарь");
    mnuCal[1] = Item(mnuCalendar, "от Сотворения &Мира", QKeySequence("Ctrl+F1"), true);
    mnuCal[2] = Item(mnuCalendar, "от Р.Х. по &старому стилю", QKeySequence("Ctrl+F2"), true);
    mnuCal[3] = Item(mnuCalendar, "от Р.Х. по &новому стилю", QKeySequence("Ctrl+F3"), true);
    mnuCalendar->addSeparator();
    mnuToday = Item(mnuCalendar, "С&егодня", QKeySequence("Ctrl+F4"));

    mnuView = bar->addMenu("&Вид");
    const char* const tabs[7] = {"&День",     "&Седмица", "&Месяц",     "&Год",
                                 "&Основные", "&Выборка", "Сокр&ащения"};
    for (int i = 0; i < 7; ++i)
        mnuTab[i] = Item(mnuView, tabs[i], QKeySequence(QString("Shift+F%1").arg(i + 1)), true);

    mnuSetup = bar->addMenu("&Настройка");
    mnuFont = Item(mnuSetup, "&Шрифт...");
    mnuSetup->addSeparator();
    mnuIndiction = Item(mnuSetup, "Год &индиктиона", {}, true);
    mnuAllStyles = Item(mnuSetup, "Даты по &трем стилям", {}, true);
    mnuFasting = Item(mnuSetup, "Тр&апеза", {}, true);
    mnuReadings = Item(mnuSetup, "&Чтения дня", {}, true);
    mnuSetup->addSeparator();
    mnuFWD = mnuSetup->addMenu("&Первый день недели");
    mnuFirstWD[0] = Item(mnuFWD, "&Воскресенье", {}, true);
    mnuFirstWD[1] = Item(mnuFWD, "&Понедельник", {}, true);
    mnuSetup->addSeparator();
    mnuRange = Item(mnuSetup, "&Диапазон годов...");

    mnuInfo = bar->addMenu("&Справка");
    mnuHelp = Item(mnuInfo, "&Помощь", QKeySequence("F1"));
    mnuInfo->addSeparator();
    mnuHomePage = Item(mnuInfo, "Web &страница");
    mnuInfo->addSeparator();
    mnuAbout = Item(mnuInfo, "&О программе");
}

}  // namespace veltrin::ui
