#include "shutdown/ShutdownCommand.h"
#include "support/ScopedEnvironment.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pathwick {
namespace {

// The recorder the test sandbox names as the shutdown command, writing to a file of our own.
class RecordedCommand : public ::testing::Test {
protected:
    void SetUp() override {
        recorder_ = qEnvironmentVariable("PATHWICK_SHUTDOWN_COMMAND");
        if (!recorder_.endsWith("recorder.sh"))
            GTEST_SKIP() << "run through scripts/test.sh, which names the recorder";
        ASSERT_TRUE(folder.isValid());
        environment.set("PATHWICK_RECORD_FILE", folder.filePath("recorded.txt").toUtf8());
        environment.unset("PATHWICK_RECORDER_FAIL");
    }
    QString recorder() const { return recorder_; }
    QString recorded() const {
        QFile file(folder.filePath("recorded.txt"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QString recorder_;
    QTemporaryDir folder;
    test::ScopedEnvironment environment;
};

TEST_F(RecordedCommand, RunsTheSystemArgumentsWithoutAShell) {
    ProcessShutdownCommand command; // the program named by the environment
    ASSERT_EQ(shutdownCommandProgram(), recorder());
    const ShutdownOutcome outcome = command.run("-r -t 120 -c \"in $(whoami); `id`\"");
    EXPECT_TRUE(outcome.ok) << outcome.failure.toStdString();
    EXPECT_EQ(recorded(), "0\t-r -- +2 in $(whoami); `id`\n");
}

TEST_F(RecordedCommand, FailuresCarryTheSystemsWords) {
    environment.set("PATHWICK_RECORDER_FAIL", "Access denied");
    ShutdownOutcome outcome = ProcessShutdownCommand(recorder()).run("-a");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.failure, "Access denied");

    outcome = ProcessShutdownCommand("/bin/false").run("-s");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.failure, "The shutdown command \"/bin/false\" ended with exit code 1.");

    outcome = ProcessShutdownCommand(folder.filePath("no-such-shutdown")).run("-s");
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.failure.contains("could not be started")) << outcome.failure.toStdString();

    const QString before = recorded();
    outcome = ProcessShutdownCommand(recorder()).run("-x");
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(recorded(), before); // refused before anything ran
}

} // namespace
} // namespace pathwick
