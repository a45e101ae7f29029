#include "platform/linux/X11KeyState.h"

#include "platform/linux/VirtualKeyTable.h"
#include "platform/linux/X11Connection.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <algorithm>

namespace pathwick::platform {

namespace {

constexpr int controlKey = 17;
constexpr int ctrlBreakKey = 3;

} // namespace

// A server with the keyboard extension tells a client that uses it about new mappings
// only when asked; core clients get MappingNotify unasked.
void X11KeyState::watchMappingChanges() {
    watching_ = true;
    Display* display = x11Display();
    int opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    int eventBase = 0;
    if (!XkbQueryExtension(display, &opcode, &eventBase, &error, &major, &minor))
        return;
    const unsigned int changes = XkbMapNotifyMask | XkbNewKeyboardNotifyMask;
    if (XkbSelectEvents(display, XkbUseCoreKbd, changes, changes))
        xkbEventType_ = eventBase;
}

void X11KeyState::forgetMappingIfChanged() {
    Display* display = x11Display();
    // Only mapping news is asked for on this connection, and the last round trip has
    // already read it in, so looking costs no further request.
    bool changed = false;
    while (XEventsQueued(display, QueuedAlready) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
            changed = true;
        } else if (event.type == xkbEventType_) {
            changed = true;
        }
    }
    if (changed)
        keycodes_.clear();
}

const X11KeyState::Keycodes& X11KeyState::keycodesFor(int virtualKey) {
    const auto known = keycodes_.find(virtualKey);
    if (known != keycodes_.end())
        return known->second;

    Keycodes keycodes;
    const std::vector<unsigned long> wanted = keysymsForVirtualKey(virtualKey);
    Display* display = x11Display();
    int first = 0;
    int last = 0;
    XDisplayKeycodes(display, &first, &last);
    int perKeycode = 0;
    KeySym* mapping =
        XGetKeyboardMapping(display, static_cast<KeyCode>(first), last - first + 1, &perKeycode);
    if (mapping) {
        // The first group's unshifted and shifted symbols: the keypad digits sit on the
        // shifted level, and a key's own symbol on the unshifted one.
        const int levels = std::min(perKeycode, 2);
        for (int keycode = first; keycode <= last; ++keycode)
            for (int level = 0; level < levels; ++level) {
                const KeySym symbol = mapping[(keycode - first) * perKeycode + level];
                if (symbol != NoSymbol &&
                    std::find(wanted.begin(), wanted.end(), symbol) != wanted.end())
                    keycodes.set(static_cast<size_t>(keycode));
            }
        XFree(mapping);
    }
    return keycodes_.emplace(virtualKey, keycodes).first->second;
}

bool X11KeyState::anyDown(const Keycodes& keycodes) {
    for (size_t keycode = 0; keycode < keycodes.size(); ++keycode)
        if (keycodes.test(keycode) &&
            (static_cast<unsigned char>(keymap_[keycode / 8]) & (1u << (keycode % 8))))
            return true;
    return false;
}

bool X11KeyState::isDown(int virtualKey) {
    Display* display = x11Display();
    if (!display)
        return false;

    if (const unsigned int mask = pointerMaskForVirtualKey(virtualKey)) {
        Window root = 0;
        Window child = 0;
        int rootX = 0, rootY = 0, x = 0, y = 0;
        unsigned int state = 0;
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y,
                      &state);
        return (state & mask) != 0;
    }

    if (!watching_)
        watchMappingChanges();
    XQueryKeymap(display, keymap_.data());
    forgetMappingIfChanged();
    const Keycodes& keycodes = keycodesFor(virtualKey);
    if (keycodes.none() || !anyDown(keycodes))
        return false;
    if (virtualKey == ctrlBreakKey)
        return anyDown(keycodesFor(controlKey));
    return true;
}

} // namespace pathwick::platform
