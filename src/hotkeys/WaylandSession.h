#pragma once

#include <QString>

namespace pathwick::hotkeys {

// In a Wayland session the X11 key state shows no keys while a native Wayland window has the
// focus; the hot key window and switching hot keys on say so, in these words.
bool isWaylandSession();
QString waylandNotice();

} // namespace pathwick::hotkeys
