#include "app/MainMenuTable.h"

#include "app/MainMenu.h"

#include <QAction>
#include <QMenu>

namespace pathwick {

namespace {

constexpr auto Sub = MenuItemKind::SubMenu;
constexpr auto Item = MenuItemKind::Entry;
constexpr auto Bar = MenuItemKind::Separator;

void assign(QAction*& handle, QAction* entry) {
    handle = entry;
}
void assign(QMenu*& handle, QAction* entry) {
    handle = entry->menu<QMenu*>();
}
void assign(QList<QAction*>& handle, QAction* entry) {
    handle.append(entry);
}

template <auto Handle> void entry(MainMenu& menu, QAction* action) {
    assign(menu.*Handle, action);
}
template <auto Group, auto Handle> void entryIn(MainMenu& menu, QAction* action) {
    assign((menu.*Group).*Handle, action);
}

} // namespace

const QList<MainMenuEntry>& mainMenuTable() {
    // name, parent, kind, caption, shortcut, checkable, checked, enabled, handle
    static const QList<MainMenuEntry> table = {
        {"menu_Menu", nullptr, Sub, "&Menu", "", false, false, true, entry<&MainMenu::menu>},
        {"menu_Settings", "menu_Menu", Item, "&Settings for directory list", "Ctrl+S", false, false,
         true, entry<&MainMenu::settings>},
        {"menu_CloseExplorer", "menu_Menu", Item, "&Close all directories", "Shift+Ctrl+F12", false,
         false, true, entry<&MainMenu::closeExplorer>},
        {"menu_OpenDirs", "menu_Menu", Item, "&Open Directories", "Ctrl+O", false, false, true,
         entry<&MainMenu::openDirs>},
        {"menu_DislpayDrive", "menu_Menu", Sub, "Display &drive...", "", false, false, true,
         entry<&MainMenu::displayDrive>},
        {"menu_DriveDisplayList", "menu_DislpayDrive", Item, "&All", "Ctrl+A", true, true, true,
         entry<&MainMenu::driveDisplayList>},
        {"menu_ImportExportData", "menu_Menu", Sub, "&File...", "", false, false, true,
         entry<&MainMenu::importExportData>},
        {"menu_ImportData", "menu_ImportExportData", Item, "&Import Pathwick file (Load list)",
         "Ctrl+I", false, false, true, entry<&MainMenu::importData>},
        {"menu_ExportData", "menu_ImportExportData", Item, "&Export Pathwick file (Save list)",
         "Ctrl+E", false, false, true, entry<&MainMenu::exportData>},
        {"menu_Bar01", "menu_ImportExportData", Bar, "-", "", false, false, true, nullptr},
        {"menu_ImportHotKeys", "menu_ImportExportData", Item, "Import Hot Keys (&Load keys)", "",
         false, false, true, entryIn<&MainMenu::hotKeys, &HotKeyMenu::importKeys>},
        {"menu_ExportHotKeys", "menu_ImportExportData", Item, "Expory Hot Keys (&Save keys)", "",
         false, false, true, entryIn<&MainMenu::hotKeys, &HotKeyMenu::exportKeys>},
        {"menu_HotKeysOnOff", "menu_Menu", Item, "&Global hot keys is / is not running", "", true,
         true, true, entryIn<&MainMenu::hotKeys, &HotKeyMenu::onOff>},
        {"menu_HotKeys", "menu_Menu", Item, "Global hot &key settings", "Ctrl+K", false, false,
         true, entryIn<&MainMenu::hotKeys, &HotKeyMenu::settings>},
        {"menu_LoadLampwatch", "menu_Menu", Item, "&Run Lampwatch", "Ctrl+R", false, false, true,
         entry<&MainMenu::loadLampwatch>},
        {"menu_ExitApp", "menu_Menu", Item, "E&xit", "Ctrl+Q", false, false, true,
         entry<&MainMenu::exitApp>},
        {"menu_Help", nullptr, Sub, "&Help", "", false, false, true,
         entryIn<&MainMenu::help, &HelpMenu::menu>},
        {"menu_HelpInfo", "menu_Help", Item, "&Help file", "Ctrl+H", false, false, true,
         entryIn<&MainMenu::help, &HelpMenu::helpFile>},
        {"menu_HelpInfoPath", "menu_Help", Bar, "-", "", false, false, true,
         entryIn<&MainMenu::help, &HelpMenu::helpPath>},
        {"menu_About", "menu_Help", Item, "&About", "F1", false, false, true,
         entryIn<&MainMenu::help, &HelpMenu::about>},
        {"menu_Shutdown", nullptr, Sub, "&Shutdown", "", false, false, true,
         entryIn<&MainMenu::shutdown, &ShutdownMenu::menu>},
        {"menu_ShutdownOptions", "menu_Shutdown", Item, "Shutdown &options", "Shift+Ins", false,
         false, true, entryIn<&MainMenu::shutdown, &ShutdownMenu::options>},
        {"menu_ShutdownAbort", "menu_Shutdown", Item, "Shutdown &abort", "Shift+Del", false, false,
         true, entryIn<&MainMenu::shutdown, &ShutdownMenu::abort>},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &1 hour", "Shift+F1", false,
         false, true, entryIn<&MainMenu::shutdown, &ShutdownMenu::times>},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &2 hours", "Shift+F2", false,
         false, true, entryIn<&MainMenu::shutdown, &ShutdownMenu::times>},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &3 hours", "Shift+F3", false,
         false, true, entryIn<&MainMenu::shutdown, &ShutdownMenu::times>},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &4 hours", "Shift+F4", false,
         false, true, entryIn<&MainMenu::shutdown, &ShutdownMenu::times>},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &6 hours", "Shift+F6", false,
         false, true, entryIn<&MainMenu::shutdown, &ShutdownMenu::times>},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &8 hours", "Shift+F8", false,
         false, true, entryIn<&MainMenu::shutdown, &ShutdownMenu::times>},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in 10 hours", "", false, false,
         true, entryIn<&MainMenu::shutdown, &ShutdownMenu::times>},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in 12 hours", "", false, false,
         true, entryIn<&MainMenu::shutdown, &ShutdownMenu::times>},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shut&down in ??? hours", "Ctrl+U", false,
         false, true, entryIn<&MainMenu::shutdown, &ShutdownMenu::times>},
        {"menu_ShutdownTimeString", "menu_Shutdown", Item, "Shutdown a&t [Select time]", "Ctrl+T",
         false, false, true, entryIn<&MainMenu::shutdown, &ShutdownMenu::timeString>},
        {"menu_ShutdownHelp", "menu_Shutdown", Item, "Shutdown &Help", "", false, false, true,
         entryIn<&MainMenu::shutdown, &ShutdownMenu::help>},
        {"menu_ShutdownDISPLAY", nullptr, Item, "Shutdown timer is off", "", false, false, false,
         entryIn<&MainMenu::shutdown, &ShutdownMenu::display>},
        {"menu_HiddenMenuList", nullptr, Sub, ".&?.", "", false, false, true,
         entry<&MainMenu::hiddenMenuList>},
        {"menuHidden_TaskManager", "menu_HiddenMenuList", Item, "&Task Manager", "", false, false,
         true, entry<&MainMenu::taskManager>},
        {"menuHidden_ToDoList", "menu_HiddenMenuList", Item, "To do &list", "", false, false, true,
         entry<&MainMenu::toDoList>},
        {"menuHidden_X", "menu_HiddenMenuList", Item, "Test &code", "", false, false, true,
         entry<&MainMenu::testCode>},
    };
    return table;
}

} // namespace pathwick
