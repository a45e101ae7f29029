#include "app/MainMenu.h"
#include "support/QtPrinting.h"

#include <QAction>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace pathwick;

// Two entries with one shortcut make both dead: Qt treats the key as ambiguous.
TEST(MainMenu, NoShortcutIsShared) {
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
}
