#include "platform/linux/X11Connection.h"

#include <X11/Xlib.h>

namespace pathwick::platform {

namespace {

int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

Display* x11Display() {
    static Display* const display = XOpenDisplay(nullptr);
    return display;
}

X11ErrorTrap::X11ErrorTrap(Display* display)
    : display_(display), previous_(XSetErrorHandler(ignoreError)) {}

X11ErrorTrap::~X11ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
}

} // namespace pathwick::platform
