#include "app/MainMenu.h"
#include "QtPrinting.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace pathwick;

namespace {

// One entry as shown: a caption of "-" is a separator without text; state holds 'c' for
// checked and 'e' for enabled.
struct Shown {
    const char *name, *caption, *shortcut, *state;
};

} // namespace

TEST(MainMenu, TreeHasEveryEntryWithItsDesignValues) {
    const QList<std::pair<const char*, QList<Shown>>> tree = {
        {"",
         {{"menu_Menu", "&Menu", "", "e"},
          {"menu_Help", "&Help", "", "e"},
          {"menu_Shutdown", "&Shutdown", "", "e"},
          {"menu_ShutdownDISPLAY", "Shutdown timer is off", "", ""},
          {"menu_HiddenMenuList", ".&?.", "", "e"}}},
        {"menu_Menu",
         {{"menu_Settings", "&Settings for directory list", "Ctrl+S", "e"},
          {"menu_CloseExplorer", "&Close all directories", "Shift+Ctrl+F12", "e"},
          {"menu_OpenDirs", "&Open Directories", "Ctrl+O", "e"},
          {"menu_DislpayDrive", "Display &drive...", "", "e"},
          {"menu_ImportExportData", "&File...", "", "e"},
          {"menu_HotKeysOnOff", "&Global hot keys is / is not running", "", "c"},
          {"menu_HotKeys", "Global hot &key settings", "Ctrl+K", ""},
          {"menu_LoadLampwatch", "&Run Lampwatch", "Ctrl+R", ""},
          {"menu_ExitApp", "E&xit", "Ctrl+Q", "e"}}},
        {"menu_DislpayDrive", {{"menu_DriveDisplayList", "&All", "Ctrl+A", "ce"}}},
        {"menu_ImportExportData",
         {{"menu_ImportData", "&Import Pathwick file (Load list)", "Ctrl+I", "e"},
          {"menu_ExportData", "&Export Pathwick file (Save list)", "Ctrl+E", "e"},
          {"menu_Bar01", "-", "", "e"},
          {"menu_ImportHotKeys", "Import Hot Keys (&Load keys)", "", ""},
          {"menu_ExportHotKeys", "Expory Hot Keys (&Save keys)", "", ""}}},
        {"menu_Help",
         {{"menu_HelpInfo", "&Help file", "Ctrl+H", ""},
          {"menu_HelpInfoPath", "-", "", ""},
          {"menu_About", "&About", "F1", ""}}},
        {"menu_Shutdown",
         {{"menu_ShutdownOptions", "Shutdown &options", "Shift+Ins", ""},
          {"menu_ShutdownAbort", "Shutdown &abort", "Shift+Del", ""},
          {"menu_ShutdownTime", "Shutdown in &1 hour", "Shift+F1", ""},
          {"menu_ShutdownTime", "Shutdown in &2 hours", "Shift+F2", ""},
          {"menu_ShutdownTime", "Shutdown in &3 hours", "Shift+F3", ""},
          {"menu_ShutdownTime", "Shutdown in &4 hours", "Shift+F4", ""},
          {"menu_ShutdownTime", "Shutdown in &6 hours", "Shift+F6", ""},
          {"menu_ShutdownTime", "Shutdown in &8 hours", "Shift+F8", ""},
          {"menu_ShutdownTime", "Shutdown in 10 hours", "", ""},
          {"menu_ShutdownTime", "Shutdown in 12 hours", "", ""},
          {"menu_ShutdownTime", "Shut&down in ??? hours", "Ctrl+U", ""},
          {"menu_ShutdownTimeString", "Shutdown a&t [Select time]", "Ctrl+T", ""},
          {"menu_ShutdownHelp", "Shutdown &Help", "", ""}}},
        {"menu_HiddenMenuList",
         {{"menuHidden_TaskManager", "&Task Manager", "", ""},
          {"menuHidden_ToDoList", "To do &list", "", ""},
          {"menuHidden_X", "Test &code", "", ""}}},
    };

    QMenuBar bar;
    const MainMenu menu = buildMainMenu(&bar);
    for (const auto& [parent, expected] : tree) {
        SCOPED_TRACE(parent);
        QWidget* owner = *parent ? static_cast<QWidget*>(menu.menu(parent)) : &bar;
        ASSERT_NE(owner, nullptr);
        const QList<QAction*> actions = owner->actions();
        ASSERT_EQ(actions.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const Shown& want = expected.at(i);
            QAction* got = actions.at(i);
            SCOPED_TRACE(want.name);
            const bool separator = QString(want.caption) == "-";
            EXPECT_EQ(got->objectName(), want.name);
            EXPECT_EQ(got->isSeparator(), separator);
            EXPECT_EQ(got->text(), separator ? QString() : QString::fromUtf8(want.caption));
            EXPECT_EQ(got->shortcut(), QKeySequence(QString::fromLatin1(want.shortcut)));
            EXPECT_EQ(got->isChecked(), QString(want.state).contains('c'));
            EXPECT_EQ(got->isEnabled(), QString(want.state).contains('e'));
            // Every entry is found by its name; a sub-menu shares it with its entry.
            EXPECT_TRUE(menu.entries.value(want.name).contains(got));
            EXPECT_EQ(menu.menu(want.name), got->menu());
        }
    }
    EXPECT_TRUE(menu.entry("menu_DriveDisplayList")->isCheckable());
    EXPECT_EQ(menu.entries.value("menu_ShutdownTime").size(), 9);
    EXPECT_EQ(menu.entry("no_such_entry"), nullptr);
}
