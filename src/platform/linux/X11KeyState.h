#pragma once

#include "platform/KeyState.h"

#include <array>
#include <bitset>

namespace pathwick::platform {

// Key state from the X server: one XQueryKeymap round trip per look, the mouse keys through
// XQueryPointer. Which keycodes stand for each key is worked out once from the keyboard
// mapping and again after the mapping changes.
class X11KeyState : public KeyState {
public:
    bool isDown(int virtualKey) override;
    KeySnapshot snapshot(bool withMouseButtons) override;

private:
    using Keycodes = std::bitset<256>;
    void watchMappingChanges();
    void forgetMappingIfChanged();
    void learnMapping();

    std::array<Keycodes, KeySnapshot::KeyCount> keycodes_{};
    bool mappingKnown_ = false;
    bool watching_ = false;
    int xkbEventType_ = -1; // keyboard-extension events, when the server has the extension
};

} // namespace pathwick::platform
