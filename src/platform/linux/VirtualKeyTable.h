#pragma once

#include <vector>

namespace pathwick::platform {

// Windows virtual-key numbers in X terms.

// The X keysyms whose keys count as the given key (any of them down means the key is down);
// empty for numbers that name no key here. Letters, digits and punctuation are given by
// their unshifted symbol; 16, 17 and 18 list both sides; 3 (Ctrl+Break) lists Break, and
// the caller also wants Ctrl down for it.
std::vector<unsigned long> keysymsForVirtualKey(int virtualKey);

// The X pointer button mask of a mouse key (1 left, 2 right, 4 middle); 0 for other numbers.
unsigned int pointerMaskForVirtualKey(int virtualKey);

} // namespace pathwick::platform
