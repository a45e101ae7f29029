#pragma once

#include "help/HelpMenu.h"
#include "hotkeys/HotKeyMenu.h"
#include "shutdown/ShutdownMenu.h"

#include <QList>

class QAction;
class QMenu;
class QMenuBar;

namespace pathwick {

// The main window's menu tree as typed handles, filled once from the menu table. Every entry
// carries its table name as object name; a sub-menu and its entry in the parent share it.
// The entries of each job are grouped in that job's own struct, which its engine receives.
struct MainMenu {
    QMenu* menu = nullptr; // "&Menu"
    QAction* settings = nullptr;
    QAction* closeExplorer = nullptr;
    QAction* openDirs = nullptr;
    QMenu* displayDrive = nullptr;
    QList<QAction*> driveDisplayList; // item 0 is "&All"; one item per drive follows
    QMenu* importExportData = nullptr;
    QAction* importData = nullptr;
    QAction* exportData = nullptr;
    QAction* loadLampwatch = nullptr;
    QAction* exitApp = nullptr;

    QMenu* hiddenMenuList = nullptr; // ".&?."
    QAction* taskManager = nullptr;
    QAction* toDoList = nullptr;
    QAction* testCode = nullptr;

    HotKeyMenu hotKeys;
    HelpMenu help;
    ShutdownMenu shutdown;

    // Every entry, in table order.
    QList<QAction*> all;
};

MainMenu buildMainMenu(QMenuBar* bar);

// A caption of "-" turns the entry into a separator, as in the menu table; the separator
// carries no text, since some styles would draw it.
void setMenuCaption(QAction* action, const QString& caption);

} // namespace pathwick
