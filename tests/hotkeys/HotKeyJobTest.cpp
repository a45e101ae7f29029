#include "hotkeys/HotKeyJob.h"

#include "common/MainWindowHost.h"
#include "hotkeys/HotKeyStore.h"
#include "platform/fake/FakePlatform.h"
#include "support/ModalDialogs.h"
#include "support/ScopedEnvironment.h"
#include "support/TempStore.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>

using namespace pathwick;
using namespace pathwick::hotkeys;

namespace {

class Host : public MainWindowHost {
public:
    bool testMode = false;
    QString GetCommand() const override { return {}; }
    void SetDoItFlag(bool) override {}
    void TestMode_valueSet(bool value) override { testMode = value; }
    bool TestModeValue_valueGet() const override { return testMode; }
    bool hiddenMenuVisible() const override { return false; }
    void setHiddenMenuVisible(bool) override {}
};

} // namespace

// Test mode is asked of the main window at each tick; under X11 switching on says nothing.
TEST(HotKeyJob, TheSwitchRunsThePollerThatAsksTheMainWindowForTestMode) {
    test::TempStore store;
    platform::fake::FakePlatform fakes;
    test::ScopedEnvironment environment;
    environment.set("XDG_SESSION_TYPE", "x11");
    writeHotKeyValue("112_Command", HotKeyType::Command, "gedit");
    fakes.keys->down = {112};
    Host host;
    host.testMode = true;
    QAction onOff;
    onOff.setCheckable(true);
    onOff.setChecked(true);
    QObject owner;
    test::ModalAnswers answers;
    answers.press(QMessageBox::Ok);
    auto* job = new HotKeyJob(host, {nullptr, nullptr, &onOff, nullptr}, &owner);
    EXPECT_FALSE(job->poller().isRunning());
    job->loadFinished();
    QTest::qWait(HotKeyPoller::IntervalMs * 2);
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(answers.seen()[0].title, "RUN (Test mode)");

    host.testMode = false;
    fakes.keys->down = {};
    QTest::qWait(HotKeyPoller::IntervalMs + 50);
    fakes.keys->down = {112};
    QTest::qWait(HotKeyPoller::IntervalMs + 50);
    EXPECT_EQ(fakes.shell->targets(), QStringList{"gedit"});
    EXPECT_EQ(answers.seen().size(), 1);

    onOff.trigger();
    EXPECT_FALSE(job->poller().isRunning());
    job->loadFinished();
    EXPECT_FALSE(job->poller().isRunning());
}
