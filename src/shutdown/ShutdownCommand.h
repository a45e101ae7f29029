#pragma once

#include <QString>

namespace pathwick {

// What one call of the system's shutdown command came to.
struct ShutdownOutcome {
    bool ok = false;
    QString output;  // what the command printed (its help text, for "/?")
    QString failure; // the system's own words when it did not do it
};

// Runs the system's shutdown command with a Windows-style parameter string ("-s -t 60 ...",
// "-a", "/?"), waits for its answer and says whether it did it.
class ShutdownCommand {
public:
    virtual ~ShutdownCommand() = default;
    virtual ShutdownOutcome run(const QString& windowsParameters) = 0;
};

// The program run in place of the system's `shutdown`: $PATHWICK_SHUTDOWN_COMMAND when set.
QString shutdownCommandProgram();

// Starts the command directly (never through a shell) with the adapted arguments.
class ProcessShutdownCommand : public ShutdownCommand {
public:
    explicit ProcessShutdownCommand(QString program = shutdownCommandProgram());
    ShutdownOutcome run(const QString& windowsParameters) override;

private:
    QString program_;
};

} // namespace pathwick
