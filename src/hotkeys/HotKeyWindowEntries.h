#pragma once

#include "hotkeys/HotKeyMenu.h"
#include "hotkeys/HotKeyWindow.h"

class QWidget;

namespace pathwick::hotkeys {

// Connects the main window's "Global hot &key settings", "Expory Hot Keys (&Save keys)" and
// "Import Hot Keys (&Load keys)" entries. The hot key window is made anew for each showing
// (so it starts from its design state), modal and owned by owner.
void connectHotKeyWindowEntries(const HotKeyMenu& menu, QWidget* owner, HotKeyWindowHooks hooks);

} // namespace pathwick::hotkeys
