#include "common/KeyboardState.h"

#include "platform/Platform.h"

namespace pathwick {

bool KeyIsDown(int keyNumber) {
    return platform::keys().isDown(keyNumber);
}

} // namespace pathwick
