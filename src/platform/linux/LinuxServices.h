#pragma once

#include "platform/Platform.h"

namespace pathwick::platform {

// The real services of a Linux/X11 desktop.
Services makeLinuxServices();

} // namespace pathwick::platform
