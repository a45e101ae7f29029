#pragma once

class QAction;

namespace pathwick {

// The main window's entries that belong to the hot key job, filled once when the menu tree
// is built; the hot key engine receives them instead of looking entries up.
struct HotKeyMenu {
    QAction* importKeys = nullptr; // menu_ImportHotKeys
    QAction* exportKeys = nullptr; // menu_ExportHotKeys
    QAction* onOff = nullptr;      // menu_HotKeysOnOff, the hot key switch
    QAction* settings = nullptr;   // menu_HotKeys
};

} // namespace pathwick
