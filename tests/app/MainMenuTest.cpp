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

// The countdown's display line is the one entry a user cannot choose; every other one, the
// hot key switch included, works from the start.
TEST(MainMenu, OnlyTheCountdownLineIsDisabled) {
    QMenuBar bar;
    const MainMenu menu = buildMainMenu(&bar);
    QStringList disabled;
    for (QAction* action : menu.all)
        if (!action->isEnabled())
            disabled << action->objectName();
    EXPECT_EQ(disabled, QStringList{"menu_ShutdownDISPLAY"});
}
