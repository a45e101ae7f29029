#pragma once

#include <QByteArray>
#include <gtest/gtest.h>

#include <X11/Xlib.h>

namespace pathwick::test {

// Base of the tests that talk to a real X server: the display comes from
// $PATHWICK_TEST_DISPLAY (the test is skipped without it); TestDisplayEnvironment.cpp makes
// it $DISPLAY for the code under test before any test runs. `display` is the test's own
// connection, for pressing keys and watching windows.
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
        if (display)
            XCloseDisplay(display);
    }

    Display* display = nullptr;
};

} // namespace pathwick::test
