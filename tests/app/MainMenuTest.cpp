#include "app/MainMenu.h"
#include "QtPrinting.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace pathwick;

namespace {

struct Expected {
    const char* name;
    const char* caption;
    const char* shortcut;
    bool checked;
    bool enabled;
    bool separator = false;
};

void expectMenu(const QList<QAction*>& actions, const QList<Expected>& expected) {
    ASSERT_EQ(actions.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const Expected& want = expected.at(i);
        QAction* got = actions.at(i);
        SCOPED_TRACE(want.name);
        EXPECT_EQ(got->objectName(), want.name);
        EXPECT_EQ(got->text(), QString::fromUtf8(want.caption));
        EXPECT_EQ(got->shortcut(), QKeySequence(QString::fromLatin1(want.shortcut)));
        EXPECT_EQ(got->isChecked(), want.checked);
        EXPECT_EQ(got->isEnabled(), want.enabled);
        EXPECT_EQ(got->isSeparator(), want.separator);
    }
}

} // namespace

TEST(MainMenu, TreeHasEveryEntryWithItsDesignValues) {
    QMenuBar bar;
    const MainMenu menu = buildMainMenu(&bar);

    expectMenu(bar.actions(),
               {
                   {"menu_Menu", "&Menu", "", false, true},
                   {"menu_Help", "&Help", "", false, true},
                   {"menu_Shutdown", "&Shutdown", "", false, true},
                   {"menu_ShutdownDISPLAY", "Shutdown timer is off", "", false, false},
                   {"menu_HiddenMenuList", ".&?.", "", false, true},
               });

    expectMenu(menu.menu("menu_Menu")->actions(),
               {
                   {"menu_Settings", "&Settings for directory list", "Ctrl+S", false, true},
                   {"menu_CloseExplorer", "&Close all directories", "Shift+Ctrl+F12", false, true},
                   {"menu_OpenDirs", "&Open Directories", "Ctrl+O", false, true},
                   {"menu_DislpayDrive", "Display &drive...", "", false, true},
                   {"menu_ImportExportData", "&File...", "", false, true},
                   {"menu_HotKeysOnOff", "&Global hot keys is / is not running", "", true, false},
                   {"menu_HotKeys", "Global hot &key settings", "Ctrl+K", false, false},
                   {"menu_LoadLampwatch", "&Run Lampwatch", "Ctrl+R", false, false},
                   {"menu_ExitApp", "E&xit", "Ctrl+Q", false, true},
               });

    expectMenu(menu.menu("menu_DislpayDrive")->actions(),
               {{"menu_DriveDisplayList", "&All", "Ctrl+A", true, true}});
    EXPECT_TRUE(menu.entry("menu_DriveDisplayList")->isCheckable());

    expectMenu(menu.menu("menu_ImportExportData")->actions(),
               {
                   {"menu_ImportData", "&Import Pathwick file (Load list)", "Ctrl+I", false, true},
                   {"menu_ExportData", "&Export Pathwick file (Save list)", "Ctrl+E", false, true},
                   {"menu_Bar01", "", "", false, true, true},
                   {"menu_ImportHotKeys", "Import Hot Keys (&Load keys)", "", false, false},
                   {"menu_ExportHotKeys", "Expory Hot Keys (&Save keys)", "", false, false},
               });

    expectMenu(menu.menu("menu_Help")->actions(),
               {
                   {"menu_HelpInfo", "&Help file", "Ctrl+H", false, false},
                   {"menu_HelpInfoPath", "", "", false, false, true},
                   {"menu_About", "&About", "F1", false, false},
               });

    expectMenu(
        menu.menu("menu_Shutdown")->actions(),
        {
            {"menu_ShutdownOptions", "Shutdown &options", "Shift+Ins", false, false},
            {"menu_ShutdownAbort", "Shutdown &abort", "Shift+Del", false, false},
            {"menu_ShutdownTime", "Shutdown in &1 hour", "Shift+F1", false, false},
            {"menu_ShutdownTime", "Shutdown in &2 hours", "Shift+F2", false, false},
            {"menu_ShutdownTime", "Shutdown in &3 hours", "Shift+F3", false, false},
            {"menu_ShutdownTime", "Shutdown in &4 hours", "Shift+F4", false, false},
            {"menu_ShutdownTime", "Shutdown in &6 hours", "Shift+F6", false, false},
            {"menu_ShutdownTime", "Shutdown in &8 hours", "Shift+F8", false, false},
            {"menu_ShutdownTime", "Shutdown in 10 hours", "", false, false},
            {"menu_ShutdownTime", "Shutdown in 12 hours", "", false, false},
            {"menu_ShutdownTime", "Shut&down in ??? hours", "Ctrl+U", false, false},
            {"menu_ShutdownTimeString", "Shutdown a&t [Select time]", "Ctrl+T", false, false},
            {"menu_ShutdownHelp", "Shutdown &Help", "", false, false},
        });
    EXPECT_EQ(menu.entries.value("menu_ShutdownTime").size(), 9);

    expectMenu(menu.menu("menu_HiddenMenuList")->actions(),
               {
                   {"menuHidden_TaskManager", "&Task Manager", "", false, false},
                   {"menuHidden_ToDoList", "To do &list", "", false, false},
                   {"menuHidden_X", "Test &code", "", false, false},
               });
}

TEST(MainMenu, EntriesAndSubMenusAreFoundByName) {
    QMenuBar bar;
    const MainMenu menu = buildMainMenu(&bar);
    EXPECT_EQ(bar.findChild<QMenu*>("menu_DislpayDrive"), menu.menu("menu_DislpayDrive"));
    EXPECT_EQ(bar.findChild<QAction*>("menu_DislpayDrive"),
              menu.menu("menu_DislpayDrive")->menuAction());
    EXPECT_EQ(bar.findChild<QAction*>("menu_ExitApp"), menu.entry("menu_ExitApp"));
    EXPECT_EQ(bar.findChildren<QAction*>("menu_ShutdownTime"),
              menu.entries.value("menu_ShutdownTime"));
    EXPECT_EQ(menu.entry("no_such_entry"), nullptr);
    EXPECT_EQ(menu.menu("menu_ExitApp"), nullptr);
}
