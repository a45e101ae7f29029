#pragma once

#include <X11/Xlib.h>

namespace pathwick::platform {

// The program's own Xlib connection to the display named by $DISPLAY, opened on first use
// and kept for the life of the process. Null when there is no display to talk to; a failed
// attempt is repeated at most every few seconds, so a busy server at start-up does not
// leave the program without keys for good. Used from the user-interface thread only.
Display* x11Display();

// While it lives, X protocol errors (a window that vanished between two requests) are
// ignored instead of ending the program; on leaving it waits for the server's answers.
class X11ErrorTrap {
public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

private:
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*);
};

} // namespace pathwick::platform
