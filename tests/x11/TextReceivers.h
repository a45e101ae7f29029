#pragma once

// gtest before X.h, whose macros (None, ...) break it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <clocale>
#include <functional>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace pathwick::test {

// Runs the program's event loop (where the keys are sent) until done() or the time-out.
inline bool pumpUntil(const std::function<bool()>& done, int timeoutMs,
                      const std::function<void()>& alsoEachRound = {}) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (alsoEachRound)
            alsoEachRound();
    }
    return true;
}

// What a receiver holds, with every line break made "\n".
inline QString asReceived(QString text) {
    return text.replace("\r\n", "\n").replace('\r', '\n');
}

// A Qt text box in a process of its own, focused on the test display.
class QtReceiver {
public:
    QtReceiver(const QByteArray& display, qsizetype expectedLength, int timeoutMs = 20000) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", QString::fromLocal8Bit(display));
        environment.insert("QT_QPA_PLATFORM", "xcb");
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(PATHWICK_TEXT_RECEIVER,
                       {QString::number(expectedLength), QString::number(timeoutMs)});
    }
    ~QtReceiver() {
        process_.kill();
        process_.waitForFinished(2000);
    }

    bool waitReady() {
        return pumpUntil([this] { return read().contains("ready"); }, 10000);
    }
    // Waits for the receiver to end; its text and the monotonic time it was complete.
    bool finish(QString& text, qint64& doneNs, int timeoutMs = 30000) {
        if (!pumpUntil([this] { return read().contains("done "); }, timeoutMs))
            return false;
        const QList<QByteArray> fields = output_.mid(output_.indexOf("done ")).split(' ');
        doneNs = fields.value(1).toLongLong();
        text = QString::fromUtf8(QByteArray::fromHex(fields.value(2).trimmed()));
        return true;
    }

private:
    const QByteArray& read() {
        output_ += process_.readAllStandardOutput();
        return output_;
    }
    QProcess process_;
    QByteArray output_;
};

// A plain Xlib window on the test's own connection, focused, that reads its keys through
// an input context as any Xlib program does.
class XlibReceiver {
public:
    explicit XlibReceiver(Display* display) : display_(display) {
        std::setlocale(LC_CTYPE, "C.UTF-8");
        XSetLocaleModifiers("@im=none");
        window_ = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 300, 200, 0, 0, 0);
        XSelectInput(display, window_, KeyPressMask | StructureNotifyMask);
        XMapRaised(display, window_);
        im_ = XOpenIM(display, nullptr, nullptr, nullptr);
        ic_ = XCreateIC(im_, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow,
                        window_, XNFocusWindow, window_, nullptr);
        XEvent event;
        do
            XWindowEvent(display, window_, StructureNotifyMask, &event);
        while (event.type != MapNotify);
        XSetInputFocus(display, window_, RevertToParent, CurrentTime);
        XSync(display, False);
    }
    ~XlibReceiver() {
        XDestroyIC(ic_);
        XCloseIM(im_);
        XDestroyWindow(display_, window_);
        XSync(display_, False);
    }

    // Reads the keys that have arrived.
    void pump() {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            char buffer[64];
            Status status = 0;
            if (XFilterEvent(&event, None) || event.type != KeyPress)
                continue;
            const int length =
                Xutf8LookupString(ic_, &event.xkey, buffer, sizeof buffer, nullptr, &status);
            if (status != XLookupChars && status != XLookupBoth)
                continue;
            // A hot key pressed with Ctrl reaches the window as a control character.
            for (QChar c : QString::fromUtf8(buffer, length))
                if (c >= u' ' || c == u'\t' || c == u'\r' || c == u'\n')
                    text += c;
        }
    }

    QString text;

private:
    Display* display_;
    Window window_ = 0;
    XIM im_ = nullptr;
    XIC ic_ = nullptr;
};

} // namespace pathwick::test
