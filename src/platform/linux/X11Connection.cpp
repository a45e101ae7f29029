#include "platform/linux/X11Connection.h"

#include <X11/Xlib.h>
#include <chrono>
#include <optional>

namespace pathwick::platform {

namespace {

int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

Display* x11Display() {
    static Display* display = nullptr;
    static std::optional<std::chrono::steady_clock::time_point> lastAttempt;
    if (display)
        return display;
    const auto now = std::chrono::steady_clock::now();
    if (lastAttempt && now - *lastAttempt < std::chrono::seconds(5))
        return nullptr;
    lastAttempt = now;
    display = XOpenDisplay(nullptr);
    return display;
}

X11ErrorTrap::X11ErrorTrap(Display* display)
    : display_(display), previous_(XSetErrorHandler(ignoreError)) {}

X11ErrorTrap::~X11ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
}

} // namespace pathwick::platform
