#pragma once

#include "platform/linux/TypingPlan.h"

#include <X11/Xlib.h>

#include <set>
#include <vector>

namespace pathwick::platform {

// The layout the server uses now: the active group of each key, the levels reached with
// no modifier, Shift, the third-level key and both, and the keys without any symbol. Keys
// the sender bound itself for an earlier text count as spare, not as part of the layout.
KeyboardLayout readKeyboardLayout(Display* display, const std::set<unsigned int>& ownBindings);

// The keys whose being down changes what a key types or means: those on Shift, Ctrl and
// Mod1-Mod5, except the locking Num Lock key.
std::vector<unsigned int> modifierKeycodes(Display* display);

} // namespace pathwick::platform
