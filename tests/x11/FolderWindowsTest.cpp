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

// Plays the window manager: lists client windows on the root window and takes the
// requests that clients address to it.
class FolderWindowsTest : public pathwick::test::X11TestDisplay {
protected:
    void SetUp() override {
        X11TestDisplay::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        root = DefaultRootWindow(display);
        XSelectInput(display, root, SubstructureRedirectMask);
        XSync(display, False);
    }
    // Closing the connection takes its windows and event selection along, not the list.
    void TearDown() override {
        if (display)
            XDeleteProperty(display, root, atom("_NET_CLIENT_LIST"));
        X11TestDisplay::TearDown();
    }

    Atom atom(const char* name) { return XInternAtom(display, name, False); }

    Window makeWindow(const char* name, const char* windowClass, const char* type = nullptr) {
        const Window window = XCreateSimpleWindow(display, root, 0, 0, 50, 50, 0, 0, 0);
        XClassHint hint{const_cast<char*>(name), const_cast<char*>(windowClass)};
        XSetClassHint(display, window, &hint);
        if (type) {
            const Atom typeAtom = atom(type);
            XChangeProperty(display, window, atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32,
                            PropModeReplace, reinterpret_cast<const unsigned char*>(&typeAtom), 1);
        }
        return window;
    }

    void listClients(const QList<Window>& clients) {
        std::vector<unsigned long> ids(clients.begin(), clients.end());
        XChangeProperty(display, root, atom("_NET_CLIENT_LIST"), XA_WINDOW, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(ids.data()),
                        static_cast<int>(ids.size()));
        XSync(display, False);
    }

    // The windows that were asked to close since the last call.
    QList<Window> closeRequests() {
        XSync(display, False);
        QList<Window> asked;
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage &&
                event.xclient.message_type == atom("_NET_CLOSE_WINDOW"))
                asked.append(event.xclient.window);
        }
        return asked;
    }

    Window root = 0;
};

} // namespace

// Ending the Windows file manager through the launcher closes the folder windows only.
TEST_F(FolderWindowsTest, EndingTheWindowsFileManagerAsksOnlyFolderWindowsToClose) {
    const Window nautilus = makeWindow("org.gnome.Nautilus", "org.gnome.Nautilus");
    const Window thunar = makeWindow("thunar", "Thunar", "_NET_WM_WINDOW_TYPE_NORMAL");
    const Window caja = makeWindow("caja", "Caja", "_NET_WM_WINDOW_TYPE_DESKTOP");
    const Window copying = makeWindow("thunar", "Thunar", "_NET_WM_WINDOW_TYPE_DIALOG");
    const Window terminal = makeWindow("xterm", "XTerm");
    makeWindow("dolphin", "dolphin"); // not a client of the window manager
    // A window that closed after the list was written must not upset anything.
    const Window gone = makeWindow("nemo", "Nemo");
    listClients({terminal, nautilus, caja, copying, gone, thunar});
    XDestroyWindow(display, gone);
    XSync(display, False);

    reset();
    EXPECT_EQ(LinuxShellLauncher().open("taskkill", "-f -im explorer.exe", ShowMode::Minimised),
              launched);
    const QList<Window> asked = closeRequests();
    EXPECT_EQ(QSet<Window>(asked.begin(), asked.end()), (QSet<Window>{nautilus, thunar}));
    EXPECT_EQ(asked.size(), 2);
}
