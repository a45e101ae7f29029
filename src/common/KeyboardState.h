#pragma once

namespace pathwick {

// Whether the key with this Windows virtual-key number (16 Shift, 17 Ctrl, 18 Alt) is down now.
bool KeyIsDown(int keyNumber);

} // namespace pathwick
