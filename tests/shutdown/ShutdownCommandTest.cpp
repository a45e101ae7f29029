#include "shutdown/ShutdownCommand.h"
#include "support/LaunchRecorder.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

// The recorder stands in for the shutdown command as it does for the opener.
class ShutdownCommandTest : public ::testing::Test {
protected:
    test::LaunchRecorder recorder;
    test::ScopedEnvironment environment;
};

TEST_F(ShutdownCommandTest, RunsTheSystemArgumentsWithoutAShell) {
    environment.set("PATHWICK_SHUTDOWN_COMMAND", QFile::encodeName(recorder.program()));
    ProcessShutdownCommand command; // the program named by the environment
    EXPECT_FALSE(command.run("-x").ok);
    EXPECT_FALSE(QFile::exists(recorder.file())) << "refused before anything ran";
    const ShutdownOutcome outcome = command.run("-r -t 120 -c \"in $(whoami); `id`\"");
    EXPECT_TRUE(outcome.ok) << outcome.failure.toStdString();
    EXPECT_EQ(recorder.launches(1), QStringList{"-r -- +2 in $(whoami); `id`"});
}

TEST_F(ShutdownCommandTest, FailuresCarryTheSystemsWords) {
    environment.set("PATHWICK_RECORDER_FAIL", "Access denied");
    ShutdownOutcome outcome = ProcessShutdownCommand(recorder.program()).run("-a");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.failure, "Access denied");

    outcome = ProcessShutdownCommand("/bin/false").run("-s");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.failure, "The shutdown command \"/bin/false\" ended with exit code 1.");

    outcome = ProcessShutdownCommand(recorder.file() + ".missing").run("-s");
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.failure.contains("could not be started")) << outcome.failure.toStdString();
}

} // namespace
} // namespace pathwick
