#include "app/MainMenu.h"
#include "support/QtPrinting.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace pathwick;

// Two entries with one shortcut make both dead (Qt treats the key as ambiguous), and an entry
// without its handle would crash the first time the window used it.
TEST(MainMenu, EveryEntryHasItsHandleAndNoShortcutIsShared) {
    QMenuBar bar;
    const MainMenu menu = buildMainMenu(&bar);
    QHash<QKeySequence, QString> owners;
    for (QAction* action : menu.all) {
        if (action->shortcut().isEmpty())
            continue;
        EXPECT_FALSE(owners.contains(action->shortcut()))
            << action->objectName().toStdString() << " and "
            << owners.value(action->shortcut()).toStdString();
        owners.insert(action->shortcut(), action->objectName());
    }
    const QList<QObject*> handles = {menu.menu,
                                     menu.settings,
                                     menu.closeExplorer,
                                     menu.openDirs,
                                     menu.displayDrive,
                                     menu.importExportData,
                                     menu.importData,
                                     menu.exportData,
                                     menu.loadLampwatch,
                                     menu.exitApp,
                                     menu.hiddenMenuList,
                                     menu.taskManager,
                                     menu.toDoList,
                                     menu.testCode,
                                     menu.hotKeys.importKeys,
                                     menu.hotKeys.exportKeys,
                                     menu.hotKeys.onOff,
                                     menu.hotKeys.settings,
                                     menu.help.menu,
                                     menu.help.helpFile,
                                     menu.help.helpPath,
                                     menu.help.about,
                                     menu.shutdown.menu,
                                     menu.shutdown.options,
                                     menu.shutdown.abort,
                                     menu.shutdown.timeString,
                                     menu.shutdown.help,
                                     menu.shutdown.display};
    for (QObject* handle : handles)
        EXPECT_NE(handle, nullptr);
    EXPECT_EQ(menu.driveDisplayList.size(), 1);
    EXPECT_EQ(menu.shutdown.times.size(), 9);
}
