#pragma once

#include <QByteArray>
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <initializer_list>
#include <vector>

namespace pathwick::test {

// The code under test opens its display once per process, so $DISPLAY must name the test
// server before the first test runs, whichever test that is. A connection is held for the
// whole run: a server whose last client leaves resets and refuses the next connections.
class TestDisplayEnvironment : public testing::Environment {
public:
    void SetUp() override {
        const QByteArray name = qgetenv("PATHWICK_TEST_DISPLAY");
        if (name.isEmpty())
            return;
        qputenv("DISPLAY", name);
        XOpenDisplay(name.constData());
    }
};
inline const testing::Environment* const registeredDisplayEnvironment =
    testing::AddGlobalTestEnvironment(new TestDisplayEnvironment);

// Base of the tests that talk to a real X server: the display comes from
// $PATHWICK_TEST_DISPLAY (the test is skipped without it). `display` is the test's own
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
