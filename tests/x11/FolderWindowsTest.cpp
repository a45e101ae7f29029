#include "platform/Platform.h"
#include "platform/ShellLauncher.h"
#include "platform/linux/LinuxShellLauncher.h"

namespace {
// Xlib takes the name Success for a macro.
constexpr int launched = pathwick::platform::ShellResult::Success;
} // namespace

#include "X11TestDisplay.h"

#include <QSet>

#include <X11/Xatom.h>
#include <X11/Xutil.h>

using namespace pathwick::platform;

namespace {

class FolderWindowsTest : public pathwick::test::X11TestDisplay {
protected:
    Atom atom(const char* name) { return XInternAtom(display, name, False); }

    Window makeWindow(const char* name, const char* windowClass, const char* type = nullptr) {
        const Window window =
            XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 50, 50, 0, 0, 0);
        XClassHint hint{const_cast<char*>(name), const_cast<char*>(windowClass)};
        XSetClassHint(display, window, &hint);
        if (type) {
            const Atom typeAtom = atom(type);
            XChangeProperty(display, window, atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32,
                            PropModeReplace, reinterpret_cast<const unsigned char*>(&typeAtom), 1);
        }
        return window;
    }
};

} // namespace

// Ending the Windows file manager through the launcher closes the folder windows only. The
// test plays the window manager: it lists client windows on the root window and takes the
// requests that clients address to it.
TEST_F(FolderWindowsTest, EndingTheWindowsFileManagerAsksOnlyFolderWindowsToClose) {
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureRedirectMask);
    const Window nautilus = makeWindow("org.gnome.Nautilus", "org.gnome.Nautilus");
    const Window thunar = makeWindow("thunar", "Thunar", "_NET_WM_WINDOW_TYPE_NORMAL");
    const Window caja = makeWindow("caja", "Caja", "_NET_WM_WINDOW_TYPE_DESKTOP");
    const Window copying = makeWindow("thunar", "Thunar", "_NET_WM_WINDOW_TYPE_DIALOG");
    const Window terminal = makeWindow("xterm", "XTerm");
    makeWindow("dolphin", "dolphin"); // not a client of the window manager
    // A window that closed after the list was written must not upset anything.
    const Window gone = makeWindow("nemo", "Nemo");
    const std::vector<unsigned long> clients{terminal, nautilus, caja, copying, gone, thunar};
    XChangeProperty(display, root, atom("_NET_CLIENT_LIST"), XA_WINDOW, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(clients.data()), int(clients.size()));
    XDestroyWindow(display, gone);
    XSync(display, False);

    reset();
    EXPECT_EQ(LinuxShellLauncher().open("taskkill", "-f -im explorer.exe", ShowMode::Minimised),
              launched);
    XSync(display, False);
    QList<Window> asked;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ClientMessage && event.xclient.message_type == atom("_NET_CLOSE_WINDOW"))
            asked.append(event.xclient.window);
    }
    EXPECT_EQ(QSet<Window>(asked.begin(), asked.end()), (QSet<Window>{nautilus, thunar}));
    EXPECT_EQ(asked.size(), 2);
    // Closing the connection takes the windows and the event selection along, not the list.
    XDeleteProperty(display, root, atom("_NET_CLIENT_LIST"));
}
