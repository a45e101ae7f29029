// The idle-CPU reference: a bare Qt Widgets window that asks the X server for the keyboard
// (XQueryKeymap) five times a second and does nothing else.
#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>

#include <X11/Xlib.h>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QPlainTextEdit window;
    window.setWindowTitle("Bare polling window");
    window.show();
    Display* display = XOpenDisplay(nullptr);
    QTimer poll;
    poll.setInterval(200);
    QObject::connect(&poll, &QTimer::timeout, [display] {
        char keymap[32];
        if (display)
            XQueryKeymap(display, keymap);
    });
    poll.start();
    const int code = app.exec();
    if (display)
        XCloseDisplay(display);
    return code;
}
