#pragma once

namespace pathwick::platform {

// Physical key state by Windows virtual-key number (16 Shift, 17 Ctrl, 18 Alt: either side;
// 1-4 the mouse buttons). Answers "up" when there is no keyboard to ask.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual bool isDown(int virtualKey) = 0;
};

} // namespace pathwick::platform
