#include "hotkeys/HotKeyWindowShown.h"

namespace pathwick::hotkeys {

namespace {
// Only the user-interface thread reads or sets it.
bool shown_ = false;
} // namespace

void setHotKeyWindowShown(bool shown) {
    shown_ = shown;
}

bool hotKeyWindowShown() {
    return shown_;
}

} // namespace pathwick::hotkeys
