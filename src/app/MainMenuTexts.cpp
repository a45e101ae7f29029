#include "app/MainMenuTexts.h"

namespace pathwick {

namespace {

constexpr auto Sub = MenuItemKind::SubMenu;
constexpr auto Item = MenuItemKind::Entry;
constexpr auto Bar = MenuItemKind::Separator;

} // namespace

const QList<MainMenuEntry>& mainMenuTable() {
    // name, parent, kind, caption, shortcut, checkable, checked, enabled
    static const QList<MainMenuEntry> table = {
        {"menu_Menu", nullptr, Sub, "&Menu", "", false, false, true},
        {"menu_Settings", "menu_Menu", Item, "&Settings for directory list", "Ctrl+S", false, false,
         true},
        {"menu_CloseExplorer", "menu_Menu", Item, "&Close all directories", "Shift+Ctrl+F12", false,
         false, true},
        {"menu_OpenDirs", "menu_Menu", Item, "&Open Directories", "Ctrl+O", false, false, true},
        {"menu_DislpayDrive", "menu_Menu", Sub, "Display &drive...", "", false, false, true},
        {"menu_DriveDisplayList", "menu_DislpayDrive", Item, "&All", "Ctrl+A", true, true, true},
        {"menu_ImportExportData", "menu_Menu", Sub, "&File...", "", false, false, true},
        {"menu_ImportData", "menu_ImportExportData", Item, "&Import Pathwick file (Load list)",
         "Ctrl+I", false, false, true},
        {"menu_ExportData", "menu_ImportExportData", Item, "&Export Pathwick file (Save list)",
         "Ctrl+E", false, false, true},
        {"menu_Bar01", "menu_ImportExportData", Bar, "-", "", false, false, true},
        {"menu_ImportHotKeys", "menu_ImportExportData", Item, "Import Hot Keys (&Load keys)", "",
         false, false, false},
        {"menu_ExportHotKeys", "menu_ImportExportData", Item, "Expory Hot Keys (&Save keys)", "",
         false, false, false},
        {"menu_HotKeysOnOff", "menu_Menu", Item, "&Global hot keys is / is not running", "", true,
         true, false},
        {"menu_HotKeys", "menu_Menu", Item, "Global hot &key settings", "Ctrl+K", false, false,
         false},
        {"menu_LoadLampwatch", "menu_Menu", Item, "&Run Lampwatch", "Ctrl+R", false, false, false},
        {"menu_ExitApp", "menu_Menu", Item, "E&xit", "Ctrl+Q", false, false, true},

        {"menu_Help", nullptr, Sub, "&Help", "", false, false, true},
        {"menu_HelpInfo", "menu_Help", Item, "&Help file", "Ctrl+H", false, false, false},
        {"menu_HelpInfoPath", "menu_Help", Bar, "-", "", false, false, false},
        {"menu_About", "menu_Help", Item, "&About", "F1", false, false, false},

        {"menu_Shutdown", nullptr, Sub, "&Shutdown", "", false, false, true},
        {"menu_ShutdownOptions", "menu_Shutdown", Item, "Shutdown &options", "Shift+Ins", false,
         false, false},
        {"menu_ShutdownAbort", "menu_Shutdown", Item, "Shutdown &abort", "Shift+Del", false, false,
         false},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &1 hour", "Shift+F1", false,
         false, false},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &2 hours", "Shift+F2", false,
         false, false},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &3 hours", "Shift+F3", false,
         false, false},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &4 hours", "Shift+F4", false,
         false, false},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &6 hours", "Shift+F6", false,
         false, false},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in &8 hours", "Shift+F8", false,
         false, false},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in 10 hours", "", false, false,
         false},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shutdown in 12 hours", "", false, false,
         false},
        {"menu_ShutdownTime", "menu_Shutdown", Item, "Shut&down in ??? hours", "Ctrl+U", false,
         false, false},
        {"menu_ShutdownTimeString", "menu_Shutdown", Item, "Shutdown a&t [Select time]", "Ctrl+T",
         false, false, false},
        {"menu_ShutdownHelp", "menu_Shutdown", Item, "Shutdown &Help", "", false, false, false},

        {"menu_ShutdownDISPLAY", nullptr, Item, "Shutdown timer is off", "", false, false, false},

        {"menu_HiddenMenuList", nullptr, Sub, ".&?.", "", false, false, true},
        {"menuHidden_TaskManager", "menu_HiddenMenuList", Item, "&Task Manager", "", false, false,
         false},
        {"menuHidden_ToDoList", "menu_HiddenMenuList", Item, "To do &list", "", false, false,
         false},
        {"menuHidden_X", "menu_HiddenMenuList", Item, "Test &code", "", false, false, false},
    };
    return table;
}

} // namespace pathwick
