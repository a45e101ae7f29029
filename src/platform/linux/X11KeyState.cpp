#include "platform/linux/X11KeyState.h"

#include "platform/linux/VirtualKeyTable.h"
#include "platform/linux/X11Connection.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <unordered_map>
#include <vector>

namespace pathwick::platform {

namespace {

constexpr int controlKey = 17;
constexpr int ctrlBreakKey = 3;
constexpr int mouseKeys[] = {1, 2, 4};

unsigned int pointerButtons(Display* display) {
    Window root = 0;
    Window child = 0;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int state = 0;
    XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y,
                  &state);
    return state;
}

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
    while (XEventsQueued(display, QueuedAlready) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
            mappingKnown_ = false;
        } else if (event.type == xkbEventType_) {
            mappingKnown_ = false;
        }
    }
}

// The keycodes of every key number from one copy of the mapping: the first group's
// unshifted and shifted symbols (the keypad digits sit on the shifted level).
void X11KeyState::learnMapping() {
    std::unordered_map<unsigned long, std::vector<int>> keysFor;
    for (int virtualKey = 0; virtualKey < KeySnapshot::KeyCount; ++virtualKey)
        for (unsigned long keysym : keysymsForVirtualKey(virtualKey))
            keysFor[keysym].push_back(virtualKey);

    keycodes_.fill({});
    Display* display = x11Display();
    int first = 0;
    int last = 0;
    XDisplayKeycodes(display, &first, &last);
    int perKeycode = 0;
    KeySym* mapping =
        XGetKeyboardMapping(display, static_cast<KeyCode>(first), last - first + 1, &perKeycode);
    if (!mapping)
        return;
    const int levels = std::min(perKeycode, 2);
    for (int keycode = first; keycode <= last; ++keycode)
        for (int level = 0; level < levels; ++level) {
            const auto keys = keysFor.find(mapping[(keycode - first) * perKeycode + level]);
            if (keys != keysFor.end())
                for (int virtualKey : keys->second)
                    keycodes_[size_t(virtualKey)].set(size_t(keycode));
        }
    XFree(mapping);
    mappingKnown_ = true;
}

KeySnapshot X11KeyState::snapshot(bool withMouseButtons) {
    KeySnapshot keys;
    Display* display = x11Display();
    if (!display)
        return keys;
    if (!watching_)
        watchMappingChanges();

    std::array<char, 32> keymap{};
    XQueryKeymap(display, keymap.data());
    forgetMappingIfChanged();
    if (!mappingKnown_)
        learnMapping();
    Keycodes down;
    // Most looks find no key down: whole bytes of up keys are passed over.
    for (size_t byte = 0; byte < keymap.size(); ++byte)
        if (const auto bits = static_cast<unsigned char>(keymap[byte]))
            for (size_t bit = 0; bit < 8; ++bit)
                if (bits & (1u << bit))
                    down.set(byte * 8 + bit);
    if (down.any())
        for (int virtualKey = 0; virtualKey < KeySnapshot::KeyCount; ++virtualKey)
            if ((keycodes_[size_t(virtualKey)] & down).any())
                keys.setDown(virtualKey);
    // Ctrl+Break is its own key number: Break counts only with Ctrl.
    if (!keys.isDown(controlKey))
        keys.setDown(ctrlBreakKey, false);

    if (withMouseButtons) {
        const unsigned int buttons = pointerButtons(display);
        for (int virtualKey : mouseKeys)
            keys.setDown(virtualKey, (buttons & pointerMaskForVirtualKey(virtualKey)) != 0);
    }
    return keys;
}

bool X11KeyState::isDown(int virtualKey) {
    // One look at the pointer is enough for a mouse key.
    if (const unsigned int mask = pointerMaskForVirtualKey(virtualKey)) {
        Display* display = x11Display();
        return display && (pointerButtons(display) & mask) != 0;
    }
    return snapshot(false).isDown(virtualKey);
}

} // namespace pathwick::platform
