#include <QByteArray>
#include <gtest/gtest.h>

namespace {

// The code under test opens its display once per process, so $DISPLAY must name the test
// server before the first test runs, whichever test that is.
class TestDisplayEnvironment : public testing::Environment {
public:
    void SetUp() override {
        const QByteArray name = qgetenv("PATHWICK_TEST_DISPLAY");
        if (!name.isEmpty())
            qputenv("DISPLAY", name);
    }
};

const testing::Environment* const registered =
    testing::AddGlobalTestEnvironment(new TestDisplayEnvironment);

} // namespace
