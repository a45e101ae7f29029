#pragma once

class QAction;
class QMenu;

namespace pathwick {

// The main window's Help menu, filled once when the menu tree is built.
struct HelpMenu {
    QMenu* menu = nullptr;       // menu_Help
    QAction* helpFile = nullptr; // menu_HelpInfo
    QAction* helpPath = nullptr; // menu_HelpInfoPath, a separator unless Shift is held
    QAction* about = nullptr;    // menu_About
};

} // namespace pathwick
