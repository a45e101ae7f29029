#include "platform/linux/LinuxShellLauncher.h"

#include "platform/Platform.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <atomic>

namespace pathwick::platform {

namespace {

std::atomic<int> launchSequence{0};

bool startDetached(const QString& program, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATHWICK_LAUNCH_SEQUENCE"),
                       QString::number(++launchSequence));
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached();
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
