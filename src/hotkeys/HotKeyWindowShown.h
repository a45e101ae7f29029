#pragma once

namespace pathwick::hotkeys {

// Set while the hot key window is shown. The poller skips its ticks then: the user is
// choosing and testing keys there, and a test press must not fire the stored entry.
void setHotKeyWindowShown(bool shown);
bool hotKeyWindowShown();

} // namespace pathwick::hotkeys
