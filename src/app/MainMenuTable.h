#pragma once

#include <QList>

class QAction;

namespace pathwick {

struct MainMenu;

enum class MenuItemKind { SubMenu, Entry, Separator };

// One entry of the main window's menu tree, in display order. Entries of a control array
// (menu_DriveDisplayList, menu_ShutdownTime) share their name.
struct MainMenuEntry {
    const char* name;   // object name of the entry (and of its sub-menu)
    const char* parent; // the sub-menu it belongs to; nullptr for the menu bar
    MenuItemKind kind;
    const char* caption;  // "&" marks the access key
    const char* shortcut; // portable key sequence text, "" for none
    bool checkable;
    bool checked;
    bool enabled; // false only for lines that show a state and do nothing
    // Stores the built entry in its typed handle (a sub-menu's entry carries the sub-menu).
    void (*place)(MainMenu& menu, QAction* entry);
};

const QList<MainMenuEntry>& mainMenuTable();

} // namespace pathwick
