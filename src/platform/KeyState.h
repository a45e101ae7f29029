#pragma once

#include <bitset>

namespace pathwick::platform {

// Which Windows virtual-key numbers (0-255) were down at one moment.
class KeySnapshot {
public:
    static constexpr int KeyCount = 256;
    bool isDown(int virtualKey) const {
        return virtualKey >= 0 && virtualKey < KeyCount && down_.test(size_t(virtualKey));
    }
    void setDown(int virtualKey, bool down = true) {
        if (virtualKey >= 0 && virtualKey < KeyCount)
            down_.set(size_t(virtualKey), down);
    }
    bool none() const { return down_.none(); }

private:
    std::bitset<KeyCount> down_;
};

// Physical key state by Windows virtual-key number (16 Shift, 17 Ctrl, 18 Alt: either side;
// 1-4 the mouse buttons). Answers "up" when there is no keyboard to ask.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual bool isDown(int virtualKey) = 0;
    // Every key from one look at the keyboard; the mouse buttons only when asked for, as
    // they cost a second look.
    virtual KeySnapshot snapshot(bool withMouseButtons) = 0;
};

} // namespace pathwick::platform
