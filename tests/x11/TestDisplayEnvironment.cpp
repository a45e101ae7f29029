#include <QByteArray>
#include <gtest/gtest.h>

#include <X11/Xlib.h>

namespace {

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
        keepAlive_ = XOpenDisplay(name.constData());
    }
    void TearDown() override {
        if (keepAlive_)
            XCloseDisplay(keepAlive_);
        keepAlive_ = nullptr;
    }

private:
    Display* keepAlive_ = nullptr;
};

const testing::Environment* const registered =
    testing::AddGlobalTestEnvironment(new TestDisplayEnvironment);

} // namespace
