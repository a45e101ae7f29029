#pragma once

#include <QList>

class QAction;
class QMenu;

namespace pathwick {

// The main window's entries that belong to the shutdown job, filled once when the menu tree
// is built; the shutdown engine receives them instead of looking entries up.
struct ShutdownMenu {
    QMenu* menu = nullptr;         // menu_Shutdown
    QAction* options = nullptr;    // menu_ShutdownOptions
    QAction* abort = nullptr;      // menu_ShutdownAbort
    QList<QAction*> times;         // menu_ShutdownTime(0..8)
    QAction* timeString = nullptr; // menu_ShutdownTimeString
    QAction* help = nullptr;       // menu_ShutdownHelp
    QAction* display = nullptr;    // menu_ShutdownDISPLAY, the top-level display line
};

} // namespace pathwick
