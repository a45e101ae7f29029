#include "shutdown/ShutdownCommand.h"
#include "shutdown/ShutdownParameters.h"
#include "shutdown/SystemShutdownArguments.h"
#include "support/LaunchRecorder.h"

#include <gtest/gtest.h>

namespace pathwick {
namespace {

// The comment is assembled here once, and reaches the system with LF line ends.
TEST(SystemShutdownArguments, MapsTheWindowsParametersOrRefusesThem) {
    const QString comment = shutdownComment(2, 30, "5:45pm", true);
    struct Case {
        QString windows;
        QStringList expected;
    };
    const Case cases[] = {
        {scheduledShutdownParameters(2, 30, false, comment),
         {"-h", "--", "+150", "Computer shutdown in 2 hours and 30 minutes at 5:45pm\nUnsaved data will be lost."}},
        {"-r -t 61", {"-r", "--", "+2"}},
        {"-s -f", {"-h", "--", "now"}},
        {"-a", {"-c"}},
        {"/?", {"--help"}},
    };
    for (const Case& c : cases) {
        const SystemShutdownCall call = systemShutdownArguments(c.windows);
        EXPECT_TRUE(call.valid) << c.windows.toStdString();
        EXPECT_EQ(call.arguments, c.expected) << c.windows.toStdString();
    }
    for (const char* bad : {"", "-x", "-s -t", "-s -t ten", "-s -t -5", "-s -t 99999999999999",
                            "-s --now", "-c \"only a comment\""}) {
        const SystemShutdownCall call = systemShutdownArguments(bad);
        EXPECT_FALSE(call.valid) << bad;
        EXPECT_FALSE(call.error.isEmpty()) << bad;
    }
}

// The recorder stands in for the shutdown command as it does for the opener.
TEST(ShutdownCommand, RunsTheSystemArgumentsWithoutAShell) {
    test::LaunchRecorder recorder;
    test::ScopedEnvironment environment;
    environment.set("PATHWICK_SHUTDOWN_COMMAND", QFile::encodeName(recorder.program()));
    ProcessShutdownCommand command; // the program named by the environment
    EXPECT_FALSE(command.run("-x").ok);
    EXPECT_FALSE(QFile::exists(recorder.file())) << "refused before anything ran";
    const ShutdownOutcome outcome = command.run("-r -t 120 -c \"in $(whoami); `id`\"");
    EXPECT_TRUE(outcome.ok) << outcome.failure.toStdString();
    EXPECT_EQ(recorder.launches(1), QStringList{"-r -- +2 in $(whoami); `id`"});
}

TEST(ShutdownCommand, FailuresCarryTheSystemsWords) {
    test::LaunchRecorder recorder;
    test::ScopedEnvironment environment;
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
