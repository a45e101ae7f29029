#pragma once

#include "platform/KeyState.h"

#include <array>
#include <bitset>
#include <unordered_map>

namespace pathwick::platform {

// Key state from the X server: one XQueryKeymap round trip per question, the mouse keys
// through XQueryPointer. Which keycodes stand for a key is worked out once from the
// keyboard mapping and again after the mapping changes.
class X11KeyState : public KeyState {
public:
    bool isDown(int virtualKey) override;

private:
    using Keycodes = std::bitset<256>;
    const Keycodes& keycodesFor(int virtualKey);
    void watchMappingChanges();
    void forgetMappingIfChanged();
    bool anyDown(const Keycodes& keycodes);

    std::unordered_map<int, Keycodes> keycodes_;
    std::array<char, 32> keymap_{};
    bool watching_ = false;
    int xkbEventType_ = -1; // keyboard-extension events, when the server has the extension
};

} // namespace pathwick::platform
