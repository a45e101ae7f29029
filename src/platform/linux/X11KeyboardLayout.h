#pragma once

#include "platform/linux/TypingPlan.h"

#include <X11/Xlib.h>

#include <vector>

namespace pathwick::platform {

// The layout the server uses now: the active group of each key, the levels reached with
// no modifier, Shift, the third-level key and both, and the keys without any symbol.
KeyboardLayout readKeyboardLayout(Display* display);

// The keys whose being down changes what a key types or means: those on Shift, Ctrl and
// Mod1-Mod5, except the locking Num Lock key.
std::vector<unsigned int> modifierKeycodes(Display* display);

} // namespace pathwick::platform
