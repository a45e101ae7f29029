#include "platform/linux/LaunchPlan.h"

#include "platform/ShellLauncher.h"
#include "platform/linux/CommandLineSplit.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace pathwick::platform {

namespace {

using Action = LaunchPlan::Action;

LaunchPlan fail(int result) {
    return {Action::Fail, {}, {}, {}, result};
}

LaunchPlan open(const LaunchEnvironment& environment, const QString& what) {
    return {Action::Start, environment.opener, {what}, {}, ShellResult::NoAssociation};
}

// The opener's answer counts: without a handler for the place it shows nothing and says so.
LaunchPlan ask(const LaunchEnvironment& environment, const QString& place) {
    return {Action::StartAndAsk, environment.opener, {place}, {}, ShellResult::NoAssociation};
}

// The opener gets folders and files as absolute paths: a relative name such as "-rf" or
// "--help" would read as one of its options.
QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

LaunchPlan openPath(const LaunchEnvironment& environment, const QString& path) {
    if (path.isEmpty() || !(environment.isDirectory(path) || environment.isFile(path)))
        return fail(ShellResult::FileNotFound);
    return open(environment, absolute(path));
}

LaunchPlan openAutostartFolder(const LaunchEnvironment& environment) {
    const QString folder = environment.configHome + QStringLiteral("/autostart");
    LaunchPlan plan = open(environment, folder);
    plan.folderToCreate = folder;
    return plan;
}

LaunchPlan openSystemMonitor(const LaunchEnvironment& environment) {
    static const char* const monitors[] = {"gnome-system-monitor", "ksysguard",
                                           "plasma-systemmonitor", "xfce4-taskmanager",
                                           "mate-system-monitor",  "lxtask"};
    for (const char* monitor : monitors) {
        const QString path = environment.findProgram(QString::fromLatin1(monitor));
        if (!path.isEmpty())
            return {Action::Start, path, {}, {}, ShellResult::FileNotFound};
    }
    return fail(ShellResult::FileNotFound);
}

// The desktop's own start-up applications tool where one is installed, else the folder it edits.
LaunchPlan openStartupSettings(const LaunchEnvironment& environment) {
    static const struct {
        const char* program;
        const char* argument;
    } tools[] = {{"gnome-session-properties", nullptr},
                 {"xfce4-session-settings", nullptr},
                 {"mate-session-properties", nullptr},
                 {"cinnamon-session-properties", nullptr},
                 {"lxqt-config-session", nullptr},
                 {"kcmshell6", "kcm_autostart"},
                 {"kcmshell5", "autostart"}};
    for (const auto& tool : tools) {
        const QString path = environment.findProgram(QString::fromLatin1(tool.program));
        if (path.isEmpty())
            continue;
        QStringList arguments;
        if (tool.argument != nullptr)
            arguments.append(QString::fromLatin1(tool.argument));
        return {Action::Start, path, arguments, {}, ShellResult::FileNotFound};
    }
    return openAutostartFolder(environment);
}

bool namesImage(const QStringList& arguments, QLatin1StringView image) {
    for (const QString& argument : arguments)
        if (argument.compare(image, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// The Windows programs and shell locations the program itself asks for.
std::optional<LaunchPlan> planNamed(const QString& target, const QString& parameters,
                                    const LaunchEnvironment& environment) {
    const QString lower = target.toLower();
    if (lower == u"shell:recyclebinfolder" || lower == u"shell:recyclebinfolder\\")
        return ask(environment, QStringLiteral("trash:///"));
    if (lower == u"shell:networkplacesfolder" || lower == u"shell:networkplacesfolder\\")
        return open(environment, QStringLiteral("network:///"));
    if (lower.startsWith(u"shell:"))
        return fail(ShellResult::NoAssociation);
    if (lower == u"ms-settings:startupapps")
        return openStartupSettings(environment);
    if (lower.contains(u'/'))
        return std::nullopt;

    QString name = lower.mid(lower.lastIndexOf(u'\\') + 1);
    if (name.endsWith(u".exe"))
        name.chop(4);
    const QStringList arguments = splitCommandLine(parameters);
    if (name == u"taskkill") {
        if (namesImage(arguments, QLatin1StringView("explorer.exe")))
            return LaunchPlan{Action::CloseFolderWindows, {}, {}, {}, 0};
        // The registry editor's stand-in is a folder window, not a process to end.
        if (namesImage(arguments, QLatin1StringView("regedit.exe")))
            return LaunchPlan{Action::Nothing, {}, {}, {}, 0};
        return fail(ShellResult::FileNotFound);
    }
    if (name == u"explorer") {
        // The file manager is not a process we end and restart.
        if (arguments.isEmpty())
            return LaunchPlan{Action::Nothing, {}, {}, {}, 0};
        return openPath(environment, arguments.first());
    }
    if (name == u"notepad")
        return openPath(environment, arguments.value(0));
    if (name == u"taskmgr")
        return openSystemMonitor(environment);
    if (name == u"regedit")
        return openAutostartFolder(environment);
    return std::nullopt;
}

bool isUrl(const QString& target) {
    // Two letters at least, so a drive letter ("C:") is not taken for a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

bool isProgramFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head.startsWith("#!") || head == QByteArray("\x7f"
                                                       "ELF",
                                                       4);
}

} // namespace

LaunchEnvironment systemLaunchEnvironment() {
    LaunchEnvironment environment;
    environment.opener = qEnvironmentVariable("PATHWICK_OPENER");
    if (environment.opener.isEmpty())
        environment.opener = QStringLiteral("xdg-open");
    environment.configHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    environment.isDirectory = [](const QString& path) { return QFileInfo(path).isDir(); };
    environment.isFile = [](const QString& path) { return QFileInfo(path).isFile(); };
    environment.isProgramFile = isProgramFile;
    environment.findProgram = [](const QString& name) {
        return QStandardPaths::findExecutable(name);
    };
    return environment;
}

LaunchPlan planLaunch(const QString& target, const QString& parameters,
                      const LaunchEnvironment& environment) {
    if (target.isEmpty())
        return fail(ShellResult::FileNotFound);
    if (std::optional<LaunchPlan> named = planNamed(target, parameters, environment))
        return *named;
    if (isUrl(target))
        return open(environment, target);
    if (environment.isDirectory(target))
        return open(environment, absolute(target));
    if (environment.isFile(target)) {
        // A document without a program for its type must not count as opened: the help
        // command goes on to its next file then.
        if (!environment.isProgramFile(target))
            return ask(environment, absolute(target));
        return {Action::Start,
                absolute(target),
                splitCommandLine(parameters),
                {},
                ShellResult::AccessDenied};
    }
    if (!target.contains(u'/')) {
        const QString program = environment.findProgram(target);
        if (!program.isEmpty())
            return {Action::Start,
                    program,
                    splitCommandLine(parameters),
                    {},
                    ShellResult::FileNotFound};
    }
    return fail(ShellResult::FileNotFound);
}

} // namespace pathwick::platform
