#include "platform/linux/X11FolderWindows.h"

#include "platform/linux/X11Connection.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <vector>

namespace pathwick::platform {

namespace {

// The window's list-valued property of the given type; empty when it has none.
std::vector<unsigned long> listProperty(Display* display, Window window, Atom property, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(display, window, property, 0, 1L << 20, False, type, &actualType,
                           &format, &count, &remaining, &data) == Success &&
        data && actualType == type && format == 32) {
        const auto* items = reinterpret_cast<const unsigned long*>(data);
        values.assign(items, items + count);
    }
    if (data)
        XFree(data);
    return values;
}

bool isFileManagerWindow(Display* display, Window window) {
    XClassHint hint{nullptr, nullptr};
    if (!XGetClassHint(display, window, &hint))
        return false;
    const bool matches = (hint.res_name && isFileManagerClass(QString::fromUtf8(hint.res_name))) ||
                         (hint.res_class && isFileManagerClass(QString::fromUtf8(hint.res_class)));
    if (hint.res_name)
        XFree(hint.res_name);
    if (hint.res_class)
        XFree(hint.res_class);
    return matches;
}

// Normal windows only: file managers also own the desktop's icon window and copy dialogs.
bool isNormalWindow(Display* display, Window window) {
    const Atom windowType = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom normal = XInternAtom(display, "_NET_WM_WINDOW_TYPE_NORMAL", False);
    const std::vector<unsigned long> types = listProperty(display, window, windowType, XA_ATOM);
    return types.empty() || types.front() == normal;
}

} // namespace

bool isFileManagerClass(const QString& name) {
    static const char* const names[] = {
        "nautilus", "org.gnome.nautilus", "nemo",    "thunar",   "caja", "pcmanfm", "pcmanfm-qt",
        "dolphin",  "org.kde.dolphin",    "spacefm", "konqueror"};
    for (const char* known : names)
        if (name.compare(QLatin1StringView(known), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool X11FolderWindows::closeAll() {
    Display* display = x11Display();
    if (!display)
        return false;
    const X11ErrorTrap trap(display);
    const Window root = DefaultRootWindow(display);
    const Atom clientList = XInternAtom(display, "_NET_CLIENT_LIST", False);
    const Atom closeWindow = XInternAtom(display, "_NET_CLOSE_WINDOW", False);
    for (unsigned long window : listProperty(display, root, clientList, XA_WINDOW)) {
        if (!isFileManagerWindow(display, window) || !isNormalWindow(display, window))
            continue;
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = closeWindow;
        event.xclient.format = 32;
        event.xclient.data.l[0] = CurrentTime;
        event.xclient.data.l[1] = 2; // on behalf of the user, like a pager
        XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    }
    return true;
}

} // namespace pathwick::platform
