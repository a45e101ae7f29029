#pragma once

#include <QByteArray>
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <initializer_list>
#include <vector>

namespace pathwick::test {

// Base of the tests that talk to a real X server: the display comes from
// $PATHWICK_TEST_DISPLAY (the test is skipped without it); TestDisplayEnvironment.cpp makes
// it $DISPLAY for the code under test before any test runs. `display` is the test's own
// connection, a separate client, for pressing keys and watching windows.
class X11TestDisplay : public testing::Test {
protected:
    void SetUp() override {
        const QByteArray name = qgetenv("PATHWICK_TEST_DISPLAY");
        if (name.isEmpty())
            GTEST_SKIP() << "PATHWICK_TEST_DISPLAY is not set";
        display = XOpenDisplay(name.constData());
        ASSERT_NE(display, nullptr) << "cannot open " << name.constData();
    }
    void TearDown() override {
        if (!display)
            return;
        releaseAll();
        XCloseDisplay(display);
    }

    // Holds keys down through XTest until releaseAll or the end of the test.
    void press(std::initializer_list<KeySym> keysyms) {
        for (KeySym keysym : keysyms)
            pressCode(XKeysymToKeycode(display, keysym));
    }
    void pressCode(KeyCode key) {
        XTestFakeKeyEvent(display, key, True, CurrentTime);
        XSync(display, False);
        pressed_.push_back(key);
    }
    void releaseAll() {
        for (auto key = pressed_.rbegin(); key != pressed_.rend(); ++key)
            XTestFakeKeyEvent(display, *key, False, CurrentTime);
        XSync(display, False);
        pressed_.clear();
    }

    Display* display = nullptr;

private:
    std::vector<KeyCode> pressed_;
};

} // namespace pathwick::test
