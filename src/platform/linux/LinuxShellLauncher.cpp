#include "platform/linux/LinuxShellLauncher.h"

#include "platform/Platform.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <atomic>

namespace pathwick::platform {

namespace {

std::atomic<int> launchSequence{0};

// How long an opener may take to say whether it could show a place. One still running after
// that is showing it (a plain xdg-open waits for the file manager it started).
constexpr int AnswerWaitMs = 2000;

void prepare(QProcess& process, const QString& program, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATHWICK_LAUNCH_SEQUENCE"),
                       QString::number(++launchSequence));
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
}

bool startDetached(const QString& program, const QStringList& arguments) {
    QProcess process;
    prepare(process, program, arguments);
    return process.startDetached();
}

// Waits without an event loop, so no timer of the program fires in the middle of a command.
bool startAndAsk(const QString& program, const QStringList& arguments) {
    auto* process = new QProcess;
    prepare(*process, program, arguments);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    if (!process->waitForFinished(AnswerWaitMs)) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return true;
    }
    const bool succeeded =
        process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return succeeded;
}

} // namespace

LinuxShellLauncher::LinuxShellLauncher(LaunchEnvironment environment)
    : environment_(std::move(environment)) {}

int LinuxShellLauncher::open(const QString& target, const QString& parameters, ShowMode) {
    const LaunchPlan plan =
        planLaunch(target, parameters, environment_ ? *environment_ : systemLaunchEnvironment());
    switch (plan.action) {
    case LaunchPlan::Action::Start:
        if (!plan.folderToCreate.isEmpty())
            QDir().mkpath(plan.folderToCreate);
        return startDetached(plan.program, plan.arguments) ? ShellResult::Success : plan.result;
    case LaunchPlan::Action::StartAndAsk:
        return startAndAsk(plan.program, plan.arguments) ? ShellResult::Success : plan.result;
    case LaunchPlan::Action::CloseFolderWindows:
        return folderWindows().closeAll() ? ShellResult::Success : ShellResult::NoAssociation;
    case LaunchPlan::Action::Nothing:
        return ShellResult::Success;
    case LaunchPlan::Action::Fail:
        break;
    }
    return plan.result;
}

} // namespace pathwick::platform
