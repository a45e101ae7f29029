#include "shutdown/ShutdownCommand.h"

#include "shutdown/ShutdownTexts.h"
#include "shutdown/SystemShutdownArguments.h"

#include <QProcess>

namespace pathwick {

namespace {

constexpr int StartTimeoutMs = 5000;
// `shutdown` answers at once; a longer wait means something asks the user elsewhere.
constexpr int FinishTimeoutMs = 10000;

ShutdownOutcome failed(const QString& why) {
    ShutdownOutcome outcome;
    outcome.failure = why;
    return outcome;
}

} // namespace

QString shutdownCommandProgram() {
    const QString injected = qEnvironmentVariable("PATHWICK_SHUTDOWN_COMMAND");
    return injected.isEmpty() ? QStringLiteral("shutdown") : injected;
}

ProcessShutdownCommand::ProcessShutdownCommand(QString program) : program_(std::move(program)) {}

ShutdownOutcome ProcessShutdownCommand::run(const QString& windowsParameters) {
    using namespace shutdown_texts;
    const SystemShutdownCall call = systemShutdownArguments(windowsParameters);
    if (!call.valid)
        return failed(call.error);

    QProcess process;
    process.setProgram(program_);
    process.setArguments(call.arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(StartTimeoutMs))
        return failed(QString(CommandMissing).arg(program_, process.errorString()));
    if (!process.waitForFinished(FinishTimeoutMs)) {
        process.kill();
        process.waitForFinished(StartTimeoutMs);
        return failed(QString(CommandTimedOut).arg(program_).arg(FinishTimeoutMs / 1000));
    }

    ShutdownOutcome outcome;
    outcome.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
        outcome.ok = true;
        return outcome;
    }
    const QString exitText = process.exitStatus() == QProcess::NormalExit
                                 ? QString(CommandExitCode).arg(program_).arg(process.exitCode())
                                 : process.errorString();
    outcome.failure = errors.isEmpty() ? exitText : errors;
    return outcome;
}

} // namespace pathwick
